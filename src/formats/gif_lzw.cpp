#include "formats/gif_lzw.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "formats/gif_vlc.h"

int CGifLZW::GetMinimumCodeSize(std::span<const uint8_t> pixels)
{
    const uint8_t largest = pixels.empty() ? 0 : *std::max_element(pixels.begin(), pixels.end());
    int bits = 1;
    while ((1 << bits) < largest + 1) {
        ++bits;
    }
    return std::max(bits, 2);
}

void CGifLZW::ClearDictionary()
{
    m_table.fill(CGifLZWNode{});
    for (uint32_t value = 0; value < 256; ++value) {
        m_runLength[value] = 1;
        RunCode(static_cast<uint8_t>(value), 1) = static_cast<uint16_t>(value);
    }
}

namespace {

inline uint32_t SlotOf(uint32_t key, uint32_t tableSize)
{
    return (key * 2654435761u) >> 19 & (tableSize - 1);
}

}  // namespace

void CGifLZW::Encode(std::span<const uint8_t> pixels, int minimumCodeSize, CGifVLC& vlc)
{
    static_assert(kTableSize == 1u << 13, "SlotOf keeps the top 13 bits of the hash");
    assert(minimumCodeSize >= GetMinimumCodeSize(pixels) && minimumCodeSize <= 8);

    const uint32_t clear = 1u << minimumCodeSize;
    const uint32_t end = clear + 1;
    uint32_t next = clear + 2;
    int width = minimumCodeSize + 1;
    uint32_t limit = 1u << width;

    ClearDictionary();
    vlc.Put(clear, width);
    // Adds the entry coded `next`, puts the code of the match and moves on
    // to the next code width or a fresh dictionary.
    auto addAndPut = [&](uint32_t match) {
        ++next;
        vlc.Put(match, width);
        if (next == kCodeLimit) {
            vlc.Put(clear, width);
            ClearDictionary();
            next = clear + 2;
            width = minimumCodeSize + 1;
            limit = 1u << width;
        } else if (next > limit) {
            ++width;
            limit = 1u << width;
        }
    };

    const size_t count = pixels.size();
    size_t i = 0;
    while (i < count) {
        // The longest run of this byte that the dictionary holds, up to the
        // length of the run in the input.
        const uint8_t runValue = pixels[i];
        const uint32_t longest = m_runLength[runValue];
        uint32_t length = 1;
        while (length <= longest && i + length < count && pixels[i + length] == runValue) {
            ++length;
        }
        const uint32_t matched = std::min(length, longest);
        uint32_t match = RunCode(runValue, matched);
        i += matched;
        if (matched < length) {
            // The run goes on past the longest string known: one longer is added.
            RunCode(runValue, matched + 1) = static_cast<uint16_t>(next);
            m_runLength[runValue] = matched + 1;
            addAndPut(match);
            continue;
        }
        // Then any other bytes, through the table.
        bool added = false;
        for (; i < count; ++i) {
            const uint32_t key = CGifLZWNode::KeyOf(match, pixels[i]);
            uint32_t slot = SlotOf(key, kTableSize);
            while (!m_table[slot].IsFree() && m_table[slot].GetKey() != key) {
                slot = (slot + 1) & (kTableSize - 1);
            }
            if (m_table[slot].IsFree()) {
                m_table[slot] = CGifLZWNode(match, pixels[i], next);
                addAndPut(match);
                added = true;
                break;
            }
            match = m_table[slot].GetCode();
        }
        if (!added) {
            vlc.Put(match, width);  // the input ended inside this match: nothing is added
        }
    }
    vlc.Put(end, width);
    vlc.Flush();
}

CGifLZW::EDecodeResult CGifLZW::Decode(std::span<const uint8_t> data, int minimumCodeSize, size_t pixelCount,
                                       std::vector<uint8_t>& pixels)
{
    assert(minimumCodeSize >= 1 && minimumCodeSize <= 8);
    const uint32_t clear = 1u << minimumCodeSize;
    const uint32_t end = clear + 1;
    uint32_t next = clear + 2;
    int width = minimumCodeSize + 1;

    // A code's string is a copy of earlier output: where it starts and its
    // length minus one.
    std::array<uint32_t, kCodeLimit> start;
    std::array<uint16_t, kCodeLimit> storedLength;

    // The output grows with what the codes produce, so a header that claims a
    // huge image costs no memory the data does not fill.
    pixels.assign(std::min<size_t>(pixelCount, size_t{1} << 16), 0);
    auto reserve = [&](size_t size) {
        if (size > pixels.size()) {
            pixels.resize(std::min(pixelCount, std::max(size, 2 * pixels.size())));
        }
    };

    CGifVLC vlc;
    vlc.SetInput(data);
    size_t position = 0;
    uint32_t code = 0;
    while (position < pixelCount && vlc.Get(width, code)) {
        if (code == clear) {
            width = minimumCodeSize + 1;
            next = clear + 2;
            continue;
        }
        if (code == end) {
            break;
        }
        if (code >= next) {
            pixels.resize(position);
            return EDecodeResult::UndefinedCode;
        }
        if (next < kCodeLimit) {
            start[next] = static_cast<uint32_t>(position);
            storedLength[next] = code < clear ? 1 : static_cast<uint16_t>(storedLength[code] + 1);
            ++next;
        }
        if (code < clear) {
            reserve(position + 1);
            pixels[position++] = static_cast<uint8_t>(code);
        } else {
            // The string's last byte may be the first one this copy writes
            // (a code defined by the code just before it), so it comes last.
            const size_t length = size_t{storedLength[code]} + 1;
            const size_t count = std::min(length, pixelCount - position);
            reserve(position + count);
            uint8_t* out = pixels.data() + position;
            const uint8_t* source = pixels.data() + start[code];
            std::memcpy(out, source, std::min(count, length - 1));
            if (count == length) {
                out[length - 1] = source[length - 1];
            }
            position += count;
        }
        if (next > (1u << width) && width < kMaxCodeWidth) {
            ++width;
        }
    }
    pixels.resize(position);
    return position == pixelCount ? EDecodeResult::Complete : EDecodeResult::Incomplete;
}
