#include "model/dib_layout.h"

BITMAPINFOHEADER MakeDibHeader(int width, int height, int bitCount, int colorCount)
{
    BITMAPINFOHEADER header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = static_cast<uint16_t>(DibStoredBitCount(bitCount));
    header.biCompression = bitCount == 16 ? BI_BITFIELDS : BI_RGB;
    header.biClrUsed = DibColorsUsed(bitCount, DibColorCount(bitCount, colorCount));
    return header;
}
