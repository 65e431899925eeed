#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "commands/command.h"
#include "model/stipplebox_palette.h"

// Commands on the entries of the current palette. The palette window shows
// copies, swaps, moves and colour changes live while the pen drags; these
// commands finish such a change and make it undoable.
class CCommandColor : public CCommand {
protected:
    static void MakeDrawingColor(int entry);
};

// An entry copied onto another by a drag in the palette grid.
class CCommandColorCopy final : public CCommandColor {
public:
    // before: the destination entry as it was before the drag (entry 0 of a
    // one-entry palette).
    CCommandColorCopy(int destination, int source, std::unique_ptr<CStippleboxPalette> before);
    ~CCommandColorCopy() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    uint8_t m_source;
    uint8_t m_destination;
    std::unique_ptr<CStippleboxPalette> m_before;
};

// A colour set with the value bars; every run exchanges the entry's colour,
// channel triple and colour space with the stored ones.
class CCommandColorDragChange final : public CCommandColor {
public:
    CCommandColorDragChange(int entry, SPaletteColor color, const std::array<uint16_t, 3>& triple,
                            uint8_t colorSpaceId);
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    uint8_t m_entry;
    SPaletteColor m_color;
    std::array<uint16_t, 3> m_triple;
    uint8_t m_colorSpaceId;
};

// Two entries exchanged; with keep-look the picture is renumbered so that it
// looks the same.
class CCommandColorSwap final : public CCommandColor {
public:
    CCommandColorSwap(int target, int start, bool keepLook);
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    void RemapPicture() const;

    bool m_keepLook;
    uint8_t m_a;
    uint8_t m_b;
};

// An entry moved to another position, the entries between shifting by one;
// with keep-look the picture is renumbered so that it looks the same. Each
// run reverses the move it is left with.
class CCommandColorInsert final : public CCommandColor {
public:
    CCommandColorInsert(int target, int start, bool keepLook);
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    // Renumbers the picture for the stored move (with keep-look), refreshes
    // and turns the move round.
    void FinishMove();

    bool m_keepLook;
    uint8_t m_from;
    uint8_t m_to;
};
