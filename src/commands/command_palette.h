#pragma once

#include <memory>
#include <string>

#include "commands/command.h"

class CPaletteCompressData;

// Commands on the document's palettes.
class CCommandPalette : public CCommand {};

// Appends a copy of the current palette and makes it current.
class CCommandPaletteAdd final : public CCommandPalette {
public:
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    int m_previousIndex = 0;
};

class CCommandPaletteCurChange final : public CCommandPalette {
public:
    explicit CCommandPaletteCurChange(int index) : m_newIndex(index) {}
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    int m_newIndex;
    int m_oldIndex = 0;
};

// Deletes the current palette; the last one stays.
class CCommandPaletteDelete final : public CCommandPalette {
public:
    CCommandPaletteDelete();
    ~CCommandPaletteDelete() override;
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    std::unique_ptr<CPaletteCompressData> m_palette;
    int m_index = 0;
};

// Renames the current palette; every run exchanges the names.
class CCommandPaletteProperty final : public CCommandPalette {
public:
    explicit CCommandPaletteProperty(std::u16string name) : m_name(std::move(name)) {}
    bool Execute() override;
    void Undo() override;
    void Redo() override;
    int GetDataSize() const override;
    std::string GetTitle() const override;

private:
    std::u16string m_name;
};
