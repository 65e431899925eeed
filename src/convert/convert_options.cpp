#include "convert/convert_options.h"

#include <algorithm>
#include <charconv>

std::optional<int> ParseCount(const std::string& text)
{
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), ::isdigit)) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<std::map<std::string, int>> ParseIntegerOptions(const std::vector<std::string>& arguments,
                                                              size_t first, size_t last,
                                                              const std::vector<std::string>& allowed)
{
    if (first > last || (last - first) % 2 != 0) {
        return std::nullopt;
    }
    std::map<std::string, int> options;
    for (size_t i = first; i < last; i += 2) {
        const std::optional<int> value = ParseCount(arguments[i + 1]);
        if (std::find(allowed.begin(), allowed.end(), arguments[i]) == allowed.end() || !value ||
            !options.emplace(arguments[i], *value).second) {
            return std::nullopt;
        }
    }
    return options;
}

int ValueOrZero(const std::map<std::string, int>& options, const std::string& name)
{
    const auto found = options.find(name);
    return found == options.end() ? 0 : found->second;
}
