// Files shared with other programs: palette files read into and written from
// the current palette, and the layers exported as a sprite sheet.

#include <strings.h>

#include <memory>

#include "app/modal_dialogs.h"
#include "app/sprite_sheet_dlg.h"
#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "commands/command_palette_import.h"
#include "formats/palette_files/palette_file_document.h"
#include "formats/palette_files/palette_file_io.h"
#include "formats/serializer_list.h"
#include "formats/sprite_sheet/sprite_sheet_export.h"
#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_data.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

namespace {

std::optional<std::filesystem::path> AskPath(SFileDialogRequest::Kind kind, std::string filter,
                                             std::string initialFileName = {})
{
    SFileDialogRequest request;
    request.kind = kind;
    request.filter = std::move(filter);
    request.initialFileName = std::move(initialFileName);
    const std::optional<SFileDialogChoice> choice = GetFileDialog().Run(request);
    return choice ? std::optional(choice->path) : std::nullopt;
}

void ShowFailure(const std::string& reason, const std::filesystem::path& path)
{
    ShowMessageBox(reason + "\n\n" + path.string());
}

// Where an import into the current palette starts: the first entry of the
// entry selection, or the drawing colour when nothing is selected.
int GetImportStartEntry(const CStippleboxData& data)
{
    const CStippleboxColorSelection* selection = data.GetCurrentPalette()->GetColorSelection();
    if (selection != nullptr && selection->HasMask()) {
        const std::vector<uint8_t>& mask = selection->GetMask();
        for (size_t i = 0; i < mask.size(); ++i) {
            if (mask[i] != 0) {
                return static_cast<int>(i);
            }
        }
    }
    return data.GetDrawingColor();
}

void ImportPaletteFile(CStippleboxDlg& dialog)
{
    const std::optional<std::filesystem::path> path =
        AskPath(SFileDialogRequest::Kind::Open, BuildPaletteOpenFilter());
    if (!path) {
        return;
    }
    SPaletteFile file;
    std::string error;
    if (!ReadPaletteFile(*path, &file, &error)) {
        ShowFailure(error, *path);
        return;
    }
    error = CheckPaletteFileFits(file, 0);
    if (!error.empty()) {
        ShowMessageBox(error);
        return;
    }
    const int start = GetImportStartEntry(*dialog.GetDocument());
    const MessageBoxAnswer answer = ShowMessageBox(
        "「" + file.name + "」(" + std::to_string(file.colors.size()) +
            "色) を新しいパレットとして読み込みますか？\n\n「いいえ」を選ぶと、現在のパレットの" +
            std::to_string(start) + "番の色から上書きします。",
        MessageBoxButtons::YesNoCancel, MessageBoxIcon::Question);
    if (answer == MessageBoxAnswer::Yes) {
        dialog.ExecuteCommand(std::make_unique<CCommandPaletteImportNew>(std::move(file)));
    } else if (answer == MessageBoxAnswer::No) {
        dialog.ExecuteCommand(std::make_unique<CCommandPaletteImportInto>(std::move(file), start));
    }
}

void ExportPaletteFile(const CStippleboxData& data)
{
    const SPaletteFile file = MakePaletteFile(data);
    const std::optional<std::filesystem::path> path =
        AskPath(SFileDialogRequest::Kind::Save, BuildPaletteSaveFilter(), file.name);
    if (!path) {
        return;
    }
    std::string error;
    if (!WritePaletteFile(*path, file, &error)) {
        ShowFailure(error, *path);
    }
}

void ExportSpriteSheetWithDialog(const CStippleboxData& data, IModalDialogs& dialogs,
                                 const std::filesystem::path& profilePath)
{
    CSpriteSheetDlg options(profilePath);
    if (!options.DoModal(dialogs)) {
        return;
    }
    std::optional<std::filesystem::path> path =
        AskPath(SFileDialogRequest::Kind::Save, "PNG - Portable Network Graphics|*.png||");
    if (!path) {
        return;
    }
    // The sheet is always a PNG, whatever name was typed.
    if (::strcasecmp(CSerializerList::ExtensionOf(*path).c_str(), ".png") != 0) {
        *path += ".png";
    }
    std::string error;
    if (!ExportSpriteSheet(data, *path, options.GetOptions(), &error)) {
        ShowFailure(error, *path);
    }
}

}  // namespace

void CStippleboxDlg::AddExchangeCommands()
{
    m_commandMap.Add(kCmdPaletteImport, [this](unsigned) { ImportPaletteFile(*this); });
    m_commandMap.Add(kCmdPaletteExport, [this](unsigned) { ExportPaletteFile(*m_document); });
    m_commandMap.Add(kCmdExportSpriteSheet, [this](unsigned) {
        ExportSpriteSheetWithDialog(*m_document, m_dialogs, m_settingsDirectory / "Dialog" / "SpriteSheet.ini");
    });
}
