// How Tavrin's UTF-8 texts become the bytes of a PDF file. Text shown on a page uses the
// standard fonts with WinAnsiEncoding, so it is written in Windows-1252; text strings outside
// the pages (document information, outline titles) use PDFDocEncoding, which agrees with
// Windows-1252 on ASCII and Latin-1 letters but places the typographic marks and the euro sign
// elsewhere. A character an encoding lacks is written as "?", one "?" per character, and every
// byte that is not part of a well-formed UTF-8 sequence also becomes "?".
#pragma once

#include <string>
#include <string_view>

namespace DOC_PDF {

// UTF-8 to Windows-1252 (the code page of WinAnsiEncoding).
std::string ToWinAnsi(std::string_view utf8);

// UTF-8 to PDFDocEncoding, for text strings outside content streams.
std::string ToPdfDocEncoding(std::string_view utf8);

// A link address as the 7-bit ASCII a URI action needs: bytes outside printable ASCII (the
// UTF-8 of non-ASCII characters, spaces, control characters) are percent-encoded; everything
// else, including existing percent escapes, stays as given.
std::string EncodeUri(std::string_view address);

// Appends "(bytes)" with backslash, "(" and ")" preceded by a backslash and each byte outside
// printable ASCII as a three-digit octal escape, so the file stays plain text.
void AppendEscapedString(std::string& out, std::string_view bytes);

}  // namespace DOC_PDF
