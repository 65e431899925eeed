#pragma once

#include <filesystem>

#include "formats/sprite_sheet/sprite_sheet_export.h"

class IModalDialogs;

// The sprite sheet export dialog: the frames in one row, one column or a
// grid of a number of columns, with padding pixels between them. The choices
// are kept between runs in a settings file ("Layout", "Columns", "Padding").
class CSpriteSheetDlg {
public:
    static constexpr const char* kTitle = "スプライトシートで書き出す";
    enum ELayout { kRow = 0, kColumn = 1, kGrid = 2 };
    static constexpr int kMaxColumns = 1024;

    explicit CSpriteSheetDlg(std::filesystem::path profilePath);

    // Loads the choices, shows the form and, on OK, keeps them.
    bool DoModal(IModalDialogs& dialogs);

    ELayout GetLayout() const { return m_layout; }
    void SetLayout(ELayout layout) { m_layout = layout; }
    int GetColumns() const { return m_columns; }
    // Kept within 1..kMaxColumns; used by the grid layout only.
    void SetColumns(int columns);
    int GetPadding() const { return m_padding; }
    // Kept within 0..SSpriteSheetLayout::kMaxPadding.
    void SetPadding(int padding);

    SSpriteSheetOptions GetOptions() const;

private:
    void Exchange(bool saving);

    std::filesystem::path m_profilePath;
    ELayout m_layout = kRow;
    int m_columns = 8;
    int m_padding = 0;
};
