#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/key_files.h"
#include "platform/file.h"

// Reads the bytes with one of the key settings files' readers. Every status
// is a clean outcome; a crash, a sanitizer report or an exception that
// escapes is a find.
template <class Record>
int FuzzKeyFile(const uint8_t* data, size_t size, const std::u16string& identifier,
                EKeyFileStatus (*read)(CFile&, const std::u16string&, std::vector<Record>&))
{
    // The memory file only reads the block.
    CMemFile file(std::span<uint8_t>(const_cast<uint8_t*>(data), size));
    std::vector<Record> records;
    read(file, identifier, records);
    return 0;
}
