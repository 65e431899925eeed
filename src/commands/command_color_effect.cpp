#include "commands/command_color_effect.h"

#include "commands/color_compress_data.h"
#include "commands/main_dialog.h"
#include "model/palette_gradation.h"
#include "model/stipplebox_color_selection.h"

CCommandColorEffect::CCommandColorEffect() = default;
CCommandColorEffect::~CCommandColorEffect() = default;

std::vector<uint8_t> CCommandColorEffect::GetTargetMask()
{
    const CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    return selection.HasMask() ? selection.GetMask()
                               : std::vector<uint8_t>(CStippleboxColorSelection::kMaskSize, 1);
}

bool CCommandColorEffect::Execute()
{
    const std::vector<uint8_t> mask = GetTargetMask();
    CStippleboxPalette& palette = *GetCurrentPalette();
    m_colors = std::make_unique<CColorCompressData>();
    m_colors->StoreMarked(palette, mask.data());
    if (IsApplicable()) {
        Apply(mask.data(), palette);
    }
    GetMainDialog()->OnPaletteChanged(true, true, true, false);
    return true;
}

void CCommandColorEffect::Undo()
{
    const std::vector<uint8_t> mask = GetTargetMask();
    m_colors->RestoreMarked(*GetCurrentPalette(), mask.data());
    m_colors.reset();
    GetMainDialog()->OnPaletteChanged(true, true, true, false);
}

void CCommandColorEffect::Redo()
{
    Execute();
}

int CCommandColorEffect::GetDataSize() const
{
    return m_colors ? m_colors->GetDataSize(true) : 0;
}

void CCommandColorEffect::Apply(const uint8_t*, CStippleboxPalette&) {}

bool CCommandColorEffect::IsApplicable() const
{
    return false;
}

bool CCommandColorEffectGradation::Execute()
{
    const CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    if (!selection.HasMask()) {
        SetCommandErrorMessage("グラデーション処理を行う色範囲を選択してから実行してください。");
        return false;
    }
    if (selection.GetCount() < 3) {
        SetCommandErrorMessage("3色以上を選択してください。");
        return false;
    }
    return CCommandColorEffect::Execute();
}

int CCommandColorEffectGradation::GetDataSize() const
{
    return CCommandColorEffect::GetDataSize() + 12;
}

std::string CCommandColorEffectGradation::GetTitle() const
{
    return "グラデーション";
}

void CCommandColorEffectGradation::Apply(const uint8_t* mask, CStippleboxPalette& palette)
{
    ApplyGradation(palette, mask);
}

bool CCommandColorEffectGradation::IsApplicable() const
{
    return true;
}
