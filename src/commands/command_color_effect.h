#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_color.h"

class CColorCompressData;

// Recolours the entries of the current palette's entry selection, or every
// entry when nothing is selected, keeping their colours for undo.
class CCommandColorEffect : public CCommandColor {
public:
    CCommandColorEffect();
    ~CCommandColorEffect() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;

    // Recolours the entries the 256-byte mask marks.
    virtual void Apply(const uint8_t* mask, CStippleboxPalette& palette);
    virtual bool IsApplicable() const;

private:
    static std::vector<uint8_t> GetTargetMask();

    std::unique_ptr<CColorCompressData> m_colors;
};

// A gradation from the first selected entry's colour to the last one's.
class CCommandColorEffectGradation final : public CCommandColorEffect {
public:
    bool Execute() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;
    void Apply(const uint8_t* mask, CStippleboxPalette& palette) override;
    bool IsApplicable() const override;
};
