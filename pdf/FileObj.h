// Indirect objects: a numbered dictionary with an optional stream (CFileObj), or a numbered
// single value (CFileInlineObj, used for the ProcSet array and for stream lengths). An object
// takes its number from the document's counter when it is constructed, so numbers follow the
// order of creation and start at 1 in every document.
#pragma once

#include "pdf/ObjBase.h"
#include "pdf/XRefList.h"

#include <memory>
#include <string>

namespace DOC_PDF {

// The object numbers of one document: 1, 2, 3, ... in order of creation.
class CObjectCounter {
public:
    int Next() { return ++last_; }
    int Last() const { return last_; }

private:
    int last_ = 0;
};

class CFileInlineObj;

class CFileObj : public OBJ_INDIRECT {
public:
    explicit CFileObj(CObjectCounter& counter);
    ~CFileObj() override;
    CFileObj(const CFileObj&) = delete;
    CFileObj& operator=(const CFileObj&) = delete;

    int Number() const { return number_; }
    // A reference to this object ("n 0 R").
    OBJ_POINTER Reference() const { return OBJ_POINTER(number_); }
    // Whether `other` was numbered by the same document: a reference to an object of another
    // document would point at the wrong object.
    bool SameDocument(const CFileObj& other) const { return &counter_ == &other.counter_; }

    // Replaces the stream content. The length object is created on first use (so it takes the
    // next object number) and holds the number of content bytes.
    void SetStream(_buffer content);
    const OBJ_STREAM* Stream() const { return stream_.get(); }
    const CFileInlineObj* LengthObject() const { return length_.get(); }

    // Appends this object's text to `out` and records it in `xref`; the length object of a
    // stream follows right after it. Objects that own further objects write those after
    // themselves.
    virtual void WriteTo(_buffer& out, CXRefList& xref);

protected:
    CObjectCounter& Counter() const { return counter_; }
    // The text between "n 0 obj" CR LF and CR LF "endobj": the dictionary and the stream.
    virtual void WriteBody(_buffer& out) const;
    // This object alone: "n 0 obj" CR LF, the body, CR LF "endobj" CR LF.
    void WriteThisObject(_buffer& out, CXRefList& xref);

private:
    CObjectCounter& counter_;
    int number_;
    std::unique_ptr<OBJ_STREAM> stream_;
    std::unique_ptr<CFileInlineObj> length_;
};

class CFileInlineObj final : public CFileObj {
public:
    explicit CFileInlineObj(CObjectCounter& counter) : CFileObj(counter) {}

    void SetValue(OBJ_PDF value) { value_ = std::move(value); }
    const OBJ_PDF& Value() const { return value_; }

    // Adds the name to the array this object holds, unless it is there already; an object that
    // does not hold an array yet is given one.
    void AddNameOnce(const std::string& name);

protected:
    void WriteBody(_buffer& out) const override { value_.Write(out); }

private:
    OBJ_PDF value_;
};

}  // namespace DOC_PDF
