#include "views/fit_rect.h"

#include <algorithm>

CRect FitImageInBox(CSize image, const CRect& box)
{
    const int boxWidth = box.Width();
    const int boxHeight = box.Height();
    CSize fitted = image;
    if (image.cx > boxWidth || image.cy > boxHeight) {
        const double imageRatio = double(image.cx) / double(image.cy);
        const double boxRatio = double(boxWidth) / double(boxHeight);
        if (imageRatio > boxRatio) {
            fitted = {boxWidth, std::max(1, int(double(image.cy) * boxWidth / image.cx))};
        } else {
            fitted = {std::max(1, int(double(image.cx) * boxHeight / image.cy)), boxHeight};
        }
    }
    const int left = box.left + (boxWidth - fitted.cx) / 2;
    const int top = box.top + (boxHeight - fitted.cy) / 2;
    return {left, top, left + fitted.cx, top + fitted.cy};
}
