#include "bars/icon.h"

#include <algorithm>
#include <string>

#include "formats/serializer_image_png.h"

namespace {

// Takes palette pictures only, and keeps their transparency as an opacity
// per palette entry (entries past the transparency data are opaque).
class CIconImageSink final : public CSerializerImagePng::CImageDibSection {
public:
    CIconImageSink(CDibSection* section, std::array<uint8_t, 256>& alphas)
        : CImageDibSection(section), m_alphas(alphas)
    {
        m_alphas.fill(255);
    }

    bool Check(int, int, int bitsPerPixel, std::string*) override { return bitsPerPixel == 8; }
    void SetTransparency(const uint8_t* alphas, int count) override
    {
        std::copy_n(alphas, std::min(count, int(m_alphas.size())), m_alphas.begin());
    }

private:
    std::array<uint8_t, 256>& m_alphas;
};

}  // namespace

bool CIcon::LoadPicture(std::span<const uint8_t> png, SPicture& picture)
{
    CIconImageSink sink(&picture.image, picture.alphas);
    std::string error;
    if (!CSerializerImagePng::ReadImage(png, sink, &error)) {
        return false;
    }
    std::array<RGBQUAD, 256> table{};
    picture.image.GetColorTable(0, int(table.size()), table.data());
    for (size_t i = 0; i < table.size(); ++i) {
        picture.colors[i] = MakeDisplayPixel(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
    }
    return true;
}

bool CIcon::Load(std::span<const uint8_t> png1x, std::span<const uint8_t> png2x)
{
    if (LoadPicture(png1x, m_pictures[0]) && LoadPicture(png2x, m_pictures[1])) {
        return true;
    }
    m_pictures = {};
    return false;
}

CSize CIcon::GetSize(int scale) const
{
    const CDibSection& image = GetImage(scale);
    return {image.GetWidth(), image.GetHeight()};
}

void CIcon::Draw(CDibSection& target, CPoint topLeft, int scale) const
{
    const SPicture& picture = Pick(scale);
    CRect area{topLeft.x, topLeft.y, topLeft.x + picture.image.GetWidth(), topLeft.y + picture.image.GetHeight()};
    area.IntersectRect(area, target.GetRect());
    for (int y = area.top; y < area.bottom; ++y) {
        const uint8_t* source = picture.image.GetRow(y - topLeft.y);
        DisplayPixel* row = target.GetDisplayRow(y);
        for (int x = area.left; x < area.right; ++x) {
            const uint8_t index = source[x - topLeft.x];
            if (picture.alphas[index] >= 128) {
                row[x] = picture.colors[index];
            }
        }
    }
}

std::vector<uint32_t> CIcon::GetArgbPixels(int scale) const
{
    const SPicture& picture = Pick(scale);
    std::vector<uint32_t> pixels;
    pixels.reserve(size_t(picture.image.GetWidth()) * picture.image.GetHeight());
    for (int y = 0; y < picture.image.GetHeight(); ++y) {
        const uint8_t* row = picture.image.GetRow(y);
        for (int x = 0; x < picture.image.GetWidth(); ++x) {
            pixels.push_back(uint32_t(picture.alphas[row[x]]) << 24 | picture.colors[row[x]]);
        }
    }
    return pixels;
}
