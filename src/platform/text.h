#pragma once

#include <string>
#include <string_view>

// Text inside documents is UTF-16 (names round-trip code unit for code unit);
// text shown to the user and file paths are UTF-8.
namespace sb {

// Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace sb
