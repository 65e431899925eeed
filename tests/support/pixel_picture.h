#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/geometry.h"

// Pictures of pixel sets as text, rows from the top separated by '/', 'X'
// for a pixel in the set and '.' for one outside: "..X./.XX.".
std::string DrawPicture(int width, int height, const std::function<bool(int x, int y)>& contains);
std::string DrawPicture(const std::vector<CPoint>& points, int width, int height);

// The bytes of a picture ('X' = 1, anything else but '/' = 0), row-major.
std::vector<uint8_t> ParsePicture(const std::string& picture);
