#include "support/direct_png.h"

#include <png.h>

#include "model/stipplebox_palette.h"

namespace {

void AppendToVector(png_structp png, png_bytep data, size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

}  // namespace

std::vector<uint8_t> WritePngDirect(const uint8_t* pixels, int width, int height, const CStippleboxPalette& palette,
                                    std::optional<uint8_t> transparentIndex)
{
    std::vector<uint8_t> out;
    out.reserve(1 << 20);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendToVector, nullptr);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color entries[256];
    for (int i = 0; i < 256; ++i) {
        const SPaletteColor& color = palette.GetColor(i);
        entries[i] = {color.red, color.green, color.blue};
    }
    png_set_PLTE(png, info, entries, 256);
    std::vector<png_byte> alphas;
    if (transparentIndex) {
        alphas.assign(*transparentIndex + 1, 255);
        alphas.back() = 0;
        png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
    }
    std::vector<png_bytep> rows(height);
    for (int y = 0; y < height; ++y) {
        rows[y] = const_cast<png_bytep>(pixels + size_t(y) * size_t(width));
    }
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}
