#include "model/dib.h"

#include <algorithm>
#include <cstring>

#include "model/dib_section.h"

namespace {

uint16_t Rgb565(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<uint16_t>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

}  // namespace

bool CDib::Create(int width, int height, int bitCount, int colorCount)
{
    *this = CDib();
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 15:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    SetShape(width, height, bitCount, colorCount);
    const size_t tableBytes = bitCount == 16 ? 3 * sizeof(uint32_t) : size_t(GetColorCount()) * sizeof(RGBQUAD);
    m_tableOffset = tableBytes > 0 ? sizeof(BITMAPINFOHEADER) : 0;
    m_bitsOffset = sizeof(BITMAPINFOHEADER) + tableBytes;
    m_block.assign(m_bitsOffset + size_t(GetStride()) * std::max(height, 0), 0);

    const BITMAPINFOHEADER header = GetHeader();
    std::memcpy(m_block.data(), &header, sizeof header);
    if (bitCount == 16) {
        const uint32_t masks[3] = {kMask565Red, kMask565Green, kMask565Blue};
        std::memcpy(m_block.data() + m_tableOffset, masks, sizeof masks);
    }
    return true;
}

uint32_t* CDib::GetColorTable()
{
    return m_tableOffset == 0 ? nullptr : reinterpret_cast<uint32_t*>(m_block.data() + m_tableOffset);
}

const uint32_t* CDib::GetColorTable() const
{
    return m_tableOffset == 0 ? nullptr : reinterpret_cast<const uint32_t*>(m_block.data() + m_tableOffset);
}

void CDib::Draw(CDibSection& target, int x, int y) const
{
    StretchDraw(target, x, y, GetWidth(), GetHeight(), 0, 0, GetWidth(), GetHeight());
}

void CDib::StretchDraw(CDibSection& target, int x, int y, int width, int height, int sourceX, int sourceY,
                       int sourceWidth, int sourceHeight) const
{
    if (target.GetBitCount() != 16 || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return;
    }
    const uint8_t* bits = GetBits();
    const RGBQUAD* table = GetBitCount() <= 8 ? GetRgbQuads() : nullptr;
    auto sourcePixel = [&](int sx, int sy) -> uint16_t {
        const uint8_t* row = bits + RowOffset(sy);
        int index = 0;
        switch (GetBitCount()) {
        case 1:
            index = (row[sx >> 3] >> (7 - (sx & 7))) & 1;
            break;
        case 4:
            index = (row[sx >> 1] >> ((sx & 1) ? 0 : 4)) & 0x0F;
            break;
        case 8:
            index = row[sx];
            break;
        case 15: {
            const uint16_t v = static_cast<uint16_t>(row[2 * sx] | (row[2 * sx + 1] << 8));
            return static_cast<uint16_t>(((v & 0x7FE0) << 1) | ((v & 0x0200) >> 4) | (v & 0x001F));
        }
        case 16:
            return static_cast<uint16_t>(row[2 * sx] | (row[2 * sx + 1] << 8));
        default: {
            const uint8_t* p = row + sx * GetBytesPerPixel();
            return Rgb565(p[2], p[1], p[0]);
        }
        }
        if (index >= GetColorCount()) {
            return 0;
        }
        return Rgb565(table[index].rgbRed, table[index].rgbGreen, table[index].rgbBlue);
    };
    for (int dy = std::max(0, -y); dy < height && y + dy < target.GetHeight(); ++dy) {
        const int sy = sourceY + static_cast<int>(int64_t(dy) * sourceHeight / height);
        if (sy < 0 || sy >= GetHeight()) {
            continue;
        }
        uint16_t* out = target.GetRow16(y + dy);
        for (int dx = std::max(0, -x); dx < width && x + dx < target.GetWidth(); ++dx) {
            const int sx = sourceX + static_cast<int>(int64_t(dx) * sourceWidth / width);
            if (sx >= 0 && sx < GetWidth()) {
                out[x + dx] = sourcePixel(sx, sy);
            }
        }
    }
}
