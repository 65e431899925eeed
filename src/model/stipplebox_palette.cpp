#include "model/stipplebox_palette.h"

#include <cstring>
#include <utility>

#include "formats/stipplebox_chunk_file.h"
#include "model/stipplebox_color_selection.h"
#include "platform/exceptions.h"

namespace {

enum : uint16_t {
    kPaletteChunkCount = 1000,
    kPaletteChunkColors = 1001,
    kPaletteChunkTriples = 1002,
    kPaletteChunkColorSpaceIds = 1003,
    kPaletteChunkMask = 1004,
    kPaletteChunkName = 1005,
};

}  // namespace

CStippleboxPalette::CStippleboxPalette() = default;
CStippleboxPalette::~CStippleboxPalette() = default;

void CStippleboxPalette::Create(int count, bool withSelection)
{
    m_colorSelection.reset();
    m_count = count;
    m_colors.assign(count, SPaletteColor{});
    m_triples.assign(size_t(count) * 3, 0);
    m_colorSpaceIds.assign(count, 0);
    m_mask.assign(count, 0);
    m_displayPixels.assign(count, 0);
    if (withSelection) {
        m_colorSelection = std::make_unique<CStippleboxColorSelection>();
    }
}

void CStippleboxPalette::CreateLike(const CStippleboxPalette& source, int count, bool withSelection)
{
    Create(count == -1 ? source.m_count : count, withSelection);
}

void CStippleboxPalette::SetColor(int index, const SPaletteColor& color)
{
    m_colors[index] = color;
    m_displayPixels[index] = color.ToDisplayPixel();
}

void CStippleboxPalette::SetColors(int first, int n, const SPaletteColor* colors)
{
    for (int k = 0; k < n; ++k) {
        SetColor((first + k) % kEntryCount, colors[k]);
    }
}

std::array<uint16_t, 3> CStippleboxPalette::GetTriple(int index) const
{
    const uint16_t* triple = &m_triples[size_t(index) * 3];
    return {triple[0], triple[1], triple[2]};
}

void CStippleboxPalette::SetTriple(int index, const std::array<uint16_t, 3>& triple)
{
    std::memcpy(&m_triples[size_t(index) * 3], triple.data(), sizeof(uint16_t) * 3);
}

void CStippleboxPalette::UpdateDisplayPixels()
{
    for (int i = 0; i < m_count; ++i) {
        m_displayPixels[i] = m_colors[i].ToDisplayPixel();
    }
}

void CStippleboxPalette::CopyEntry(int index, const CStippleboxPalette& source, int sourceIndex)
{
    m_colors[index] = source.m_colors[sourceIndex];
    SetTriple(index, source.GetTriple(sourceIndex));
    m_colorSpaceIds[index] = source.m_colorSpaceIds[sourceIndex];
    m_mask[index] = source.m_mask[sourceIndex];
    m_displayPixels[index] = source.m_displayPixels[sourceIndex];
}

void CStippleboxPalette::CopyAll(const CStippleboxPalette& source)
{
    m_colors = source.m_colors;
    m_triples = source.m_triples;
    m_colorSpaceIds = source.m_colorSpaceIds;
    m_mask = source.m_mask;
    m_displayPixels = source.m_displayPixels;
}

void CStippleboxPalette::GatherMarked(const CStippleboxPalette& source, const uint8_t* flags)
{
    int next = 0;
    for (int i = 0; i < kEntryCount; ++i) {
        if (flags[i] != 0) {
            CopyEntry(next++, source, i);
        }
    }
}

void CStippleboxPalette::ScatterMarked(const CStippleboxPalette& source, const uint8_t* flags)
{
    int next = 0;
    for (int i = 0; i < kEntryCount; ++i) {
        if (flags[i] != 0) {
            CopyEntry(i, source, next++);
        }
    }
}

void CStippleboxPalette::SwapEntries(int index, CStippleboxPalette& other, int otherIndex)
{
    std::swap(m_colors[index], other.m_colors[otherIndex]);
    for (int channel = 0; channel < 3; ++channel) {
        std::swap(m_triples[size_t(index) * 3 + channel], other.m_triples[size_t(otherIndex) * 3 + channel]);
    }
    std::swap(m_colorSpaceIds[index], other.m_colorSpaceIds[otherIndex]);
    std::swap(m_mask[index], other.m_mask[otherIndex]);
    std::swap(m_displayPixels[index], other.m_displayPixels[otherIndex]);
}

int CStippleboxPalette::FindNearest(const SPaletteColor& color, int excludedIndex) const
{
    int best = 0;
    int bestDistance = -1;
    for (int i = 0; i < m_count; ++i) {
        if (i == excludedIndex) {
            continue;
        }
        const int db = m_colors[i].blue - color.blue;
        const int dg = m_colors[i].green - color.green;
        const int dr = m_colors[i].red - color.red;
        const int distance = db * db + dg * dg + dr * dr;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void CStippleboxPalette::WriteChunks(CStippleboxChunkFile& file)
{
    const size_t n = size_t(m_count);
    file.WriteDwordChunk(kPaletteChunkCount, static_cast<uint32_t>(m_count));
    file.WriteBytesChunk(kPaletteChunkColors, {reinterpret_cast<const uint8_t*>(m_colors.data()), n * 3});
    std::vector<uint8_t> triples(n * 6);
    for (size_t i = 0; i < n * 3; ++i) {
        triples[2 * i] = static_cast<uint8_t>(m_triples[i]);
        triples[2 * i + 1] = static_cast<uint8_t>(m_triples[i] >> 8);
    }
    file.WriteBytesChunk(kPaletteChunkTriples, triples);
    file.WriteBytesChunk(kPaletteChunkColorSpaceIds, m_colorSpaceIds);
    file.WriteBytesChunk(kPaletteChunkMask, m_mask);
    file.WriteStringChunk(kPaletteChunkName, m_name);
}

void CStippleboxPalette::ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length)
{
    const auto requirePayload = [&](size_t bytesPerEntry) {
        if (m_count == 0) {
            throw CDataFormatException("パレットの色数がありません。");
        }
        if (length != size_t(m_count) * bytesPerEntry) {
            throw CDataFormatException("パレットデータの大きさが色数と一致しません。");
        }
    };
    switch (identifier) {
    case kPaletteChunkCount: {
        const uint32_t count = ReadDwordPayload(file, length);
        // Pixels index the palette directly, so it must cover every byte value.
        if (count != kEntryCount) {
            throw CDataFormatException("パレットの色数が異常です。");
        }
        Create(static_cast<int>(count), true);
        break;
    }
    case kPaletteChunkColors: {
        requirePayload(3);
        std::vector<SPaletteColor> colors(m_count);
        file.Read(colors.data(), length, true);
        SetColors(0, m_count, colors.data());
        break;
    }
    case kPaletteChunkTriples: {
        requirePayload(6);
        std::vector<uint8_t> bytes(length);
        file.Read(bytes.data(), length, true);
        for (size_t i = 0; i < m_triples.size(); ++i) {
            m_triples[i] = static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        }
        break;
    }
    case kPaletteChunkColorSpaceIds:
        requirePayload(1);
        file.Read(m_colorSpaceIds.data(), length, true);
        break;
    case kPaletteChunkMask:
        requirePayload(1);
        file.Read(m_mask.data(), length, true);
        break;
    case kPaletteChunkName:
        m_name = file.ReadString(length / 2);
        break;
    default:
        break;
    }
}
