#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/sprite_sheet/sprite_sheet_layout.h"

class CFile;
class CStippleboxData;

// The layers as the frames of one sprite sheet: an 8-bit palette PNG of the
// current palette, whose background colour (the layers' transparent entry)
// is transparent, and a JSON file beside it that tells the sheet's size and,
// per frame, its rectangle, its duration in milliseconds and its layer's
// name, and the palette. The frames come in the order of the animated GIF:
// the backmost layer first.

struct SSpriteSheetOptions {
    int columns = 0;  // 0: all frames in one row
    int padding = 0;
};

SSpriteSheetLayout MakeSpriteSheetLayout(const CStippleboxData& data, const SSpriteSheetOptions& options);

// Row y of the sheet's palette indices into row (the sheet's width): each
// frame's layer in its cell, the background colour between and after the
// frames. A row at a time, so that a large sheet is never held whole.
void ComposeSpriteSheetRow(const CStippleboxData& data, const SSpriteSheetLayout& layout, int y, uint8_t* row);

// The JSON text; imageName is the sheet's file name as the JSON refers to it.
std::string FormatSpriteSheetJson(const CStippleboxData& data, const SSpriteSheetLayout& layout,
                                  const std::string& imageName);

// The JSON file that goes with a sheet: the same name ending in ".json".
std::filesystem::path GetSpriteSheetJsonPath(const std::filesystem::path& sheetPath);

// Writes the sheet and its JSON into open files, committing neither.
bool WriteSpriteSheet(const CStippleboxData& data, const SSpriteSheetOptions& options, CFile& sheet, CFile& json,
                      const std::string& imageName, std::string* error);

// Writes both files; existing ones are replaced only when both are complete.
// The sheet's name must end in ".png". False with the reason in *error.
bool ExportSpriteSheet(const CStippleboxData& data, const std::filesystem::path& sheetPath,
                       const SSpriteSheetOptions& options, std::string* error);
