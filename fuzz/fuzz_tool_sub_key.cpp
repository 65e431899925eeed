#include "key_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzKeyFile(data, size, u"SBXTOOLSUBKEY", &ReadToolSubKeyFile);
}
