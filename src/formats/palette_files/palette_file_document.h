#pragma once

#include <optional>
#include <string>

#include "formats/palette_files/palette_file.h"

class CStippleboxData;

// What a palette export writes of a document and where an import puts the
// colours of a palette file.

// The current palette's colours under its name, with the background colour
// (the layers' transparent entry) as the transparent entry.
SPaletteFile MakePaletteFile(const CStippleboxData& data);

// Empty when the file's colours fit into a palette from the first entry on;
// otherwise the message that says why not.
std::string CheckPaletteFileFits(const SPaletteFile& file, int firstEntry);

// Sets the entries from the first on to the file's colours; the rest keep
// theirs. The entries count as set in RGB, so that a channel triple stored
// for an earlier colour is not shown for the new one.
void PutPaletteFileColors(CStippleboxPalette& palette, const SPaletteFile& file, int firstEntry);

// Appends a copy of the current palette with the file's colours from entry 0
// on, named after the file, and makes it current. False with the message in
// *error when the colours do not fit or the document has its most palettes.
bool AddPaletteFromFile(CStippleboxData& data, const SPaletteFile& file, std::string* error);

// The entry that the file's transparent entry lands on, if it has one.
std::optional<uint8_t> GetTransparentEntry(const SPaletteFile& file, int firstEntry);
