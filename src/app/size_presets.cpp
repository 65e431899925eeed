#include "app/size_presets.h"

#include <charconv>
#include <string_view>

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

}  // namespace

const std::vector<std::string>& GetSizePresetLabels()
{
    static const std::vector<std::string> labels = {"プリセット", "16 x 16",   "32 x 32",   "48 x 48",  "64 x 64",
                                                    "128 x 128",  "256 x 256", "320 x 240", "640 x 480"};
    return labels;
}

std::optional<CSize> ParseSizePreset(const std::string& label)
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

std::optional<CSize> GetSizePreset(int index)
{
    const std::vector<std::string>& labels = GetSizePresetLabels();
    if (index <= 0 || size_t(index) >= labels.size()) {
        return std::nullopt;
    }
    return ParseSizePreset(labels[size_t(index)]);
}
