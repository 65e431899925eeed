#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Packs and unpacks the variable-width LZW codes of a GIF image, least
// significant bit first.
class CGifVLC {
public:
    // Writing: appends the low `width` bits of the code.
    void Put(uint32_t code, int width)
    {
        m_accumulator |= code << m_bitCount;
        m_bitCount += width;
        while (m_bitCount >= 8) {
            m_output.push_back(static_cast<uint8_t>(m_accumulator));
            m_accumulator >>= 8;
            m_bitCount -= 8;
        }
    }
    // Emits the bits still held, the upper bits of the last byte 0.
    void Flush();
    std::vector<uint8_t>& GetOutput() { return m_output; }

    // Reading: starts over on the given bytes.
    void SetInput(std::span<const uint8_t> input);
    // False when the input ends before `width` more bits.
    bool Get(int width, uint32_t& code)
    {
        while (m_bitCount < width) {
            if (m_inputPosition == m_input.size()) {
                return false;
            }
            m_accumulator |= uint32_t{m_input[m_inputPosition++]} << m_bitCount;
            m_bitCount += 8;
        }
        code = m_accumulator & ((1u << width) - 1);
        m_accumulator >>= width;
        m_bitCount -= width;
        return true;
    }

private:
    uint32_t m_accumulator = 0;
    int m_bitCount = 0;
    std::vector<uint8_t> m_output;
    std::span<const uint8_t> m_input;
    size_t m_inputPosition = 0;
};
