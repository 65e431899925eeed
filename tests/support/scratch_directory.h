#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// An empty folder of its own for one test, removed with its contents after.
class CScratchDirectory {
public:
    CScratchDirectory();
    ~CScratchDirectory();
    CScratchDirectory(const CScratchDirectory&) = delete;
    CScratchDirectory& operator=(const CScratchDirectory&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    // Leftover temporary files show here.
    size_t GetEntryCount() const;

private:
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// While it lives, a write that would grow a file past the limit fails with
// EFBIG, as on a disk that fills up half-way.
class CFileSizeLimitScope {
public:
    explicit CFileSizeLimitScope(uint64_t bytes);
    ~CFileSizeLimitScope();
    CFileSizeLimitScope(const CFileSizeLimitScope&) = delete;
    CFileSizeLimitScope& operator=(const CFileSizeLimitScope&) = delete;

private:
    uint64_t m_previousLimit;
};
