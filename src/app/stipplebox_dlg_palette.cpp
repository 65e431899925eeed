// The main dialog's palette commands: the palette's name, the gradation and
// the colour mask.
#include "app/palette_property_dlg.h"
#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "commands/command_color_effect.h"
#include "commands/command_palette.h"
#include "model/stipplebox_data.h"

namespace {

// The colour mask is a drawing aid, changed directly rather than through the
// undo history.
template <class Change>
void ChangeColorMask(CStippleboxPalette& palette, Change change)
{
    for (int i = 0; i < palette.GetCount(); ++i) {
        palette.SetMasked(i, change(palette.IsMasked(i)));
    }
}

}  // namespace

void CStippleboxDlg::AddPaletteCommands()
{
    m_commandMap.Add(kCmdPaletteProperty, [this](unsigned) { OnPaletteProperty(); });
    m_commandMap.Add(kCmdGradation,
                     [this](unsigned) { ExecuteCommand(std::make_unique<CCommandColorEffectGradation>()); });
    m_commandMap.Add(kCmdColorMaskClear, [this](unsigned) {
        ChangeColorMask(*m_document->GetCurrentPalette(), [](bool) { return false; });
        OnPaletteChanged(false, false, true, false);
    });
    m_commandMap.Add(kCmdColorMaskInvert, [this](unsigned) {
        ChangeColorMask(*m_document->GetCurrentPalette(), [](bool masked) { return !masked; });
        OnPaletteChanged(false, false, true, false);
    });
}

void CStippleboxDlg::OnPaletteProperty()
{
    CPalettePropertyDlg properties(m_document->GetCurrentPalette()->GetPaletteName());
    if (properties.DoModal(m_dialogs)) {
        ExecuteCommand(std::make_unique<CCommandPaletteProperty>(properties.GetName()));
    }
}
