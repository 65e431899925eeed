#include "app/key_files.h"

#include "formats/stipplebox_file_utility.h"
#include "platform/exceptions.h"
#include "platform/file.h"

namespace {

constexpr uint16_t kAcceleratorVersion = 0;
constexpr uint16_t kToolSubKeyVersion = 1;
constexpr uint64_t kBindingBytes = 4;
constexpr uint64_t kAssignmentBytes = 3;

// Reads the identifier and the version; false when the identifier differs.
bool ReadHeader(CStippleboxFileUtility& reader, const std::u16string& identifier, uint16_t& version)
{
    if (reader.GetLength() < identifier.size() * 2 || reader.ReadString(uint32_t(identifier.size())) != identifier) {
        return false;
    }
    version = reader.ReadWord();
    return true;
}

bool RecordsFit(const CStippleboxFileUtility& reader, uint64_t count, uint64_t recordBytes)
{
    return count * recordBytes <= reader.GetLength() - reader.GetPosition();
}

// Runs the reads; a read that comes up short makes the file unusable.
template <class Read>
EKeyFileStatus ReadGuarded(CFile& file, Read read)
{
    CStippleboxFileUtility reader;
    reader.Attach(&file, false);
    try {
        return read(reader);
    } catch (const CFileException&) {
        return EKeyFileStatus::Unusable;
    }
}

}  // namespace

EKeyFileStatus ReadAcceleratorFile(CFile& file, const std::u16string& identifier,
                                   std::vector<SKeyBinding>& bindings)
{
    bindings.clear();
    return ReadGuarded(file, [&](CStippleboxFileUtility& reader) {
        uint16_t version = 0;
        if (!ReadHeader(reader, identifier, version)) {
            return EKeyFileStatus::WrongIdentifier;
        }
        const uint32_t count = reader.ReadDword();
        if (!RecordsFit(reader, count, kBindingBytes)) {
            return EKeyFileStatus::Unusable;
        }
        bindings.reserve(count);
        for (uint32_t i = 0; i < count; ++i) {
            SKeyBinding binding;
            binding.command = reader.ReadWord();
            binding.key = reader.ReadByte();
            binding.modifiers = reader.ReadByte();
            bindings.push_back(binding);
        }
        return EKeyFileStatus::Read;
    });
}

void WriteAcceleratorFile(CFile& file, const std::u16string& identifier, std::span<const SKeyBinding> bindings)
{
    CStippleboxFileUtility writer;
    writer.Attach(&file, false);
    writer.WriteString(identifier, false);
    writer.WriteWord(kAcceleratorVersion);
    writer.WriteDword(uint32_t(bindings.size()));
    for (const SKeyBinding& binding : bindings) {
        writer.WriteWord(binding.command);
        writer.WriteByte(binding.key);
        writer.WriteByte(binding.modifiers);
    }
}

EKeyFileStatus ReadToolSubKeyFile(CFile& file, const std::u16string& identifier,
                                  std::vector<SSubKeyAssignment>& assignments)
{
    assignments.clear();
    return ReadGuarded(file, [&](CStippleboxFileUtility& reader) {
        uint16_t version = 0;
        if (!ReadHeader(reader, identifier, version)) {
            return EKeyFileStatus::WrongIdentifier;
        }
        if (version != kToolSubKeyVersion) {
            return EKeyFileStatus::Unusable;
        }
        const uint16_t count = reader.ReadWord();
        if (!RecordsFit(reader, count, kAssignmentBytes)) {
            return EKeyFileStatus::Unusable;
        }
        for (uint16_t i = 0; i < count; ++i) {
            SSubKeyAssignment assignment;
            assignment.item = reader.ReadWord();
            assignment.key = reader.ReadByte();
            assignments.push_back(assignment);
        }
        return EKeyFileStatus::Read;
    });
}

void WriteToolSubKeyFile(CFile& file, const std::u16string& identifier,
                         std::span<const SSubKeyAssignment> assignments)
{
    CStippleboxFileUtility writer;
    writer.Attach(&file, false);
    writer.WriteString(identifier, false);
    writer.WriteWord(kToolSubKeyVersion);
    writer.WriteWord(uint16_t(assignments.size()));
    for (const SSubKeyAssignment& assignment : assignments) {
        writer.WriteWord(assignment.item);
        writer.WriteByte(assignment.key);
    }
}

EKeyFileStatus ReadKeyFile(const std::filesystem::path& path, const std::function<EKeyFileStatus(CFile&)>& read)
{
    CFile file;
    if (!file.Open(path, CFile::OpenMode::Read)) {
        return EKeyFileStatus::Unusable;
    }
    return read(file);
}

bool WriteKeyFile(const std::filesystem::path& path, const std::function<void(CFile&)>& write)
{
    CFile file;
    if (!file.Open(path, CFile::OpenMode::Write)) {
        return false;
    }
    try {
        write(file);
        file.Commit();
    } catch (const CFileException&) {
        return false;  // closing without Commit discards the temporary file
    }
    return true;
}
