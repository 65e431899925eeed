#include "formats/serializer_image_png.h"

#include <png.h>

#include <vector>

#include "model/dib_section.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/message_box.h"

namespace {

constexpr char kStructuresFailedText[] = "PNG構造体の初期化に失敗しました。";
constexpr char kBrokenDataText[] = "PNGファイルのデータが壊れています。";

// What to tell about a read that libpng broke off: the stream's own failure,
// or else that the data is broken.
std::string ReadFailureText(const std::string& streamFailure)
{
    return streamFailure.empty() ? kBrokenDataText : streamFailure;
}

// libpng's errors return through its jump buffer; warnings are of no use to
// the user. Both stay off standard error.
[[noreturn]] void OnPngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Runs libpng calls under its error exit; false when libpng raised an error.
// Nothing with a destructor may live in the function while it runs, since the
// error exit jumps over it.
template <class Function>
bool GuardPng(png_structp png, Function&& function)
{
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    function();
    return true;
}

// The file a libpng stream reads from or writes to, and the message of the
// framework exception that broke it off.
struct SPngStream {
    CFile* file = nullptr;
    std::string failure;
};

void ReadFromStream(png_structp png, png_bytep data, size_t length)
{
    auto& stream = *static_cast<SPngStream*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        if (stream.file->Read(data, length) < length) {
            stream.failure = CFileException(CFileException::Cause::EndOfFile, stream.file->GetPath()).GetErrorMessage();
            failed = true;
        }
    } catch (const CException& exception) {
        stream.failure = exception.GetErrorMessage();
        failed = true;
    }
    if (failed) {
        png_error(png, "read");
    }
}

void WriteToStream(png_structp png, png_bytep data, size_t length)
{
    auto& stream = *static_cast<SPngStream*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        stream.file->Write(data, length);
    } catch (const CException& exception) {
        stream.failure = exception.GetErrorMessage();
        failed = true;
    }
    if (failed) {
        png_error(png, "write");
    }
}

void FlushStream(png_structp) {}

// Owns libpng's structures for one reading or one writing.
class CPngStructures {
public:
    enum class EDirection { Read, Write };

    explicit CPngStructures(EDirection direction) : m_direction(direction)
    {
        m_png = direction == EDirection::Read
                    ? png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning)
                    : png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
        m_info = m_png != nullptr ? png_create_info_struct(m_png) : nullptr;
    }
    ~CPngStructures()
    {
        if (m_direction == EDirection::Read) {
            png_destroy_read_struct(&m_png, &m_info, nullptr);
        } else {
            png_destroy_write_struct(&m_png, &m_info);
        }
    }
    CPngStructures(const CPngStructures&) = delete;
    CPngStructures& operator=(const CPngStructures&) = delete;

    bool IsCreated() const { return m_png != nullptr && m_info != nullptr; }
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    EDirection m_direction;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

// The reading itself; the error text (possibly empty: libpng's own errors
// have none) is left in *error.

bool ReadPng(CFile& file, CSerializerImagePng::CImage& image, std::string* error)
{
    CPngStructures reader(CPngStructures::EDirection::Read);
    if (!reader.IsCreated()) {
        *error = kStructuresFailedText;
        return false;
    }
    png_structp png = reader.png();
    png_infop info = reader.info();
    SPngStream stream{&file, {}};
    png_set_read_fn(png, &stream, ReadFromStream);
    // Only the image, its palette and transparency matter. Every other chunk
    // is passed over unread, so no chunk length from the file decides how
    // much memory libpng takes.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);

    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colorType = 0;
    png_colorp entries = nullptr;
    int count = 0;
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    if (!GuardPng(png, [&] {
            png_read_info(png, info);
            png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
            png_set_packing(png);
            if (png_get_PLTE(png, info, &entries, &count) == 0) {
                entries = nullptr;
                count = 0;
            }
            png_get_tRNS(png, info, &alphas, &alphaCount, nullptr);
        })) {
        *error = ReadFailureText(stream.failure);
        return false;
    }
    if (bitDepth > 8) {
        *error = "色数が多すぎます。";
        return false;
    }
    if (colorType != PNG_COLOR_TYPE_PALETTE && colorType != PNG_COLOR_TYPE_RGB) {
        *error = "このパレットタイプには対応していません。";
        return false;
    }
    const bool isPalette = colorType == PNG_COLOR_TYPE_PALETTE;
    const int bitsPerPixel = isPalette ? 8 : 24;
    // libpng limits both sizes to 2^31 − 1; the sink's check decides what fits.
    if (!image.Check(static_cast<int>(width), static_cast<int>(height), bitsPerPixel, error)) {
        return false;
    }
    if (!isPalette) {
        entries = nullptr;
        count = 256;
    }
    if (alphas != nullptr && alphaCount > 0) {
        image.SetTransparency(alphas, alphaCount);
    }
    if (!image.Create(static_cast<int>(width), static_cast<int>(height), bitsPerPixel, count)) {
        *error = "画像の作成に失敗しました。";
        return false;
    }
    if (entries != nullptr) {
        image.SetPalette(entries, count);
    }

    std::vector<png_bytep> rows(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        rows[y] = image.GetRow(static_cast<int>(y));
    }
    png_bytepp rowPointers = rows.data();
    if (!GuardPng(png, [&] {
            if (!isPalette) {
                png_set_bgr(png);
            }
            png_read_image(png, rowPointers);
            png_read_end(png, nullptr);
        })) {
        *error = ReadFailureText(stream.failure);
        return false;
    }
    return true;
}

}  // namespace

CSerializerImagePng::CSerializerImagePng()
    : CSerializerImageFile({.label = "PNG - Portable Network Graphics",
                            .extension = ".png",
                            .storeFlags = kStoresSinglePicture,
                            .readOpenError = "ファイルのオープンに失敗",
                            .writeOpenError = "ファイルをオープン出来ませんでした。"})
{
}
bool CSerializerImagePng::CImageStippleboxData::Create(int width, int height, int, int)
{
    return m_data->Create(width, height);
}

void CSerializerImagePng::CImageStippleboxData::SetPalette(const png_color* entries, int count)
{
    SPaletteColor colors[CStippleboxPalette::kEntryCount] = {};
    for (int i = 0; i < count && i < CStippleboxPalette::kEntryCount; ++i) {
        colors[i] = {entries[i].blue, entries[i].green, entries[i].red};
    }
    m_data->GetCurrentPalette()->SetColors(0, CStippleboxPalette::kEntryCount, colors);
}

uint8_t* CSerializerImagePng::CImageStippleboxData::GetRow(int y)
{
    CStippleboxLayer& layer = *m_data->GetCurrentLayer();
    return layer.GetPixels() + size_t(y) * layer.GetWidth();
}

bool CSerializerImagePng::CImageStippleboxData::Check(int width, int height, int bitsPerPixel, std::string* error)
{
    if (!CheckCanvasSize(width, height, error)) {
        return false;
    }
    if (bitsPerPixel > 8) {
        *error = "256色を超える画像は未対応です。";
        return false;
    }
    return true;
}

void CSerializerImagePng::CImageStippleboxData::SetTransparency(const uint8_t* alphas, int count)
{
    int transparentCount = 0;
    int transparentIndex = 0;
    for (int i = 0; i < count; ++i) {
        if (alphas[i] == 0) {
            ++transparentCount;
            transparentIndex = i;
        }
    }
    if (transparentCount == 1 && transparentIndex < CStippleboxPalette::kEntryCount) {
        m_data->SetBackgroundColor(static_cast<uint8_t>(transparentIndex));
    }
}

bool CSerializerImagePng::CImageDibSection::Create(int width, int height, int bitsPerPixel, int colorCount)
{
    return m_section->Create(width, height, bitsPerPixel, colorCount);
}

void CSerializerImagePng::CImageDibSection::SetPalette(const png_color* entries, int count)
{
    std::vector<RGBQUAD> table(count);
    for (int i = 0; i < count; ++i) {
        table[i] = {entries[i].blue, entries[i].green, entries[i].red, 0};
    }
    m_section->SetColorTable(0, count, table.data());
}

uint8_t* CSerializerImagePng::CImageDibSection::GetRow(int y)
{
    return m_section->GetRow(y);
}

bool CSerializerImagePng::CImageDibSection::Check(int, int, int, std::string*)
{
    return true;
}

void CSerializerImagePng::CImageDibSection::SetTransparency(const uint8_t*, int) {}

bool CSerializerImagePng::ReadImage(CFile& file, CImage& image, std::string* error)
{
    std::string text;
    const bool result = ReadPng(file, image, &text);
    if (!result) {
        if (error != nullptr) {
            *error = text;
        } else if (!text.empty()) {
            ShowMessageBox(text);
        }
    }
    return result;
}

bool CSerializerImagePng::ReadImage(std::span<const uint8_t> block, CImage& image, std::string* error)
{
    // The memory file only reads the block, never writes it.
    CMemFile file(std::span<uint8_t>(const_cast<uint8_t*>(block.data()), block.size()));
    return ReadImage(file, image, error);
}

bool CSerializerImagePng::OnReadFile(CFile& file, CStippleboxData* data, bool)
{
    CImageStippleboxData image(data);
    std::string error;
    const bool result = ReadImage(file, image, &error);
    if (!result) {
        SetErrorText(error);
    }
    return result;
}

bool CSerializerImagePng::WriteIndexed(CFile& file, const SIndexedPicture& picture, std::string* error)
{
    CPngStructures writer(CPngStructures::EDirection::Write);
    if (!writer.IsCreated()) {
        *error = kStructuresFailedText;
        return false;
    }
    png_structp png = writer.png();
    png_infop info = writer.info();
    SPngStream stream{&file, {}};
    png_set_write_fn(png, &stream, WriteToStream, FlushStream);

    png_color entries[CStippleboxPalette::kEntryCount] = {};
    for (int i = 0; i < picture.palette->GetCount() && i < CStippleboxPalette::kEntryCount; ++i) {
        const SPaletteColor& color = picture.palette->GetColor(i);
        entries[i] = {color.red, color.green, color.blue};
    }
    // Only the entries up to the transparent one need an alpha value.
    std::vector<png_byte> alphas;
    if (picture.transparentIndex) {
        alphas.assign(*picture.transparentIndex + 1, 255);
        alphas.back() = 0;
    }
    const png_bytep alphaValues = alphas.data();
    const int alphaCount = static_cast<int>(alphas.size());
    const auto width = static_cast<png_uint_32>(picture.width);
    const auto height = static_cast<png_uint_32>(picture.height);
    if (!GuardPng(png, [&] {
            png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                         PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            png_set_PLTE(png, info, entries, CStippleboxPalette::kEntryCount);
            if (alphaCount > 0) {
                png_set_tRNS(png, info, alphaValues, alphaCount, nullptr);
            }
            png_write_info(png, info);
            for (int y = 0; y < picture.height; ++y) {
                png_write_row(png, picture.row(y));
            }
            png_write_end(png, info);
        })) {
        // libpng's own errors leave no text; a failed write keeps its reason.
        *error = stream.failure;
        return false;
    }
    return true;
}

bool CSerializerImagePng::OnWriteFile(CFile& file, CStippleboxData* data)
{
    const CStippleboxLayer& layer = *data->GetCurrentLayer();
    const CStippleboxPalette& palette = *data->GetCurrentPalette();
    SIndexedPicture picture;
    picture.width = layer.GetWidth();
    picture.height = layer.GetHeight();
    picture.row = [&layer](int y) { return layer.GetPixels() + size_t(y) * size_t(layer.GetWidth()); };
    picture.palette = &palette;
    std::string error;
    if (!WriteIndexed(file, picture, &error)) {
        SetErrorText(error);
        return false;
    }
    return true;
}
