#pragma once

#include <cstdint>
#include <span>

// One icon as the program carries it: the PNG files of its 1x and 2x
// pictures, and the code it is found by (a command ID, a layer mark's
// character code, or the application icon's code).
struct SEmbeddedIcon {
    unsigned code;
    std::span<const uint8_t> png1x;
    std::span<const uint8_t> png2x;
};

// Every icon, in the order of their codes (generated from icons/icons.tsv).
std::span<const SEmbeddedIcon> GetEmbeddedIcons();
