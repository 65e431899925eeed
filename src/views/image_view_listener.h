#pragma once

// Told by an image window when it shows the image at another zoom, whoever
// changed it (a menu, the wheel, a new picture fitted to the window), so that
// whatever shows the zoom can follow.
class IImageViewListener {
public:
    virtual ~IImageViewListener() = default;
    virtual void OnZoomChanged(int zoom) = 0;
};
