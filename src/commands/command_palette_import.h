#pragma once

#include <memory>
#include <string>

#include "commands/command_palette.h"
#include "formats/palette_files/palette_file.h"

// A palette file's colours brought into the document as one step. When the
// file marks a transparent entry, that entry becomes the background colour
// (the layers' transparent entry) in the same step.
class CCommandPaletteImport : public CCommandPalette {
public:
    std::string GetTitle() const override;

protected:
    explicit CCommandPaletteImport(SPaletteFile file) : m_file(std::move(file)) {}

    // Makes the file's transparent entry, placed from the first entry on, the
    // background colour, remembering the old one.
    void TakeTransparentEntry(int firstEntry);
    void RestoreBackground();
    int GetFileDataSize() const;

    SPaletteFile m_file;

private:
    uint8_t m_previousBackground = 0;
};

// As a new palette, a copy of the current one with the file's colours from
// entry 0 on, made current.
class CCommandPaletteImportNew final : public CCommandPaletteImport {
public:
    explicit CCommandPaletteImportNew(SPaletteFile file) : CCommandPaletteImport(std::move(file)) {}
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;

private:
    int m_previousIndex = 0;
};

// Into the current palette from the first entry on; the other entries keep
// their colours.
class CCommandPaletteImportInto final : public CCommandPaletteImport {
public:
    CCommandPaletteImportInto(SPaletteFile file, int firstEntry);
    ~CCommandPaletteImportInto() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;

private:
    int m_firstEntry;
    std::unique_ptr<CStippleboxPalette> m_before;
};
