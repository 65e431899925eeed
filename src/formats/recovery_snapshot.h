#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

class CFile;
class CStippleboxData;

// A recovery snapshot is a native document file whose chunk stream starts
// with a record of its own: the version of this layout and the path the
// document was opened from or saved to. Readers of the native format skip
// the record, so a snapshot also opens as an ordinary document.
//
// Taking a snapshot is split so that the user-interface thread only copies:
// Capture writes the chunk stream uncompressed into memory; Write, on any
// thread, compresses it into the file.
namespace recovery {

// Snapshots whose record carries a higher version are refused as made by a
// newer program.
constexpr uint32_t kSnapshotVersion = 1;

// Memory for a captured stream, handed from one snapshot to the next:
// writing into memory in use costs the copy only, while fresh memory costs
// the system far more to hand out than the copy itself.
struct SSnapshotMemory {
    std::unique_ptr<uint8_t[]> bytes;
    size_t capacity = 0;
};

struct SCapturedSnapshot {
    std::u16string name;  // the identifier at the start of the file
    SSnapshotMemory memory;
    size_t size = 0;  // of the stream, at the start of the memory
};

// The bytes Capture needs for the document.
size_t MeasureCapture(CStippleboxData& document, const std::filesystem::path& documentPath);
// The document's chunk stream behind the record, copied out of the document
// into the memory given when it is large enough, else into new memory.
SCapturedSnapshot Capture(CStippleboxData& document, const std::filesystem::path& documentPath,
                          SSnapshotMemory memory = {});

// Writes the captured stream as a native file through a temporary file that
// replaces the target only when complete. False with the reason in error.
bool Write(const SCapturedSnapshot& snapshot, const std::filesystem::path& target, std::string& error);

// Reads a snapshot into a fresh document, giving the document's path. False
// with the reason in error for a damaged snapshot, one of a newer program or
// a plain document file without the record.
bool Read(const std::filesystem::path& path, CStippleboxData& document, std::filesystem::path& documentPath,
          std::string& error);
bool ReadFrom(CFile& file, CStippleboxData& document, std::filesystem::path& documentPath, std::string& error);

}  // namespace recovery
