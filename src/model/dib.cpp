#include "model/dib.h"

#include <algorithm>
#include <cstring>

#include "model/dib_section.h"

namespace {

// Widens a 5- or 6-bit channel to 8 bits, so that full intensity stays full.
uint8_t Widen5(unsigned value)
{
    return uint8_t(value << 3 | value >> 2);
}

uint8_t Widen6(unsigned value)
{
    return uint8_t(value << 2 | value >> 4);
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
    if (target.GetBitCount() != kDisplayBitCount || width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return;
    }
    const uint8_t* bits = GetBits();
    const RGBQUAD* table = GetBitCount() <= 8 ? GetRgbQuads() : nullptr;
    auto sourcePixel = [&](int sx, int sy) -> DisplayPixel {
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
            const unsigned v = row[2 * sx] | (row[2 * sx + 1] << 8);
            return MakeDisplayPixel(Widen5(v >> 10 & 0x1F), Widen5(v >> 5 & 0x1F), Widen5(v & 0x1F));
        }
        case 16: {
            const unsigned v = row[2 * sx] | (row[2 * sx + 1] << 8);
            return MakeDisplayPixel(Widen5(v >> 11), Widen6(v >> 5 & 0x3F), Widen5(v & 0x1F));
        }
        default: {
            const uint8_t* p = row + sx * GetBytesPerPixel();
            return MakeDisplayPixel(p[2], p[1], p[0]);
        }
        }
        if (index >= GetColorCount()) {
            return kDisplayBlack;
        }
        return MakeDisplayPixel(table[index].rgbRed, table[index].rgbGreen, table[index].rgbBlue);
    };
    for (int dy = std::max(0, -y); dy < height && y + dy < target.GetHeight(); ++dy) {
        const int sy = sourceY + static_cast<int>(int64_t(dy) * sourceHeight / height);
        if (sy < 0 || sy >= GetHeight()) {
            continue;
        }
        DisplayPixel* out = target.GetDisplayRow(y + dy);
        for (int dx = std::max(0, -x); dx < width && x + dx < target.GetWidth(); ++dx) {
            const int sx = sourceX + static_cast<int>(int64_t(dx) * sourceWidth / width);
            if (sx >= 0 && sx < GetWidth()) {
                out[x + dx] = sourcePixel(sx, sy);
            }
        }
    }
}
