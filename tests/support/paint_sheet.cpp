#include "support/paint_sheet.h"

#include <algorithm>

#include "support/pixel_picture.h"

CPaintSheet::CPaintSheet(int width, int height, uint8_t paper)
{
    m_document.Create(width, height);
    Layer().Fill(paper);
}

CPaintSheet::CPaintSheet(const std::string& digits)
{
    const size_t slash = digits.find('/');
    const int width = int(slash == std::string::npos ? digits.size() : slash);
    const int height = int(std::count(digits.begin(), digits.end(), '/')) + 1;
    m_document.Create(width, height);
    int p = 0;
    for (const char c : digits) {
        if (c != '/') {
            Layer().GetPixels()[p++] = uint8_t(c - '0');
        }
    }
}

std::string CPaintSheet::Inked()
{
    return DrawPicture(Layer().GetWidth(), Layer().GetHeight(),
                       [&](int x, int y) { return Layer().GetPixel(x, y) == kInk; });
}
