#include "convert/convert_command.h"

#include <memory>
#include <optional>
#include <ostream>

#include "convert/convert_options.h"
#include "formats/document_export.h"
#include "formats/palette_files/palette_file_document.h"
#include "formats/palette_files/palette_file_io.h"
#include "formats/serializer_image_gif.h"
#include "formats/serializer_image_gif_layers.h"
#include "formats/serializer_list.h"
#include "formats/sprite_sheet/sprite_sheet_export.h"
#include "formats/sprite_sheet/sprite_sheet_import.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/text.h"

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;

constexpr char kUsage[] =
    "usage:\n"
    "  stipplebox-convert IN OUT                    convert; formats by extension\n"
    "  stipplebox-convert IN --export-layers OUT    numbered files, named as the editor's export names them\n"
    "  stipplebox-convert IN --export-gif OUT.gif   the layer animation as an animated GIF\n"
    "  stipplebox-convert --gif-layers IN.gif OUT   every frame of an animated GIF as a layer\n"
    "  stipplebox-convert --info IN                 size, layers (names, visibility, delays), palettes\n"
    "  stipplebox-convert IN --export-palette OUT.gpl|.pal|.act|.hex   the current palette as a palette file\n"
    "  stipplebox-convert IN --import-palette FILE OUT                 FILE added as a new, current palette\n"
    "  stipplebox-convert IN --export-sheet OUT.png [--columns N] [--padding P]\n"
    "                                               the layers as one sprite sheet, with OUT.json\n"
    "  stipplebox-convert SHEET.png --sheet-layers W H [--padding P] [--frames N] OUT\n"
    "                                               a sprite sheet cut back into layers\n";

constexpr char kHelp[] =
    "\n"
    "Reads and writes the editor's formats: .sbx (all layers and palettes), .dpx\n"
    "(all layers, the current palette), .png, .gif and .bmp (one picture). The\n"
    "format of each file is chosen by its extension, as the editor chooses it.\n"
    "\n"
    "Converting to a format that keeps one picture merges the layers as the\n"
    "editor does when it saves, backmost layer first, the background colour\n"
    "left out; what the format cannot keep is listed on standard error.\n"
    "--export-layers writes one file per layer, the backmost first: OUT\n"
    "pic.png gives pic_000.png, pic_001.png, ... --export-gif writes every\n"
    "layer as a frame shown for the layer's delay, repeated endlessly.\n"
    "--gif-layers reads every frame as a viewer shows it (disposal methods\n"
    "applied) into a layer of its own, the first frame backmost, with its\n"
    "delay; OUT is normally an .sbx file, which keeps the layers.\n"
    "\n"
    "Palette files are GIMP (.gpl), JASC (.pal), Adobe colour tables (.act) and\n"
    "hex lists (.hex); a palette of more than 256 colours is refused. An .act\n"
    "file's transparent entry is the document's background colour.\n"
    "--export-sheet writes the layers in the animated GIF's order into one\n"
    "palette PNG, in one row or in rows of N columns with P pixels between\n"
    "frames, the background colour transparent; OUT.json beside it gives each\n"
    "frame's rectangle, duration in milliseconds and layer name, and the\n"
    "palette. --sheet-layers cuts such a sheet into layers of W x H, the first\n"
    "frame backmost, all whole cells or the first N.\n"
    "\n"
    "An existing OUT is replaced only when the new file is complete. Errors are\n"
    "printed on standard error and end the program with status 1; a command\n"
    "line it does not understand ends it with status 2.\n";

// The serializer's message as the editor shows it after a failed operation.
std::string ErrorOf(const CSerializer& serializer, const std::filesystem::path& path)
{
    std::string text = serializer.GetErrorText().empty() ? "エラーが発生しました。" : serializer.GetErrorText();
    if (text.find(path.string()) == std::string::npos) {
        text += "\n\n" + path.string();
    }
    return text;
}

class CConverter {
public:
    CConverter(const CSerializerList& serializers, std::ostream& out, std::ostream& err)
        : m_serializers(serializers), m_out(out), m_err(err)
    {
    }

    int Convert(const std::filesystem::path& in, const std::filesystem::path& outPath)
    {
        auto data = Open(in);
        return data == nullptr ? kFailed : Save(*data, outPath);
    }

    int ConvertGifLayers(const std::filesystem::path& in, const std::filesystem::path& outPath)
    {
        CSerializerImageGifLayers reader;
        auto data = Read(reader, in);
        return data == nullptr ? kFailed : Save(*data, outPath);
    }

    int ExportPalette(const std::filesystem::path& in, const std::filesystem::path& outPath)
    {
        auto data = Open(in);
        if (data == nullptr) {
            return kFailed;
        }
        std::string error;
        if (!WritePaletteFile(outPath, MakePaletteFile(*data), &error)) {
            return Fail(error + "\n\n" + outPath.string());
        }
        return kDone;
    }

    int ImportPalette(const std::filesystem::path& in, const std::filesystem::path& paletteFile,
                      const std::filesystem::path& outPath)
    {
        auto data = Open(in);
        if (data == nullptr) {
            return kFailed;
        }
        SPaletteFile palette;
        std::string error;
        if (!ReadPaletteFile(paletteFile, &palette, &error)) {
            return Fail(error + "\n\n" + paletteFile.string());
        }
        if (!AddPaletteFromFile(*data, palette, &error)) {
            return Fail(error);
        }
        if (const std::optional<uint8_t> transparent = GetTransparentEntry(palette, 0)) {
            data->SetBackgroundColor(*transparent);
        }
        return Save(*data, outPath);
    }

    int ExportSheet(const std::filesystem::path& in, const std::filesystem::path& outPath,
                    const SSpriteSheetOptions& options)
    {
        auto data = Open(in);
        if (data == nullptr) {
            return kFailed;
        }
        std::string error;
        if (!ExportSpriteSheet(*data, outPath, options, &error)) {
            return Fail(error + "\n\n" + outPath.string());
        }
        return kDone;
    }

    int SheetLayers(const std::filesystem::path& in, const SSpriteSheetSlicing& slicing,
                    const std::filesystem::path& outPath)
    {
        std::string error;
        auto data = ImportSpriteSheet(in, slicing, &error);
        if (data == nullptr) {
            return Fail(error + "\n\n" + in.string());
        }
        return Save(*data, outPath);
    }

    int ExportLayers(const std::filesystem::path& in, const std::filesystem::path& outPath)
    {
        auto data = Open(in);
        CSerializerImage* writer = FindWriter(outPath);
        if (data == nullptr || writer == nullptr) {
            return kFailed;
        }
        std::filesystem::path failed;
        if (!ExportNumberedLayers(*writer, outPath, *data, &failed)) {
            return Fail(ErrorOf(*writer, failed));
        }
        return kDone;
    }

    int ExportGif(const std::filesystem::path& in, const std::filesystem::path& outPath)
    {
        auto data = Open(in);
        if (data == nullptr) {
            return kFailed;
        }
        CSerializerImageGif gif;
        if (!gif.WriteAnimation(outPath, data.get())) {
            return Fail(ErrorOf(gif, outPath));
        }
        return kDone;
    }

    int Info(const std::filesystem::path& in)
    {
        auto data = Open(in);
        if (data == nullptr) {
            return kFailed;
        }
        m_out << "size: " << data->GetWidth() << " x " << data->GetHeight() << "\n";
        m_out << "background colour: " << int(data->GetBackgroundColor()) << "\n";
        const CStippleboxLayerPtrArray& layers = *data->GetLayers();
        m_out << "layers: " << layers.GetSize() << " (current " << layers.GetCurrentIndex() << ", 0 in front)\n";
        for (int i = 0; i < layers.GetSize(); ++i) {
            const CStippleboxLayer& layer = *layers[i];
            m_out << "  " << i << " \"" << sb::Utf16ToUtf8(layer.GetLayerName()) << "\" "
                  << (layer.IsVisible() ? "visible" : "hidden") << ", delay "
                  << layer.GetDelay().GetDelay(CDelay::kMillisecondsUnit) << " ms\n";
        }
        const CStippleboxPalettePtrArray& palettes = *data->GetPalettes();
        m_out << "palettes: " << palettes.GetSize() << " (current " << palettes.GetCurrentIndex() << ")\n";
        for (int i = 0; i < palettes.GetSize(); ++i) {
            m_out << "  " << i << " \"" << sb::Utf16ToUtf8(palettes[i]->GetPaletteName()) << "\"\n";
        }
        return kDone;
    }

private:
    // Writes the document in the format of the path's extension, listing
    // what the format cannot keep.
    int Save(CStippleboxData& data, const std::filesystem::path& outPath)
    {
        CSerializerImage* writer = FindWriter(outPath);
        if (writer == nullptr) {
            return kFailed;
        }
        const std::vector<std::string> warnings = GetSaveWarnings(data, writer->GetStoreFlags());
        if (!warnings.empty()) {
            m_err << "この形式では一部の情報を保存することができません。\n";
            for (const std::string& warning : warnings) {
                m_err << "・" << warning << "\n";
            }
        }
        if (!WriteDocument(*writer, outPath, data)) {
            return Fail(ErrorOf(*writer, outPath));
        }
        return kDone;
    }

    std::unique_ptr<CStippleboxData> Open(const std::filesystem::path& path)
    {
        auto* reader = dynamic_cast<CSerializerImage*>(m_serializers.Find(path, CSerializer::kCanRead));
        if (reader == nullptr) {
            Fail("画像形式を判別出来ませんでした。\n読み込みを中止します。\n\n" + path.string());
            return nullptr;
        }
        return Read(*reader, path);
    }

    std::unique_ptr<CStippleboxData> Read(CSerializerImage& reader, const std::filesystem::path& path)
    {
        auto data = std::make_unique<CStippleboxData>();
        if (!reader.Read(path, data.get(), true)) {
            Fail(ErrorOf(reader, path));
            return nullptr;
        }
        return data;
    }

    CSerializerImage* FindWriter(const std::filesystem::path& path)
    {
        auto* writer = dynamic_cast<CSerializerImage*>(m_serializers.Find(path, CSerializer::kCanWrite));
        if (writer == nullptr) {
            Fail("ファイル形式が判別できませんでした。");
        }
        return writer;
    }

    int Fail(const std::string& message)
    {
        m_err << message << "\n";
        return kFailed;
    }

    const CSerializerList& m_serializers;
    std::ostream& m_out;
    std::ostream& m_err;
};

// The palette file and sprite sheet options; nothing when the arguments
// are none of them.
std::optional<int> RunExchangeOption(CConverter& converter, const std::vector<std::string>& arguments)
{
    const size_t count = arguments.size();
    if (count == 3 && arguments[1] == "--export-palette") {
        return converter.ExportPalette(arguments[0], arguments[2]);
    }
    if (count == 4 && arguments[1] == "--import-palette") {
        return converter.ImportPalette(arguments[0], arguments[2], arguments[3]);
    }
    if (count >= 3 && arguments[1] == "--export-sheet") {
        const auto options = ParseIntegerOptions(arguments, 3, count, {"--columns", "--padding"});
        if (!options) {
            return std::nullopt;
        }
        return converter.ExportSheet(arguments[0], arguments[2],
                                     {ValueOrZero(*options, "--columns"), ValueOrZero(*options, "--padding")});
    }
    if (count >= 5 && arguments[1] == "--sheet-layers") {
        const std::optional<int> width = ParseCount(arguments[2]);
        const std::optional<int> height = ParseCount(arguments[3]);
        const auto options = ParseIntegerOptions(arguments, 4, count - 1, {"--padding", "--frames"});
        if (!width || !height || !options) {
            return std::nullopt;
        }
        return converter.SheetLayers(
            arguments[0], {{*width, *height}, ValueOrZero(*options, "--padding"), ValueOrZero(*options, "--frames")},
            arguments[count - 1]);
    }
    return std::nullopt;
}

}  // namespace

int RunConvert(const std::vector<std::string>& arguments, const CSerializerList& serializers, std::ostream& out,
               std::ostream& err)
{
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << kUsage << kHelp;
        return kDone;
    }
    CConverter converter(serializers, out, err);
    try {
        if (arguments.size() == 2 && arguments[0] == "--info") {
            return converter.Info(arguments[1]);
        }
        if (arguments.size() == 2 && arguments[0][0] != '-' && arguments[1][0] != '-') {
            return converter.Convert(arguments[0], arguments[1]);
        }
        if (arguments.size() == 3 && arguments[1] == "--export-layers") {
            return converter.ExportLayers(arguments[0], arguments[2]);
        }
        if (arguments.size() == 3 && arguments[1] == "--export-gif") {
            return converter.ExportGif(arguments[0], arguments[2]);
        }
        if (arguments.size() == 3 && arguments[0] == "--gif-layers") {
            return converter.ConvertGifLayers(arguments[1], arguments[2]);
        }
        if (std::optional<int> status = RunExchangeOption(converter, arguments)) {
            return *status;
        }
    } catch (const CException& exception) {
        err << exception.GetErrorMessage() << "\n";
        return kFailed;
    }
    err << kUsage;
    return kUsageError;
}
