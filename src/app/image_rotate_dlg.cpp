#include "app/image_rotate_dlg.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "app/ini_profile.h"
#include "app/modal_dialogs.h"
#include "commands/command_image_effects.h"

namespace {

// The leading decimal number of the text, as a single-precision value.
// Infinities and not-a-number are not angles, and neither are spellings
// other than digits, a point and an exponent.
float LeadingDecimal(const std::string& text)
{
    const char* begin = text.c_str();
    const char* end = begin + text.size();
    while (begin != end && std::strchr(" \t", *begin) != nullptr) {
        ++begin;
    }
    bool negative = false;
    if (begin != end && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin;
    }
    if (begin == end || std::strchr("0123456789.", *begin) == nullptr) {
        return 0.0f;
    }
    double value = 0.0;
    std::from_chars(begin, end, value, std::chars_format::general);
    const auto angle = static_cast<float>(negative ? -value : value);
    return std::isfinite(angle) ? angle : 0.0f;
}

}  // namespace

CImageRotateDlg::CImageRotateDlg(std::filesystem::path profilePath) : m_profilePath(std::move(profilePath)) {}

bool CImageRotateDlg::DoModal(IModalDialogs& dialogs)
{
    Exchange(false);
    if (!dialogs.RunImageRotate(*this)) {
        return false;
    }
    Exchange(true);
    return true;
}

void CImageRotateDlg::Exchange(bool saving)
{
    CIniProfile profile(m_profilePath, !saving, saving);
    int direction = m_direction;
    profile.Exchange(saving, "", "Dir", direction);
    m_direction = direction == kRight ? kRight : kLeft;
}

float CImageRotateDlg::GetAngle() const
{
    const float angle = LeadingDecimal(m_angleText);
    return m_direction == kRight ? -angle : angle;
}

std::unique_ptr<CCommand> CImageRotateDlg::CreateCommand() const
{
    const float angle = GetAngle();
    if (angle == 0.0f) {
        return nullptr;
    }
    return std::make_unique<CCommandImageEffectRotate>(angle);
}
