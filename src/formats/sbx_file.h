#pragma once

#include <filesystem>
#include <string>

class CFile;
class CStippleboxChunkSerializer;

// The native ".sbx" layout: the object's name as UTF-16 code units, the
// 32-bit length of its chunk stream, then that stream as one zlib stream.
//
// Every operation returns false on failure with the message in *errorText,
// or shown in an OK box when errorText is null. A file or memory exception
// while reading shows its own box and stores no text.
namespace sbx {

// Opens the path and loads or saves through it. A save replaces the file only
// once everything is written; a failed save leaves the old file as it was.
bool LoadFile(CStippleboxChunkSerializer& object, const std::filesystem::path& path, std::string* errorText);
bool SaveFile(CStippleboxChunkSerializer& object, const std::filesystem::path& path, std::string* errorText);

bool Load(CStippleboxChunkSerializer& object, CFile& file, std::string* errorText);
bool Save(CStippleboxChunkSerializer& object, CFile& file, std::string* errorText);

// The message, followed by two line breaks and the detail when there is one.
void ReportError(std::string* errorText, const std::string& message, const std::string& detail);

}  // namespace sbx
