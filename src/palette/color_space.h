#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/stipplebox_palette.h"

// Three channel values, channel 0 first: (R, G, B), (H, S, V) or (H, L, S).
using CColorTriple = std::array<uint16_t, 3>;

// A colour space the palette window edits in: converts a palette colour to
// and from three channel values with exact integer formulas, so that a value
// shown on a bar always gives the same colour.
class CColorSpace {
public:
    virtual ~CColorSpace() = default;
    // 0 RGB, 1 HSV, 2 HLS; −1 for none.
    virtual int Id() const;
    virtual std::string Name() const;
    virtual CColorTriple MaxValues() const;
    virtual CColorTriple FromRgb(const SPaletteColor& color) const;
    virtual SPaletteColor ToRgb(const CColorTriple& triple) const;
    // Fills the channels other than `channel` with the values its gradient is
    // drawn with, when that gradient does not depend on them.
    virtual bool FixedOthers(int channel, CColorTriple& triple) const;
};

class CColorSpaceRGB final : public CColorSpace {
public:
    int Id() const override { return 0; }
    std::string Name() const override { return "RGB"; }
    CColorTriple MaxValues() const override { return {255, 255, 255}; }
    CColorTriple FromRgb(const SPaletteColor& color) const override;
    SPaletteColor ToRgb(const CColorTriple& triple) const override;
    bool FixedOthers(int channel, CColorTriple& triple) const override;
};

// Hue in degrees 0–359, saturation and value 0–255.
class CColorSpaceHSV final : public CColorSpace {
public:
    int Id() const override { return 1; }
    std::string Name() const override { return "HSV"; }
    CColorTriple MaxValues() const override { return {359, 255, 255}; }
    CColorTriple FromRgb(const SPaletteColor& color) const override;
    SPaletteColor ToRgb(const CColorTriple& triple) const override;
    bool FixedOthers(int channel, CColorTriple& triple) const override;
};

// Hue in degrees 0–359, lightness and saturation 0–255.
class CColorSpaceHLS final : public CColorSpace {
public:
    int Id() const override { return 2; }
    std::string Name() const override { return "HLS"; }
    CColorTriple MaxValues() const override { return {359, 255, 255}; }
    CColorTriple FromRgb(const SPaletteColor& color) const override;
    SPaletteColor ToRgb(const CColorTriple& triple) const override;
    bool FixedOthers(int channel, CColorTriple& triple) const override;
};

inline constexpr int kColorSpaceCount = 3;
// The space of the identifier; RGB for any identifier out of range.
std::unique_ptr<CColorSpace> CreateColorSpace(int id);
