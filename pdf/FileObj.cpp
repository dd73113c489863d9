// Writing indirect objects and giving them streams.
#include "pdf/FileObj.h"

namespace DOC_PDF {

CFileObj::CFileObj(CObjectCounter& counter) : counter_(counter), number_(counter.Next()) {}

CFileObj::~CFileObj() = default;

void CFileObj::SetStream(_buffer content)
{
    const auto byteCount = static_cast<long long>(content.size());
    stream_ = std::make_unique<OBJ_STREAM>(std::move(content));
    if (!length_)
        length_ = std::make_unique<CFileInlineObj>(counter_);
    length_->SetValue(OBJ_NUMERIC(byteCount));
}

void CFileObj::WriteTo(_buffer& out, CXRefList& xref)
{
    WriteThisObject(out, xref);
    if (stream_ && length_)
        length_->WriteTo(out, xref);
}

void CFileObj::WriteBody(_buffer& out) const
{
    OBJ_INDIRECT::Write(out);
    if (stream_)
        stream_->Write(out);
}

void CFileObj::WriteThisObject(_buffer& out, CXRefList& xref)
{
    if (stream_ && length_ && !Has("Length"))
        Set("Length", length_->Reference());
    const size_t start = out.size();
    AppendInteger(out, number_);
    out += " 0 obj\r\n";
    WriteBody(out);
    out += "\r\nendobj\r\n";
    xref.Add(number_, out.size() - start);
}

void CFileInlineObj::AddNameOnce(const std::string& name)
{
    if (value_.GetType() != OBJ_PDF::tpArray)
        value_ = OBJ_ARRAY();
    OBJ_ARRAY* names = value_.AsArray();
    if (!names->ContainsName(name))
        names->Add(OBJ_NAME(name));
}

}  // namespace DOC_PDF
