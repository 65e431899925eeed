#include "app/new_document_dlg.h"

#include <algorithm>
#include <charconv>

#include "app/ini_profile.h"
#include "app/modal_dialogs.h"
#include "model/stipplebox_data.h"

namespace {

std::optional<int> LeadingNumber(std::string_view text)
{
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
    return error == std::errc() ? std::optional<int>(value) : std::nullopt;
}

// A stored choice outside the list falls back to the first entry.
template <class E>
E ChoiceFromInt(int value, size_t count)
{
    return value >= 0 && size_t(value) < count ? E(value) : E(0);
}

}  // namespace

const std::vector<std::string>& CNewDocumentDlg::GetPresetLabels()
{
    static const std::vector<std::string> labels = {"プリセット", "16 x 16",   "32 x 32",   "48 x 48",  "64 x 64",
                                                    "128 x 128",  "256 x 256", "320 x 240", "640 x 480"};
    return labels;
}

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

std::optional<CSize> CNewDocumentDlg::ParsePreset(const std::string& label)
{
    const size_t x = label.find('x');
    if (x == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<int> width = LeadingNumber(std::string_view(label).substr(0, x));
    const std::optional<int> height = LeadingNumber(std::string_view(label).substr(x + 1));
    if (!width || !height) {
        return std::nullopt;
    }
    return CSize{*width, *height};
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
    const std::vector<std::string>& labels = GetPresetLabels();
    if (index <= 0 || size_t(index) >= labels.size()) {
        return;
    }
    if (const std::optional<CSize> size = ParsePreset(labels[size_t(index)])) {
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
