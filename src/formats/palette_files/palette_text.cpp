#include "formats/palette_files/palette_text.h"

#include <charconv>

#include "platform/exceptions.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The leading run of decimal digits as a number; false when there is none or
// it has more than nine digits (no channel or count needs more).
bool TakeDecimal(std::string_view& text, int* value)
{
    size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        ++digits;
    }
    if (digits == 0 || digits > 9) {
        return false;
    }
    std::from_chars(text.data(), text.data() + digits, *value);
    text.remove_prefix(digits);
    return true;
}

}  // namespace

std::vector<SPaletteTextLine> SplitPaletteText(std::span<const uint8_t> bytes)
{
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<SPaletteTextLine> lines;
    int number = 1;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        lines.push_back({number++, Trim(text.substr(0, end))});
        if (end == std::string_view::npos) {
            break;
        }
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

void ThrowLineError(int lineNumber, const std::string& problem)
{
    throw CDataFormatException(std::to_string(lineNumber) + "行目: " + problem);
}

SPaletteColor ParseDecimalColor(const SPaletteTextLine& line, std::string_view* rest)
{
    std::string_view text = line.text;
    int channels[3] = {};
    for (int& channel : channels) {
        text = Trim(text);
        if (!TakeDecimal(text, &channel)) {
            ThrowLineError(line.number, "色の値が読めません。");
        }
        if (channel > 255) {
            ThrowLineError(line.number, "色の値が0～255の範囲外です。");
        }
        if (!text.empty() && kBlanks.find(text.front()) == std::string_view::npos) {
            ThrowLineError(line.number, "色の値が読めません。");
        }
    }
    *rest = Trim(text);
    return {static_cast<uint8_t>(channels[2]), static_cast<uint8_t>(channels[1]), static_cast<uint8_t>(channels[0])};
}

int ParseDecimalCount(const SPaletteTextLine& line)
{
    std::string_view text = line.text;
    int count = 0;
    if (!TakeDecimal(text, &count) || !text.empty()) {
        ThrowLineError(line.number, "色数が読めません。");
    }
    return count;
}

void AppendLine(std::vector<uint8_t>& out, std::string_view text, std::string_view lineBreak)
{
    out.insert(out.end(), text.begin(), text.end());
    out.insert(out.end(), lineBreak.begin(), lineBreak.end());
}
