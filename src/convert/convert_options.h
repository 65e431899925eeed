#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Named integer options of the converter ("--columns 4"): the arguments from
// first to last must be pairs of a name that allowed lists and a decimal
// value of 0 or more. Nothing when they are not; a name not given is absent
// from the result.
std::optional<std::map<std::string, int>> ParseIntegerOptions(const std::vector<std::string>& arguments,
                                                              size_t first, size_t last,
                                                              const std::vector<std::string>& allowed);

// The option's value, 0 when it was not given.
int ValueOrZero(const std::map<std::string, int>& options, const std::string& name);

// A decimal value of 0 or more (at most nine digits), or nothing.
std::optional<int> ParseCount(const std::string& text);
