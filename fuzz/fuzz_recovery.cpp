#include <filesystem>
#include <span>
#include <string>

#include "formats/recovery_snapshot.h"
#include "model/stipplebox_data.h"
#include "platform/exceptions.h"
#include "platform/file.h"

// A recovery snapshot as the editor reads it at start. A refusal, as a false
// result or a framework exception, is a clean outcome.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemFile file(std::span<uint8_t>(const_cast<uint8_t*>(data), size));
    CStippleboxData document;
    std::filesystem::path documentPath;
    std::string error;
    try {
        recovery::ReadFrom(file, document, documentPath, error);
    } catch (const CException&) {
    }
    return 0;
}
