#pragma once

#include "commands/command_image_effect.h"

// Fills the selection, or the linked layers, with the background colour.
class CCommandImageEffectDelete : public CCommandImageEffect {
public:
    std::string GetTitle() const override { return "削除"; }

protected:
    void TransformInPlace(uint8_t* pixels, int width, int height, uint8_t* mask) override;
};

// Delete, after a copy to the editor's clipboard.
class CCommandImageEffectCut final : public CCommandImageEffectDelete {
public:
    bool Execute() override;
    int GetDataSize() const override { return CCommandImageEffectDelete::GetDataSize() + 48; }
    std::string GetTitle() const override { return "切り取り"; }
};

// Base of the flips: the mask turns with the pixels, and a second flip
// undoes the first, so nothing is kept.
class CCommandImageEffectFlip : public CCommandImageEffect {
protected:
    bool UsesMask() const override { return true; }
    bool ChangesMask() const override { return true; }
    bool SelfInverse() const override { return true; }
};

class CCommandImageEffectFlipHorz final : public CCommandImageEffectFlip {
public:
    std::string GetTitle() const override { return "左右反転"; }

protected:
    void TransformInPlace(uint8_t* pixels, int width, int height, uint8_t* mask) override;
};

class CCommandImageEffectFlipVert final : public CCommandImageEffectFlip {
public:
    std::string GetTitle() const override { return "上下反転"; }

protected:
    void TransformInPlace(uint8_t* pixels, int width, int height, uint8_t* mask) override;
};

// Base of rotation and scaling: a block of a new size, which the mask moved
// along with the pixels trims to what they cover.
class CCommandImageEffectReshape : public CCommandImageEffect {
protected:
    bool UsesMask() const override { return true; }
    bool ChangesMask() const override { return true; }
    bool ChangesSize() const override { return true; }
};

// Rotation by any angle in degrees, counter-clockwise on screen. Without a
// selection the canvas becomes the bounding box of the turned picture.
class CCommandImageEffectRotate final : public CCommandImageEffectReshape {
public:
    explicit CCommandImageEffectRotate(float angle) : m_angle(angle) {}
    int GetDataSize() const override { return CCommandImageEffect::GetDataSize() + 52; }
    std::string GetTitle() const override { return "回転"; }

protected:
    STransformedBlock TransformResize(const uint8_t* pixels, int width, int height, const uint8_t* mask) override;

private:
    float m_angle;
};

// Nearest-pixel scaling to a new size. The interpolate choice is kept, but
// every scaling takes the nearest pixel.
class CCommandImageEffectScaling final : public CCommandImageEffectReshape {
public:
    CCommandImageEffectScaling(int width, int height, bool interpolate)
        : m_width(width), m_height(height), m_interpolate(interpolate)
    {
    }
    int GetDataSize() const override { return CCommandImageEffect::GetDataSize() + 60; }
    std::string GetTitle() const override { return "拡大・縮小"; }

protected:
    STransformedBlock TransformResize(const uint8_t* pixels, int width, int height, const uint8_t* mask) override;

private:
    int m_width;
    int m_height;
    [[maybe_unused]] bool m_interpolate;  // the user's choice, kept; no scaler interpolates
};
