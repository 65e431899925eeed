#include "palette/palette_wnd.h"

#include <algorithm>

#include "bars/command_ids.h"
#include "commands/command_color.h"
#include "commands/command_palette.h"
#include "model/stipplebox_data.h"
#include "model/stipplebox_palette.h"
#include "model/stipplebox_palette_ptr_array.h"
#include "palette/color_list_tools.h"
#include "palette/palette_wnd_menu.h"
#include "platform/cmd_ui.h"
#include "platform/text.h"
#include "tools/tool_options.h"

namespace {

// Layout in units of the display scale.
constexpr int kMargin = 3;
constexpr int kCell = 9;
constexpr int kBarHeight = 16;
constexpr int kBarGap = 1;
constexpr int kChannelWidth = 8;
constexpr int kValueWidth = 16;
constexpr int kSampleHeight = 10;
constexpr int kSampleWidth = 24;

int BarsHeight(int u)
{
    return (3 * kBarHeight + 2 * kBarGap) * u;
}

}  // namespace

CPaletteWnd::CPaletteWnd(ICommandTarget& owner, SPaletteWndSettings& settings, IMainDialog::EColorIndex edited)
    : CFrameworkWnd(owner), m_settings(settings), m_edited(edited), m_colorSpace(CreateColorSpace(settings.colorSpace)),
      m_list(*this)
{
    AddChild(m_list);
    for (size_t k = 0; k < m_bars.size(); ++k) {
        AddChild(m_bars[k]);
        m_bars[k].SetListener(this);
        m_channelLabels[k] = AddLabel();
        m_valueLabels[k] = AddLabel();
    }
    AddChild(m_sample);
    m_entryLabel = AddLabel();
    AddButton(kCmdMenuButton, "メニュー");
    AddButton(kCmdPaletteToolButton, PaletteToolLabel(kCmdPaletteToolNormal));
    AddButton(kCmdWindowPin, "ピン留め");
    AddCommands();
    SelectTool(kCmdPaletteToolNormal);
    UpdateTitle();
    SetColorSpace(m_colorSpace->Id());
}

CPaletteWnd::~CPaletteWnd() = default;

void CPaletteWnd::AddCommands()
{
    CCommandMap& commands = Commands();
    commands.AddRange(
        kCmdPaletteToolNormal, kCmdPaletteToolSelectRect, [this](unsigned id) { SelectTool(id); },
        [this](ICmdUI& cmdUI) { cmdUI.SetCheck(cmdUI.GetID() == m_toolId); });
    commands.Add(
        kCmdPaletteToolButton,
        [this](unsigned) {
            const CRect button = GetHost()->GetCommandSourceRect();
            ShowPopupMenu(SMenuItem::Submenu("ツール", PaletteToolItems()), {button.left, button.bottom});
        },
        [this](ICmdUI& cmdUI) { cmdUI.SetText(PaletteToolLabel(m_toolId)); });
    // Choosing the option that is set clears it.
    commands.AddRange(
        kCmdPaletteDragCopy, kCmdPaletteDragInsert,
        [](unsigned id) {
            int& option = GetMainDialog()->GetToolOptions().paletteDragOption;
            const int chosen = int(id - kCmdPaletteToolSelectRect);
            option = option == chosen ? 0 : chosen;
        },
        [](ICmdUI& cmdUI) {
            cmdUI.SetCheck(GetMainDialog()->GetToolOptions().paletteDragOption ==
                           int(cmdUI.GetID() - kCmdPaletteToolSelectRect));
        });
    commands.Add(
        kCmdPaletteKeepLook, [](unsigned) { GetMainDialog()->GetToolOptions().keepLook ^= true; },
        [](ICmdUI& cmdUI) { cmdUI.SetCheck(GetMainDialog()->GetToolOptions().keepLook); });
    commands.AddRange(
        kCmdColorSpaceFirst, kCmdColorSpaceLast, [this](unsigned id) { SetColorSpace(int(id - kCmdColorSpaceFirst)); },
        [this](ICmdUI& cmdUI) { cmdUI.SetCheck(int(cmdUI.GetID() - kCmdColorSpaceFirst) == m_colorSpace->Id()); });
    commands.Add(kCmdPaletteAdd,
                 [](unsigned) { GetMainDialog()->ExecuteCommand(std::make_unique<CCommandPaletteAdd>()); });
    commands.Add(
        kCmdPaletteDelete, [](unsigned) { GetMainDialog()->ExecuteCommand(std::make_unique<CCommandPaletteDelete>()); },
        [](ICmdUI& cmdUI) { cmdUI.Enable(GetPalettes()->GetSize() >= 2); });
    commands.AddRange(
        kCmdPaletteChooseFirst, kCmdPaletteChooseLast,
        [](unsigned id) {
            const int index = int(id - kCmdPaletteChooseFirst);
            if (index < GetPalettes()->GetSize()) {
                GetMainDialog()->ExecuteCommand(std::make_unique<CCommandPaletteCurChange>(index));
            }
        },
        [](ICmdUI& cmdUI) {
            const int index = int(cmdUI.GetID() - kCmdPaletteChooseFirst);
            cmdUI.Enable(index < GetPalettes()->GetSize());
            cmdUI.SetCheck(index == GetPalettes()->GetCurrentIndex());
        });
}

SMenuItem CPaletteWnd::BuildMenu() const
{
    std::vector<std::string> names;
    const CStippleboxPalettePtrArray& palettes = *GetPalettes();
    for (int i = 0; i < palettes.GetSize(); ++i) {
        names.push_back(sb::Utf16ToUtf8(palettes[i]->GetPaletteName()));
    }
    return BuildPaletteWndMenu(names);
}

void CPaletteWnd::SelectTool(unsigned id)
{
    std::unique_ptr<CColorListTool> tool = CreateColorListTool(id);
    m_toolId = id;
    m_list.SetTool(std::move(tool));
    if (GetHost() != nullptr) {
        GetHost()->UpdateButtons();
    }
}

void CPaletteWnd::SetColorSpace(int id)
{
    m_colorSpace = CreateColorSpace(id);
    m_settings.colorSpace = uint8_t(m_colorSpace->Id());
    const std::string name = m_colorSpace->Name();
    for (size_t k = 0; k < m_bars.size(); ++k) {
        SetLabelText(m_channelLabels[k], name.substr(k, 1));
    }
    RefreshBars();
}

void CPaletteWnd::SetEditedColor(IMainDialog::EColorIndex edited)
{
    m_edited = edited;
    UpdateTitle();
    RefreshBars();
}

void CPaletteWnd::UpdateTitle()
{
    SetTitle(m_edited == IMainDialog::kDrawingColor ? "パレット - 描画色" : "パレット - 背景色");
}

int CPaletteWnd::GetEditedEntry() const
{
    const CStippleboxData& document = *GetData();
    return m_edited == IMainDialog::kDrawingColor ? document.GetDrawingColor() : document.GetBackgroundColor();
}

std::string CPaletteWnd::GetValueText(int channel) const
{
    return GetLabels()[size_t(m_valueLabels[size_t(channel)])].text;
}

void CPaletteWnd::RedrawList(bool reset)
{
    if (reset) {
        m_list.ResetSelection();
    } else {
        m_list.RedrawAll();
    }
}

void CPaletteWnd::RefreshBars()
{
    const int entry = GetEditedEntry();
    const CStippleboxPalette& palette = *GetCurrentPalette();
    const SPaletteColor& color = palette.GetColor(entry);
    // Channel values set in this space are taken as they were set: converted
    // back from the colour they could come out different.
    const bool stored = m_colorSpace->Id() != 0 && palette.GetColorSpaceID(entry) == m_colorSpace->Id();
    const CColorTriple triple = stored ? palette.GetTriple(entry) : m_colorSpace->FromRgb(color);
    const CColorTriple max = m_colorSpace->MaxValues();
    for (size_t k = 0; k < m_bars.size(); ++k) {
        m_bars[k].SetMax(max[k]);
        m_bars[k].SetValue(triple[k], false);
    }
    ShowValues();
    FillGradients(nullptr);
    m_sample.SetColor(color);
    SetLabelText(m_entryLabel, std::to_string(entry) + "番");
}

CColorTriple CPaletteWnd::GetBarTriple() const
{
    CColorTriple triple{};
    for (size_t k = 0; k < m_bars.size(); ++k) {
        triple[k] = uint16_t(std::max(0, m_bars[k].GetValue()));
    }
    return triple;
}

void CPaletteWnd::ShowValues()
{
    for (size_t k = 0; k < m_bars.size(); ++k) {
        SetLabelText(m_valueLabels[k], std::to_string(m_bars[k].GetValue()));
    }
}

void CPaletteWnd::FillGradients(const CColorValueBar* dragged)
{
    const CColorTriple triple = GetBarTriple();
    const CColorTriple max = m_colorSpace->MaxValues();
    for (size_t k = 0; k < m_bars.size(); ++k) {
        CColorTriple channel = triple;
        const bool independent = m_colorSpace->FixedOthers(int(k), channel);
        if (&m_bars[k] == dragged || (independent && dragged != nullptr)) {
            continue;
        }
        std::array<SPaletteColor, CColorValueBar::kGradientSize> colors;
        for (int j = 0; j < CColorValueBar::kGradientSize; ++j) {
            channel[k] = uint16_t(j * max[k] / 255);
            colors[size_t(j)] = m_colorSpace->ToRgb(channel);
        }
        m_bars[k].SetGradient(colors);
    }
}

void CPaletteWnd::OnBegin(CColorValueBar&)
{
    const int entry = GetEditedEntry();
    const CStippleboxPalette& palette = *GetCurrentPalette();
    m_dragColor = palette.GetColor(entry);
    m_dragTriple = palette.GetTriple(entry);
    m_dragColorSpaceId = palette.GetColorSpaceID(entry);
}

void CPaletteWnd::OnChange(CColorValueBar& bar)
{
    const int entry = GetEditedEntry();
    const CColorTriple triple = GetBarTriple();
    const SPaletteColor color = m_colorSpace->ToRgb(triple);
    ShowValues();
    FillGradients(&bar);
    CStippleboxPalette& palette = *GetCurrentPalette();
    palette.SetTriple(entry, triple);
    palette.SetColorSpaceID(entry, uint8_t(m_colorSpace->Id()));
    if (!(color == palette.GetColor(entry))) {
        palette.SetColor(entry, color);
        m_sample.SetColor(color);
        GetMainDialog()->OnPaletteEntryChanged(entry, false, true);
    }
}

void CPaletteWnd::OnEnd(CColorValueBar&)
{
    // The entry's colour space before the drag goes with its triple, so
    // that undoing never pairs the old values with another space.
    GetMainDialog()->ExecuteCommand(std::make_unique<CCommandColorDragChange>(GetEditedEntry(), m_dragColor,
                                                                               m_dragTriple, m_dragColorSpaceId));
    FillGradients(nullptr);
}

void CPaletteWnd::OnColorPicked()
{
    if (!IsPinned()) {
        Close();
    }
}

CSize CPaletteWnd::GetDefaultClientSize() const
{
    const int u = GetDisplayScale();
    const int grid = CColorListWnd::kColumns * kCell * u + 1;
    return {2 * kMargin * u + grid, 4 * kMargin * u + grid + kSampleHeight * u + BarsHeight(u)};
}

void CPaletteWnd::OnSize(int width, int height)
{
    const int u = GetDisplayScale();
    const int margin = kMargin * u;
    const int barsTop = height - margin - BarsHeight(u);
    for (size_t k = 0; k < m_bars.size(); ++k) {
        const int top = barsTop + int(k) * (kBarHeight + kBarGap) * u;
        const int bottom = top + kBarHeight * u;
        const int barLeft = margin + kChannelWidth * u;
        const int barRight = width - margin - kValueWidth * u;
        MoveLabel(m_channelLabels[k], {margin, top, barLeft, bottom}, false);
        MoveChild(m_bars[k], {barLeft, top, barRight, bottom});
        MoveLabel(m_valueLabels[k], {barRight, top, width - margin, bottom}, true);
    }
    const int sampleTop = barsTop - margin - kSampleHeight * u;
    const int sampleRight = margin + kSampleWidth * u;
    MoveChild(m_sample, {margin, sampleTop, sampleRight, sampleTop + kSampleHeight * u});
    MoveLabel(m_entryLabel, {sampleRight + 2 * u, sampleTop, width - margin, sampleTop + kSampleHeight * u}, false);

    // The grid keeps square cells, as large as the space above allows.
    const CSize area{width - 2 * margin, sampleTop - 2 * margin};
    const int side = std::max(CColorListWnd::kMinimumCell, std::min(area.cx, area.cy) / CColorListWnd::kColumns);
    const CSize grid = CColorListWnd::FitClientSize({side * CColorListWnd::kColumns, side * CColorListWnd::kColumns});
    const int left = margin + std::max(0, (area.cx - grid.cx) / 2);
    MoveChild(m_list, {left, margin, left + grid.cx, margin + grid.cy});
}
