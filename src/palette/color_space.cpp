#include "palette/color_space.h"

#include <algorithm>

// Every division below truncates toward zero, as the values shown on the bars
// and stored with the palette were computed.

int CColorSpace::Id() const
{
    return -1;
}

std::string CColorSpace::Name() const
{
    return "000";
}

CColorTriple CColorSpace::MaxValues() const
{
    return {0, 0, 0};
}

CColorTriple CColorSpace::FromRgb(const SPaletteColor&) const
{
    return {0, 0, 0};
}

SPaletteColor CColorSpace::ToRgb(const CColorTriple&) const
{
    return {};
}

bool CColorSpace::FixedOthers(int, CColorTriple&) const
{
    return false;
}

CColorTriple CColorSpaceRGB::FromRgb(const SPaletteColor& color) const
{
    return {color.red, color.green, color.blue};
}

SPaletteColor CColorSpaceRGB::ToRgb(const CColorTriple& triple) const
{
    return {uint8_t(triple[2]), uint8_t(triple[1]), uint8_t(triple[0])};
}

bool CColorSpaceRGB::FixedOthers(int, CColorTriple&) const
{
    return false;
}

CColorTriple CColorSpaceHSV::FromRgb(const SPaletteColor& color) const
{
    const int r = color.red;
    const int g = color.green;
    const int b = color.blue;
    const int max = std::max({r, g, b});
    const int d = max - std::min({r, g, b});
    const int s = d > 0 ? 255 * d / max : 0;
    int h = 0;
    if (s != 0) {
        // Each channel's term is divided on its own before the difference.
        const auto term = [d](int c) { return 60 * c / d; };
        if (r == max) {
            h = term(g) - term(b);
        } else if (g == max) {
            h = 120 + term(b) - term(r);
        } else {
            h = 240 + term(r) - term(g);
        }
        if (h < 0) {
            h += 360;
        }
    }
    return {uint16_t(h), uint16_t(s), uint16_t(max)};
}

SPaletteColor CColorSpaceHSV::ToRgb(const CColorTriple& triple) const
{
    const int h = triple[0];
    const int s = triple[1] & 0xFF;
    const int v = triple[2] & 0xFF;
    if (s == 0) {
        return {uint8_t(v), uint8_t(v), uint8_t(v)};
    }
    const int sector = 6 * h / 360;
    const int r = 6 * h - 360 * sector;
    const int a = s * (360 - r) / 360;
    const int b = s * r / 360;
    const auto p = uint8_t((255 - s) * v / 255);
    const auto t = uint8_t((255 - a) * v / 255);
    const auto q = uint8_t((255 - b) * v / 255);
    const auto full = uint8_t(v);
    const auto rgb = [](uint8_t red, uint8_t green, uint8_t blue) { return SPaletteColor{blue, green, red}; };
    switch (sector) {
    case 0:
        return rgb(full, t, p);
    case 1:
        return rgb(q, full, p);
    case 2:
        return rgb(p, full, t);
    case 3:
        return rgb(p, q, full);
    case 4:
        return rgb(t, p, full);
    default:
        return rgb(full, p, q);
    }
}

bool CColorSpaceHSV::FixedOthers(int channel, CColorTriple& triple) const
{
    if (channel != 0) {
        return false;
    }
    triple[1] = 255;
    triple[2] = 255;
    return true;
}

CColorTriple CColorSpaceHLS::FromRgb(const SPaletteColor& color) const
{
    const int r = color.red;
    const int g = color.green;
    const int b = color.blue;
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    const int l = (max + min) / 2;
    if (max == min) {
        return {0, uint16_t(l), 0};
    }
    const int d = max - min;
    const int s = l < 128 ? 255 * d / (max + min) : 255 * d / (510 - max - min);
    int h = 0;
    if (r == max) {
        h = 60 * (g - b) / d;
    } else if (g == max) {
        h = 60 * (b - r) / d + 120;
    } else {
        h = 60 * (r - g) / d + 240;
    }
    if (h < 0) {
        h += 360;
    } else if (h >= 360) {
        h -= 360;
    }
    return {uint16_t(h), uint16_t(l), uint16_t(s)};
}

SPaletteColor CColorSpaceHLS::ToRgb(const CColorTriple& triple) const
{
    const int h = triple[0];
    const int l = triple[1] & 0xFF;
    const int s = triple[2] & 0xFF;
    if (s == 0) {
        return {uint8_t(l), uint8_t(l), uint8_t(l)};
    }
    const int m2 = l < 128 ? l * (255 + s) / 255 : l + s - l * s / 255;
    const int m1 = 2 * l - m2;
    const auto channel = [m1, m2](int hue) {
        if (hue < 0) {
            hue += 360;
        } else if (hue >= 360) {
            hue -= 360;
        }
        int value = m1;
        if (hue < 60) {
            value = m1 + (m2 - m1) * hue / 60;
        } else if (hue < 180) {
            value = m2;
        } else if (hue < 240) {
            value = m1 + (m2 - m1) * (240 - hue) / 60;
        }
        return uint8_t(value);
    };
    return {channel(h - 120), channel(h), channel(h + 120)};
}

bool CColorSpaceHLS::FixedOthers(int channel, CColorTriple& triple) const
{
    if (channel != 0) {
        return false;
    }
    triple[1] = 128;
    triple[2] = 255;
    return true;
}

std::unique_ptr<CColorSpace> CreateColorSpace(int id)
{
    switch (id) {
    case 1:
        return std::make_unique<CColorSpaceHSV>();
    case 2:
        return std::make_unique<CColorSpaceHLS>();
    default:
        return std::make_unique<CColorSpaceRGB>();
    }
}
