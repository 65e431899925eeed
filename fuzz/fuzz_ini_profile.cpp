// The settings profile reader on any file content, with every kind of value
// read from the sections and keys the program uses.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/ini_profile.h"

namespace {

// The file's content lives in memory: the reader opens it by a path like any
// settings file, without a disk in the way of every run.
const std::filesystem::path& MemoryFile(int& descriptor)
{
    static const int fd = memfd_create("fuzz_ini_profile", 0);
    static const std::filesystem::path path = "/proc/self/fd/" + std::to_string(fd);
    descriptor = fd;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int fd = -1;
    const std::filesystem::path& path = MemoryFile(fd);
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        std::abort();
    }
    CIniProfile profile(path, true, false);
    for (const char* section : {"", "General", "Small", "Medium", "Draw"}) {
        for (const char* key : {"Rect", "Zoom", "Interval", "Limit", "Visible"}) {
            std::string text = profile.GetString(section, key, "default");
            int number = profile.GetInt(section, key, -1);
            CRect rect;
            CPoint point;
            CSize extent;
            uint8_t byte = 0;
            bool flag = false;
            profile.Exchange(false, section, key, text);
            profile.Exchange(false, section, key, number);
            profile.Exchange(false, section, key, rect);
            profile.Exchange(false, section, key, point);
            profile.Exchange(false, section, key, extent);
            profile.Exchange(false, section, key, byte);
            profile.Exchange(false, section, key, flag);
        }
    }
    return 0;
}
