#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// An empty folder of its own for one test, removed with everything in it
// afterwards (even when a test left it read-only).
class CScratchDirectory {
public:
    CScratchDirectory();
    ~CScratchDirectory();
    CScratchDirectory(const CScratchDirectory&) = delete;
    CScratchDirectory& operator=(const CScratchDirectory&) = delete;

    const std::filesystem::path& GetPath() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    // How many entries the folder holds (leftover temporary files show here).
    size_t GetEntryCount() const;

private:
    std::filesystem::path m_path;
};

// Whole files as bytes.
std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Makes writes that would grow any file of this process past the limit fail
// (EFBIG) for the scope's lifetime: a disk that fills up half-way.
class CFileSizeLimitScope {
public:
    explicit CFileSizeLimitScope(uint64_t bytes);
    ~CFileSizeLimitScope();
    CFileSizeLimitScope(const CFileSizeLimitScope&) = delete;
    CFileSizeLimitScope& operator=(const CFileSizeLimitScope&) = delete;

private:
    uint64_t m_previousLimit;
    void (*m_previousHandler)(int);
};
