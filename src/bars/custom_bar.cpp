#include "bars/custom_bar.h"

#include <cstring>

#include "bars/command_ids.h"
#include "bars/custom_bar_button.h"
#include "formats/byte_reader.h"
#include "platform/exceptions.h"
#include "platform/file.h"

namespace {

constexpr char kIdentifier[] = "SBXBAR";
constexpr size_t kIdentifierSize = sizeof kIdentifier - 1;
constexpr uint16_t kVersion = 1;
constexpr size_t kHeaderSize = kIdentifierSize + 2 + 4;
// More buttons than any bar could show; a larger count is damage.
constexpr uint32_t kMaxButtons = 1024;


}  // namespace

const std::array<SToolBarInfo, kToolBarCount>& GetToolBarInfos()
{
    static const std::array<SToolBarInfo, kToolBarCount> bars{{
        {"メインツールバー", "Main", true},
        {"ユーザー定義1", "User00", false},
        {"ユーザー定義2", "User01", false},
        {"ユーザー定義3", "User02", false},
        {"ユーザー定義4", "User03", false},
        {"パレットツールバー", "Palette", false},
        {"エディットツールバー", "Edit", true},
    }};
    return bars;
}

CustomBarButtons GetDefaultBarButtons(int bar)
{
    switch (bar) {
    case 0:
        return {kCmdMenuButton, kBarSeparator,      kCmdFileNew,        kCmdFileOpen,    kCmdFileSave,
                kBarSeparator,     kCmdUndo,        kCmdRedo,           kBarSeparator,      kCmdCut,
                kCmdCopy,       kCmdPaste,       kBarSeparator,         kCmdZoomButton,  kCmdZoomIn,
                kCmdZoomOut,    kCmdGrid,        kBarSeparator,         kCmdLayerWindow, kCmdPlayerWindow,
                kCmdPositionWindow, kBarSeparator,  kCmdColorDisplay};
    case 5:
        return {kCmdColorDisplay, kCmdMiniPalette, kBarSeparator, kCmdPaletteProperty, kCmdGradation,
                kCmdColorMaskClear, kCmdColorMaskInvert};
    case 6:
        return {kCmdToolScroll,          kCmdToolFreehand,        kCmdToolLine,          kCmdToolRectangle,
                kCmdToolFilledRectangle, kCmdToolEllipse,         kCmdToolFilledEllipse, kCmdToolFill,
                kBarSeparator,              kCmdToolSelectRectangle, kCmdToolSelectFree,    kCmdToolSelectSameColor,
                kCmdToolSelectColor,     kBarSeparator,              kCmdPenSizeButton,     kCmdToneButton,
                kCmdFillStyleButton,     kBarSeparator,              kCmdEyedropper,        kCmdSnapToGrid,
                kCmdTransparentSelection};
    default:
        return {};
    }
}

std::filesystem::path GetBarFilePath(const std::filesystem::path& settingsDirectory, int bar)
{
    return settingsDirectory / "CustomBar" / (std::string(GetToolBarInfos()[size_t(bar)].fileKey) + ".dat");
}

std::optional<CustomBarButtons> ParseBarFile(std::span<const uint8_t> bytes)
{
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kIdentifier, kIdentifierSize) != 0 ||
        LoadWord(bytes.data() + kIdentifierSize) != kVersion) {
        return std::nullopt;
    }
    const uint32_t count = LoadDword(bytes.data() + kIdentifierSize + 2);
    if (count > kMaxButtons || bytes.size() - kHeaderSize != size_t(count) * 4) {
        return std::nullopt;
    }
    CustomBarButtons buttons;
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t id = LoadDword(bytes.data() + kHeaderSize + 4 * size_t(i));
        if (id == kBarSeparator || FindCustomBarButton(id) != nullptr) {
            buttons.push_back(id);
        }
    }
    return buttons;
}

std::vector<uint8_t> FormatBarFile(const CustomBarButtons& buttons)
{
    std::vector<uint8_t> bytes(kHeaderSize + 4 * buttons.size());
    std::memcpy(bytes.data(), kIdentifier, kIdentifierSize);
    StoreWord(bytes.data() + kIdentifierSize, kVersion);
    StoreDword(bytes.data() + kIdentifierSize + 2, uint32_t(buttons.size()));
    for (size_t i = 0; i < buttons.size(); ++i) {
        StoreDword(bytes.data() + kHeaderSize + 4 * i, buttons[i]);
    }
    return bytes;
}

CustomBarButtons LoadBarButtons(const std::filesystem::path& settingsDirectory, int bar)
{
    CFile file;
    if (file.Open(GetBarFilePath(settingsDirectory, bar), CFile::OpenMode::Read)) {
        try {
            // A bar file is a few hundred bytes; anything much larger is not one.
            const uint64_t length = file.GetLength();
            if (length <= kHeaderSize + 4 * kMaxButtons) {
                std::vector<uint8_t> bytes(length);
                if (file.Read(bytes.data(), bytes.size()) == bytes.size()) {
                    if (std::optional<CustomBarButtons> buttons = ParseBarFile(bytes)) {
                        return *buttons;
                    }
                }
            }
        } catch (const CFileException&) {
        }
    }
    return GetDefaultBarButtons(bar);
}

bool SaveBarButtons(const std::filesystem::path& settingsDirectory, int bar, const CustomBarButtons& buttons)
{
    const std::filesystem::path path = GetBarFilePath(settingsDirectory, bar);
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    CFile file;
    if (!file.Open(path, CFile::OpenMode::Write)) {
        return false;
    }
    try {
        const std::vector<uint8_t> bytes = FormatBarFile(buttons);
        file.Write(bytes.data(), bytes.size());
        file.Commit();
        return true;
    } catch (const CFileException&) {
        return false;
    }
}
