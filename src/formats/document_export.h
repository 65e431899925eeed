#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CSerializerImage;
class CStippleboxData;

// Saving and exporting a document through a serializer, shared by the editor
// and the batch converter.

// What the format loses of the document, one line each: merged layers
// and the palettes other than the current one.
std::vector<std::string> GetSaveWarnings(const CStippleboxData& data, uint32_t storeFlags);
// The question asked before a save that loses them.
std::string FormatSaveWarningQuestion(const std::vector<std::string>& warnings);

// Writes the document. When the format keeps one layer of several, the
// merged picture stands in for the layers while it writes; the document's
// own layers are back in place afterwards, even when the write throws.
bool WriteDocument(CSerializerImage& serializer, const std::filesystem::path& path, CStippleboxData& data);

// The i-th file of a numbered export: picture.png gives picture_000.png,
// picture_001.png, ...
std::filesystem::path MakeNumberedPath(const std::filesystem::path& path, int i);

// Writes each layer, with the current palette, to its numbered file, the
// backmost layer (the highest index) to number 0. Stops at the first failed
// write and puts its path in *failedPath; files written before it stay.
bool ExportNumberedLayers(CSerializerImage& serializer, const std::filesystem::path& path,
                          const CStippleboxData& data, std::filesystem::path* failedPath);
