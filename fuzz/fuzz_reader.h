#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/serializer_image_file.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"

// Reads the bytes with a format's reader as the editor would open a file. A
// refusal, as a false result or a framework exception, is a clean outcome;
// anything else (a crash, a sanitizer report, another exception) is a find.
template <class TSerializer>
int FuzzRead(const uint8_t* data, size_t size)
{
    // The memory file only reads the block.
    CMemFile file(std::span<uint8_t>(const_cast<uint8_t*>(data), size));
    TSerializer serializer;
    CStippleboxData document;
    try {
        serializer.ReadFrom(file, &document, false);
    } catch (const CException&) {
    }
    return 0;
}
