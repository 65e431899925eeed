#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/stipplebox_palette.h"

// The lines of a palette text file: a UTF-8 byte-order mark is passed over,
// and lines may end in CR LF, LF or CR alone. Each line keeps its number
// (from 1) for the messages.
struct SPaletteTextLine {
    int number;
    std::string_view text;  // without its line break, spaces and tabs trimmed at both ends
};
std::vector<SPaletteTextLine> SplitPaletteText(std::span<const uint8_t> bytes);

// Raises CDataFormatException with "%d行目: " and the problem.
[[noreturn]] void ThrowLineError(int lineNumber, const std::string& problem);

// Reads three decimal channel values red, green, blue (0..255) separated by
// spaces or tabs from the start of the line; *rest receives what follows.
SPaletteColor ParseDecimalColor(const SPaletteTextLine& line, std::string_view* rest);
// A whole line holding one decimal number of at most nine digits.
int ParseDecimalCount(const SPaletteTextLine& line);

// Text files end every line with the break given.
void AppendLine(std::vector<uint8_t>& out, std::string_view text, std::string_view lineBreak);
