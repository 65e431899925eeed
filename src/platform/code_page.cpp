#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>

#include "platform/text.h"

namespace sb {
namespace {

constexpr char kCodePage[] = "CP932";
constexpr char kUtf16[] = "UTF-16LE";
constexpr char16_t kReplacement = 0xFFFD;

// One iconv conversion, closed when it goes out of scope.
class CConversion {
public:
    CConversion(const char* to, const char* from) : m_handle(::iconv_open(to, from)) {}
    ~CConversion()
    {
        if (IsOpen()) {
            ::iconv_close(m_handle);
        }
    }
    CConversion(const CConversion&) = delete;
    CConversion& operator=(const CConversion&) = delete;

    bool IsOpen() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of the input as is valid; on return the input points
    // at the first byte that could not be converted.
    size_t Convert(const char*& input, size_t& inputLeft, char*& output, size_t& outputLeft)
    {
        ::iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        return ::iconv(m_handle, const_cast<char**>(&input), &inputLeft, &output, &outputLeft);
    }

private:
    iconv_t m_handle;
};

// The length in code units of the character starting at text[i].
size_t CharacterLength(std::u16string_view text, size_t i)
{
    const bool isPair = text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                        text[i + 1] < 0xE000;
    return isPair ? 2 : 1;
}

}  // namespace

std::string Utf16ToCodePage(std::u16string_view text, size_t maxBytes)
{
    CConversion conversion(kCodePage, kUtf16);
    std::string result;
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharacterLength(text, i);
        char encoded[8];
        size_t encodedLength = 0;
        if (conversion.IsOpen()) {
            const char* input = reinterpret_cast<const char*>(text.data() + i);
            size_t inputLeft = length * sizeof(char16_t);
            char* output = encoded;
            size_t outputLeft = sizeof encoded;
            if (conversion.Convert(input, inputLeft, output, outputLeft) != static_cast<size_t>(-1)) {
                encodedLength = sizeof encoded - outputLeft;
            }
        } else if (text[i] < 0x80) {
            encoded[0] = static_cast<char>(text[i]);
            encodedLength = 1;
        }
        if (encodedLength == 0) {
            encoded[0] = '?';
            encodedLength = 1;
        }
        if (maxBytes != std::string::npos && result.size() + encodedLength > maxBytes) {
            break;
        }
        result.append(encoded, encodedLength);
        i += length;
    }
    return result;
}

std::u16string CodePageToUtf16(std::string_view text)
{
    CConversion conversion(kUtf16, kCodePage);
    if (!conversion.IsOpen()) {
        return Utf8ToUtf16(text);
    }
    std::u16string result;
    const char* input = text.data();
    size_t inputLeft = text.size();
    while (inputLeft > 0) {
        char16_t buffer[256];
        char* output = reinterpret_cast<char*>(buffer);
        size_t outputLeft = sizeof buffer;
        const size_t converted = conversion.Convert(input, inputLeft, output, outputLeft);
        result.append(buffer, (sizeof buffer - outputLeft) / sizeof(char16_t));
        if (converted == static_cast<size_t>(-1) && errno != E2BIG) {
            result += kReplacement;  // an invalid or cut-off sequence: skip its first byte
            ++input;
            --inputLeft;
        }
    }
    return result;
}

}  // namespace sb
