#include "formats/gif_vlc.h"

void CGifVLC::Flush()
{
    if (m_bitCount > 0) {
        m_output.push_back(static_cast<uint8_t>(m_accumulator & ((1u << m_bitCount) - 1)));
    }
    m_accumulator = 0;
    m_bitCount = 0;
}

void CGifVLC::SetInput(std::span<const uint8_t> input)
{
    m_input = input;
    m_inputPosition = 0;
    m_accumulator = 0;
    m_bitCount = 0;
}
