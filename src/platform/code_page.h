#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text in other programs' files is in the system's multibyte code page:
// Shift-JIS as Windows extends it (CP932).
namespace sb {

// Characters the code page lacks become '?'. The result holds at most
// maxBytes bytes and never ends inside a character.
std::string Utf16ToCodePage(std::u16string_view text, size_t maxBytes = std::string::npos);
// Byte sequences that are not text become U+FFFD.
std::u16string CodePageToUtf16(std::string_view text);

}  // namespace sb
