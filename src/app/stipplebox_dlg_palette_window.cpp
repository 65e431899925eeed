// The main dialog and the palette window: opening and closing it, its
// settings, and the refreshes that keep it (and the tool bars' colour
// objects) in step with the document.
#include "app/ini_profile.h"
#include "app/stipplebox_dlg.h"
#include "bars/command_ids.h"
#include "model/stipplebox_data.h"
#include "palette/color_space.h"
#include "palette/palette_wnd.h"

void CStippleboxDlg::AddPaletteWindowCommands()
{
    m_commandMap.Add(kCmdEditDrawingColor, [this](unsigned) { OpenPaletteWindow(kDrawingColor); });
    m_commandMap.Add(kCmdEditBackgroundColor, [this](unsigned) { OpenPaletteWindow(kBackgroundColor); });
}

CPaletteWnd* CStippleboxDlg::GetPaletteWnd() const
{
    return m_paletteWindow.Get<CPaletteWnd>();
}

void CStippleboxDlg::OpenPaletteWindow(EColorIndex which)
{
    if (CPaletteWnd* window = GetPaletteWnd()) {
        window->SetEditedColor(which);
        window->GetHost()->Activate();
        return;
    }
    m_paletteWindow.Open(std::make_unique<CPaletteWnd>(*this, m_paletteWndSettings, which), *m_host,
                         [this] { ClosePaletteWindow(true); });
}

void CStippleboxDlg::ClosePaletteWindow(bool refresh)
{
    m_paletteWindow.Close();
    if (refresh) {
        RefreshToolBars();
    }
}

void CStippleboxDlg::ExchangePaletteWindowState(bool saving)
{
    CIniProfile profile(m_settingsDirectory / "PaletteWnd", !saving, saving);
    profile.Exchange(saving, "", "ColorSpace", m_paletteWndSettings.colorSpace);
    if (m_paletteWndSettings.colorSpace >= kColorSpaceCount) {
        m_paletteWndSettings.colorSpace = 0;
    }
    if (m_paletteWindow.ExchangeState(profile, saving) && !saving) {
        OpenPaletteWindow(kDrawingColor);
    }
}

void CStippleboxDlg::SetColorIndex(EColorIndex which, uint8_t index)
{
    if (which == kDrawingColor) {
        if (m_document->GetDrawingColor() == index) {
            return;
        }
        m_document->SetDrawingColor(index);
    } else if (m_document->GetBackgroundColor() != index) {
        m_document->SetBackgroundColor(index);
        m_imageEditWnd.GetLayerCache().Rebuild();
        m_imageEditWnd.RepaintAll(true);
    } else {
        return;
    }
    if (CPaletteWnd* window = GetPaletteWnd()) {
        window->RedrawList(false);
        if (window->GetEditedColor() == which) {
            window->RefreshBars();
        }
    }
    RedrawColorObjects(true);
}

void CStippleboxDlg::OnPaletteEntryChanged(int index, bool refreshBars, bool repaint)
{
    const bool isColor = index == m_document->GetDrawingColor() || index == m_document->GetBackgroundColor();
    if (CPaletteWnd* window = GetPaletteWnd()) {
        window->RedrawEntry(index);
        if (refreshBars && index == window->GetEditedEntry()) {
            window->RefreshBars();
        }
    }
    if (repaint) {
        m_imageEditWnd.RepaintAll(true);
        m_toolWindows.OnColorsChanged();
    }
    RedrawColorObjects(isColor);
}

void CStippleboxDlg::OnPaletteChanged(bool repaint, bool bars, bool list, bool resetList)
{
    if (CPaletteWnd* window = GetPaletteWnd()) {
        if (list) {
            window->RedrawList(resetList);
        }
        if (bars) {
            window->RefreshBars();
        }
    }
    if (repaint) {
        m_imageEditWnd.RepaintAll(true);
        m_toolWindows.OnColorsChanged();
    }
    if (bars) {
        RedrawColorObjects(true);
    }
}

void CStippleboxDlg::OnCurrentPaletteChanged()
{
    // The grid always shows the current palette; resetting it takes the new
    // palette's entry selection.
    OnPaletteChanged(true, true, true, true);
}
