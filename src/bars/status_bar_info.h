#pragma once

#include <optional>
#include <string>

#include "model/display_pixel.h"
#include "model/geometry.h"

class CImageEditWnd;

// What the status bar shows: the picture point under the pointer with its
// index and colour, the size of the selection being made or held, the zoom,
// the current layer and the drawing and background colours. Texts are
// empty where there is nothing to show.
struct SStatusBarInfo {
    std::string pointer;    // "12, 34"
    std::string pixel;      // "159  (255, 255, 255)"
    std::string selection;  // "選択 16 × 8"
    std::string zoom;       // "等倍", "x 4"
    std::string layer;      // "レイヤ 1/3  name"
    std::string drawingColor;     // "描画色 0"
    std::string backgroundColor;  // "背景色 159"
    DisplayPixel drawingSwatch = kDisplayBlack;
    DisplayPixel backgroundSwatch = kDisplayWhite;
};

// Describes the canvas's document; pointer is the pointer's place in the
// canvas's client area, none when it is elsewhere.
SStatusBarInfo DescribeStatus(CImageEditWnd& canvas, std::optional<CPoint> pointer);
