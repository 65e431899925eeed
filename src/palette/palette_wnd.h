#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/framework_wnd.h"
#include "commands/main_dialog.h"
#include "model/stipplebox_accessor.h"
#include "palette/color_list_edit_wnd.h"
#include "palette/color_sample_wnd.h"
#include "palette/color_space.h"
#include "palette/color_value_bar.h"
#include "palette/palette_wnd_settings.h"

// The palette window: the current palette as a grid in which the drawing or
// the background colour is picked, and three value bars that edit that
// colour's entry in RGB, HSV or HLS. A bar drag shows the colour live and
// becomes one undoable change when the pen is lifted; the channel values set
// in HSV or HLS are kept with the entry, so that editing there never drifts.
class CPaletteWnd final : public CFrameworkWnd,
                          public CColorValueBarEvent,
                          public IColorListOwner,
                          public CStippleboxAccessor {
public:
    CPaletteWnd(ICommandTarget& owner, SPaletteWndSettings& settings, IMainDialog::EColorIndex edited);
    ~CPaletteWnd() override;

    IMainDialog::EColorIndex GetEditedColor() const override { return m_edited; }
    void SetEditedColor(IMainDialog::EColorIndex edited);
    // The palette entry of the edited colour.
    int GetEditedEntry() const;
    const CColorSpace& GetColorSpace() const { return *m_colorSpace; }
    CColorListEditWnd& GetColorList() { return m_list; }
    CColorValueBar& GetBar(int channel) { return m_bars[size_t(channel)]; }
    CColorSampleWnd& GetSample() { return m_sample; }
    // The numbers shown beside the bars.
    std::string GetValueText(int channel) const;

    // The document changed: an entry's cell, the whole grid (with reset, its
    // outline is taken again from the entry selection), or the edited
    // colour's entry, shown again on the bars and the swatch.
    void RedrawEntry(int entry) { m_list.RedrawEntry(entry); }
    void RedrawList(bool reset);
    void RefreshBars();

    CSize GetDefaultClientSize() const override;
    void OnSize(int width, int height) override;

    void OnBegin(CColorValueBar& bar) override;
    void OnChange(CColorValueBar& bar) override;
    void OnEnd(CColorValueBar& bar) override;
    void OnColorPicked() override;

private:
    SMenuItem BuildMenu() const override;
    void AddCommands();
    void SelectTool(unsigned id);
    void SetColorSpace(int id);
    void UpdateTitle();
    CColorTriple GetBarTriple() const;
    void ShowValues();
    // Refills the bars' gradients from the values shown; during a drag the
    // dragged bar and any bar whose gradient does not depend on the others
    // keep theirs.
    void FillGradients(const CColorValueBar* dragged);

    SPaletteWndSettings& m_settings;
    IMainDialog::EColorIndex m_edited;
    std::unique_ptr<CColorSpace> m_colorSpace;
    unsigned m_toolId = 0;
    CColorListEditWnd m_list;
    std::array<CColorValueBar, 3> m_bars;
    CColorSampleWnd m_sample;
    std::array<int, 3> m_channelLabels{};
    std::array<int, 3> m_valueLabels{};
    int m_entryLabel = 0;
    // The edited entry as it was when a bar drag began.
    SPaletteColor m_dragColor;
    CColorTriple m_dragTriple{};
    uint8_t m_dragColorSpaceId = 0;
};
