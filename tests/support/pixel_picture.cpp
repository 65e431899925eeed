#include "support/pixel_picture.h"

#include <algorithm>
#include <cstdint>

std::string DrawPicture(int width, int height, const std::function<bool(int x, int y)>& contains)
{
    std::string picture;
    for (int y = 0; y < height; ++y) {
        if (y > 0) {
            picture += '/';
        }
        for (int x = 0; x < width; ++x) {
            picture += contains(x, y) ? 'X' : '.';
        }
    }
    return picture;
}

std::string DrawPicture(const std::vector<CPoint>& points, int width, int height)
{
    return DrawPicture(width, height, [&](int x, int y) {
        return std::find(points.begin(), points.end(), CPoint{x, y}) != points.end();
    });
}

std::vector<uint8_t> ParsePicture(const std::string& picture)
{
    std::vector<uint8_t> bytes;
    for (const char c : picture) {
        if (c != '/') {
            bytes.push_back(c == 'X' ? 1 : 0);
        }
    }
    return bytes;
}
