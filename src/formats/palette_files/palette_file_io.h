#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/palette_files/palette_file.h"

// Palette files on disk, their format chosen by the file name's extension
// (case-insensitive), as picture files are.

// Larger files are refused before they are read: the longest palette a
// format describes takes a few kilobytes.
constexpr uint64_t kMaxPaletteFileBytes = 1 << 20;

// GIMP, JASC, Adobe and hex, in the order the file dialogs list them.
const std::vector<SPaletteFileFormat>& GetPaletteFileFormats();
// Null when no format has the path's extension.
const SPaletteFileFormat* FindPaletteFileFormat(const std::filesystem::path& path);

// "全てのパレット形式|" with every pattern, then "label|*ext|" for each format,
// then a final "|"; the save filter has no all-formats entry.
std::string BuildPaletteOpenFilter();
std::string BuildPaletteSaveFilter();

// Reads the file. A palette without a name of its own takes the file's name
// without its extension. False with the reason in *error; *palette is then
// unchanged.
bool ReadPaletteFile(const std::filesystem::path& path, SPaletteFile* palette, std::string* error);
// Writes the file; an existing file is replaced only by a complete one.
bool WritePaletteFile(const std::filesystem::path& path, const SPaletteFile& palette, std::string* error);
