#include "formats/dpx_run_length.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kMaxRun = 255;

}  // namespace

std::vector<uint8_t> EncodeDpxRunLength(std::span<const uint8_t> bytes)
{
    std::vector<uint8_t> code;
    code.reserve(bytes.size() / 4 + 16);
    for (size_t i = 0; i < bytes.size();) {
        const uint8_t value = bytes[i];
        size_t run = 1;
        while (run < kMaxRun && i + run < bytes.size() && bytes[i + run] == value) {
            ++run;
        }
        code.push_back(value);
        if (run >= 2) {
            code.insert(code.end(), {value, static_cast<uint8_t>(run)});
        }
        i += run;
    }
    return code;
}

bool DecodeDpxRunLength(std::span<const uint8_t> code, std::span<uint8_t> output)
{
    size_t in = 0;
    size_t out = 0;
    bool canPair = false;  // the byte before may start a run
    while (out < output.size()) {
        if (in == code.size()) {
            return false;
        }
        const uint8_t value = code[in++];
        output[out++] = value;
        if (!canPair || output[out - 2] != value) {
            canPair = true;
            continue;
        }
        canPair = false;  // the byte after the count starts afresh
        if (out == output.size()) {
            break;
        }
        if (in == code.size()) {
            return false;
        }
        const size_t run = code[in++];
        const size_t more = std::min(run > 2 ? run - 2 : 0, output.size() - out);
        std::memset(output.data() + out, value, more);
        out += more;
    }
    return true;
}
