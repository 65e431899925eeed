#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

class CFile;

// The two key settings files, "Accelerator.dat" and "ToolSubKey.dat". Both
// are little-endian: an identifier of UTF-16 code units without length or
// terminator, a 16-bit version, a count and fixed-size records.

struct SKeyBinding {
    uint16_t command = 0;
    uint8_t key = 0;
    uint8_t modifiers = 0;
    bool operator==(const SKeyBinding&) const = default;
};

struct SSubKeyAssignment {
    uint16_t item = 0;
    uint8_t key = 0;
    bool operator==(const SSubKeyAssignment&) const = default;
};

enum class EKeyFileStatus {
    Read,
    WrongIdentifier,  // another kind of file, or too short to hold the identifier
    Unusable,         // a version the reader does not take, or data that ends early
};

// Version 0 is written; any version is read. A count larger than the
// records that follow makes the file unusable before anything is read.
EKeyFileStatus ReadAcceleratorFile(CFile& file, const std::u16string& identifier,
                                   std::vector<SKeyBinding>& bindings);
void WriteAcceleratorFile(CFile& file, const std::u16string& identifier, std::span<const SKeyBinding> bindings);

// Version 1 only.
EKeyFileStatus ReadToolSubKeyFile(CFile& file, const std::u16string& identifier,
                                  std::vector<SSubKeyAssignment>& assignments);
void WriteToolSubKeyFile(CFile& file, const std::u16string& identifier,
                         std::span<const SSubKeyAssignment> assignments);

// Opens the path and reads it; a file that cannot be opened is Unusable.
EKeyFileStatus ReadKeyFile(const std::filesystem::path& path, const std::function<EKeyFileStatus(CFile&)>& read);
// Writes the path through a temporary file, so a failed save leaves the old
// file as it was; false when it could not be written.
bool WriteKeyFile(const std::filesystem::path& path, const std::function<void(CFile&)>& write);
