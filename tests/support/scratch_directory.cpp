#include "support/scratch_directory.h"

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

CScratchDirectory::CScratchDirectory()
{
    static std::atomic<int> counter{0};
    m_path = fs::temp_directory_path() /
             ("stipplebox-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

CScratchDirectory::~CScratchDirectory()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

size_t CScratchDirectory::GetEntryCount() const
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(m_path), fs::directory_iterator()));
}

std::string ReadFileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFileBytes(const fs::path& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

CFileSizeLimitScope::CFileSizeLimitScope(uint64_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of killing the process
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_previousLimit = limit.rlim_cur;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

CFileSizeLimitScope::~CFileSizeLimitScope()
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_previousLimit;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}
