#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "formats/serializer_image_file.h"

class CDibSection;
class CStippleboxPalette;
struct png_color_struct;

// PNG files through libpng: palette pictures (and, for surfaces, RGB ones)
// are read; the current layer is written as an 8-bit palette PNG with the
// whole current palette.
class CSerializerImagePng : public CSerializerImageFile {
public:
    // Where the reader delivers a picture.
    class CImage {
    public:
        virtual ~CImage() = default;
        // bitsPerPixel is 8 (palette) or 24 (blue, green, red).
        virtual bool Create(int width, int height, int bitsPerPixel, int colorCount) = 0;
        virtual void SetPalette(const png_color_struct* entries, int count) = 0;
        // Where row y (0 = top) is to be stored.
        virtual uint8_t* GetRow(int y) = 0;
        // May the picture be read at all; false stores the reason in *error.
        virtual bool Check(int width, int height, int bitsPerPixel, std::string* error) = 0;
        virtual void SetTransparency(const uint8_t* alphas, int count) = 0;
    };

    // Fills a document: one layer, one palette.
    class CImageStippleboxData : public CImage {
    public:
        explicit CImageStippleboxData(CStippleboxData* data) : m_data(data) {}
        bool Create(int width, int height, int bitsPerPixel, int colorCount) override;
        // Entries from the count up to 255 become black.
        void SetPalette(const png_color_struct* entries, int count) override;
        uint8_t* GetRow(int y) override;
        // The canvas limits, and no more than 8 bits per pixel.
        bool Check(int width, int height, int bitsPerPixel, std::string* error) override;
        // The one fully transparent entry, if there is exactly one, becomes
        // the background colour (the transparent index of the layers).
        void SetTransparency(const uint8_t* alphas, int count) override;

    private:
        CStippleboxData* m_data;
    };

    // Fills a display surface of 8 or 24 bits, such as an icon.
    class CImageDibSection : public CImage {
    public:
        explicit CImageDibSection(CDibSection* section) : m_section(section) {}
        bool Create(int width, int height, int bitsPerPixel, int colorCount) override;
        void SetPalette(const png_color_struct* entries, int count) override;
        uint8_t* GetRow(int y) override;
        bool Check(int width, int height, int bitsPerPixel, std::string* error) override;
        void SetTransparency(const uint8_t* alphas, int count) override;

    private:
        CDibSection* m_section;
    };

    // An 8-bit palette picture to write: rows top to bottom, stride bytes
    // apart, with the whole table of 256 entries of the palette (black
    // beyond a shorter one); optionally one entry written fully transparent.
    struct SIndexedPicture {
        int width = 0;
        int height = 0;
        // Row y's palette indices, asked for top to bottom; the row need only
        // stay valid until the next call, so a large picture can be made a
        // row at a time instead of held whole.
        std::function<const uint8_t*(int y)> row;
        const CStippleboxPalette* palette = nullptr;
        std::optional<uint8_t> transparentIndex;
    };

    CSerializerImagePng();

    // Writes the picture as an 8-bit palette PNG into an open file. False with
    // the reason in *error (empty for libpng's own errors).
    static bool WriteIndexed(CFile& file, const SIndexedPicture& picture, std::string* error);

    // Reads a PNG from an open file into the sink. The error text goes to
    // *error when given, otherwise it is shown at once in an OK box.
    static bool ReadImage(CFile& file, CImage& image, std::string* error);
    // Reads a PNG kept in memory (the program's own images) into the sink.
    static bool ReadImage(std::span<const uint8_t> block, CImage& image, std::string* error);

protected:
    bool OnReadFile(CFile& file, CStippleboxData* data, bool allowWarnings) override;
    bool OnWriteFile(CFile& file, CStippleboxData* data) override;
};
