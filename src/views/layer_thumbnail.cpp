#include "views/layer_thumbnail.h"

#include "model/stipplebox_layer.h"

namespace {

// The source positions of the samples: the running sum of the step, which is
// not always the step times the position once rounding has crept in.
std::vector<int> SamplePositions(int source, int target)
{
    std::vector<int> positions(static_cast<size_t>(target));
    const double step = double(source) / double(target);
    double sum = 0;
    for (int& position : positions) {
        position = int(sum);
        sum += step;
    }
    return positions;
}

}  // namespace

void CLayerThumbnail::Sample(const CStippleboxLayer& layer, const DisplayPixel* colors, CSize size)
{
    m_size = size;
    m_pixels.assign(size_t(size.cx) * size_t(size.cy), kDisplayBlack);
    if (layer.GetPixels() == nullptr || size.cx <= 0 || size.cy <= 0) {
        return;
    }
    const std::vector<int> columns = SamplePositions(layer.GetWidth(), size.cx);
    const std::vector<int> rows = SamplePositions(layer.GetHeight(), size.cy);
    DisplayPixel* out = m_pixels.data();
    for (const int row : rows) {
        const uint8_t* source = layer.GetPixels() + size_t(row) * size_t(layer.GetWidth());
        for (const int column : columns) {
            *out++ = colors[source[column]];
        }
    }
}
