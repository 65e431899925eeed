#include "formats/gif_frame_compositor.h"

#include <algorithm>
#include <cstring>

#include "formats/gif_info.h"
#include "model/stipplebox_layer.h"

namespace {

constexpr uint8_t kDisposeToBackground = 2;
constexpr uint8_t kDisposeToPrevious = 3;

// The part of the frame that lies on a canvas of the size, in canvas
// coordinates, with the frame's top-left at origin.
CRect VisiblePart(const CGifImageInfo& frame, CPoint origin, int width, int height)
{
    return {std::max(origin.x, 0), std::max(origin.y, 0), std::min(origin.x + frame.GetWidth(), width),
            std::min(origin.y + frame.GetHeight(), height)};
}

}  // namespace

void PlaceGifFrame(const CGifImageInfo& frame, CStippleboxLayer& layer, CPoint origin, SGifPlacement placement)
{
    const CRect part = VisiblePart(frame, origin, layer.GetWidth(), layer.GetHeight());
    const std::span<const uint8_t> pixels = frame.GetPixels();
    if (part.IsRectEmpty() || pixels.size() < size_t(frame.GetWidth()) * size_t(frame.GetHeight())) {
        return;
    }
    const bool skip = placement.leaveOutTransparent && frame.transparent;
    const GifIndexMap* map = placement.map;
    for (int y = part.top; y < part.bottom; ++y) {
        const uint8_t* source = pixels.data() + size_t(y - origin.y) * frame.GetWidth() + (part.left - origin.x);
        uint8_t* target = layer.GetPixels() + size_t(y) * layer.GetWidth() + part.left;
        if (!skip && map == nullptr) {
            std::memcpy(target, source, size_t(part.Width()));
            continue;
        }
        for (int x = 0; x < part.Width(); ++x) {
            if (!skip || source[x] != frame.transparentIndex) {
                target[x] = map != nullptr ? (*map)[source[x]] : source[x];
            }
        }
    }
}

CGifFrameCompositor::CGifFrameCompositor(CStippleboxLayer& canvas, uint8_t background)
    : m_canvas(canvas), m_background(background)
{
    m_canvas.Fill(background);
}

void CGifFrameCompositor::Draw(const CGifImageInfo& frame, const GifIndexMap* map)
{
    if (frame.disposal == kDisposeToPrevious) {
        m_beforeFrame.emplace(m_canvas.GetPixels(), m_canvas.GetPixels() + m_canvas.GetPixelCount());
    }
    PlaceGifFrame(frame, m_canvas, {frame.left, frame.top}, {.map = map, .leaveOutTransparent = true});
}

void CGifFrameCompositor::Dispose(const CGifImageInfo& frame)
{
    if (frame.disposal == kDisposeToPrevious && m_beforeFrame) {
        std::memcpy(m_canvas.GetPixels(), m_beforeFrame->data(), m_beforeFrame->size());
    } else if (frame.disposal == kDisposeToBackground) {
        const CRect part = VisiblePart(frame, {frame.left, frame.top}, m_canvas.GetWidth(), m_canvas.GetHeight());
        for (int y = part.top; y < part.bottom; ++y) {
            std::memset(m_canvas.GetPixels() + size_t(y) * m_canvas.GetWidth() + part.left, m_background,
                        size_t(std::max(part.Width(), 0)));
        }
    }
    m_beforeFrame.reset();
}
