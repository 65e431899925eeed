#include "app/new_document_dlg.h"

#include <algorithm>

#include "app/ini_profile.h"
#include "app/modal_dialogs.h"
#include "app/size_presets.h"
#include "model/stipplebox_data.h"

namespace {

// A stored choice outside the list falls back to the first entry.
template <class E>
E ChoiceFromInt(int value, size_t count)
{
    return value >= 0 && size_t(value) < count ? E(value) : E(0);
}

}  // namespace

const std::vector<std::string>& CNewDocumentDlg::GetBackgroundLabels()
{
    static const std::vector<std::string> labels = {"白", "黒", "0番"};
    return labels;
}

const std::vector<std::string>& CNewDocumentDlg::GetPaletteLabels()
{
    static const std::vector<std::string> labels = {"Stipple Box 2パレット", "Burinパレット", "グレースケール",
                                                    "全て黒"};
    return labels;
}

CNewDocumentDlg::CNewDocumentDlg(std::filesystem::path profilePath) : m_profilePath(std::move(profilePath)) {}

bool CNewDocumentDlg::DoModal(IModalDialogs& dialogs)
{
    Exchange(false);
    if (!dialogs.RunNewDocument(*this)) {
        return false;
    }
    Exchange(true);
    return true;
}

void CNewDocumentDlg::SetSize(int width, int height)
{
    m_size = {std::clamp(width, kMinSize, kMaxSize), std::clamp(height, kMinSize, kMaxSize)};
}

void CNewDocumentDlg::ChoosePreset(int index)
{
    if (const std::optional<CSize> size = GetSizePreset(index)) {
        SetSize(size->cx, size->cy);
    }
}

std::unique_ptr<CStippleboxData> CNewDocumentDlg::CreateDocument() const
{
    return CreateNewDocument(m_size.cx, m_size.cy, m_palette, m_background);
}

void CNewDocumentDlg::Exchange(bool saving)
{
    CIniProfile profile(m_profilePath, !saving, saving);
    int width = m_size.cx;
    int height = m_size.cy;
    int background = int(m_background);
    int palette = int(m_palette);
    profile.Exchange(saving, "", "Width", width);
    profile.Exchange(saving, "", "Height", height);
    profile.Exchange(saving, "", "BG", background);
    profile.Exchange(saving, "", "Palette", palette);
    if (!saving) {
        // A hand-edited file must not lead to a canvas the program cannot make.
        SetSize(width, height);
        m_background = ChoiceFromInt<ENewDocumentBackground>(background, GetBackgroundLabels().size());
        m_palette = ChoiceFromInt<ENewDocumentPalette>(palette, GetPaletteLabels().size());
    }
}
