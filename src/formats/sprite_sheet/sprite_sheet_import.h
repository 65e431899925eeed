#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "model/geometry.h"

class CFile;
class CStippleboxData;

// A sprite sheet cut back into layers: the cells of the frame size, with the
// padding between them, read left to right and top to bottom, become the
// layers from the backmost forward, as the sheet export lays them out. The
// palette and the transparent entry come from the sheet.
struct SSpriteSheetSlicing {
    CSize frameSize;
    int padding = 0;
    int frameCount = 0;  // 0: every whole cell
};

// Reads an 8-bit palette PNG sheet. Null with the reason in *error.
std::unique_ptr<CStippleboxData> ImportSpriteSheet(CFile& file, const SSpriteSheetSlicing& slicing,
                                                   std::string* error);
std::unique_ptr<CStippleboxData> ImportSpriteSheet(const std::filesystem::path& path,
                                                   const SSpriteSheetSlicing& slicing, std::string* error);
