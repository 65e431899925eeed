#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/new_document.h"
#include "model/geometry.h"

class CStippleboxData;
class IModalDialogs;

// The new-document dialog: canvas size (directly or from a preset),
// background and palette. The choices are kept between runs in a settings
// file ("Width", "Height", "BG", "Palette").
class CNewDocumentDlg {
public:
    static constexpr int kMinSize = 1;
    static constexpr int kMaxSize = 1024;

    // In the order of ENewDocumentBackground and ENewDocumentPalette.
    static const std::vector<std::string>& GetBackgroundLabels();
    static const std::vector<std::string>& GetPaletteLabels();

    explicit CNewDocumentDlg(std::filesystem::path profilePath);

    // Loads the last choices, shows the form and, on OK, keeps the choices.
    bool DoModal(IModalDialogs& dialogs);

    int GetWidth() const { return m_size.cx; }
    int GetHeight() const { return m_size.cy; }
    // Sizes are kept within kMinSize..kMaxSize.
    void SetSize(int width, int height);
    // Takes the size of the preset at the index of GetSizePresetLabels().
    void ChoosePreset(int index);
    ENewDocumentBackground GetBackground() const { return m_background; }
    void SetBackground(ENewDocumentBackground background) { m_background = background; }
    ENewDocumentPalette GetPalette() const { return m_palette; }
    void SetPalette(ENewDocumentPalette palette) { m_palette = palette; }

    std::unique_ptr<CStippleboxData> CreateDocument() const;

private:
    void Exchange(bool saving);

    std::filesystem::path m_profilePath;
    CSize m_size{64, 64};
    ENewDocumentBackground m_background = ENewDocumentBackground::White;
    ENewDocumentPalette m_palette = ENewDocumentPalette::Default;
};
