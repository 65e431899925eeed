#pragma once

#include <optional>

#include "model/geometry.h"

// Told by an image window when what a status display shows of it changes:
// its zoom, whoever changed it (a menu, the wheel, a new picture), and the
// image point under the pointer.
class IImageViewListener {
public:
    virtual ~IImageViewListener() = default;
    virtual void OnZoomChanged(int zoom) = 0;
    // The pointer moved to the image point (which may lie off the image), or
    // left the window (none).
    virtual void OnPointerMoved(std::optional<CPoint> imagePoint) = 0;
};
