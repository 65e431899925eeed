#pragma once

#include <cstdint>
#include <string>

#include "support/chunk_bytes.h"

// Hand-made native files: the identifier, a stored length and the chunk
// stream deflated by zlib's own compress2 at the default level.
Bytes SbxIdentifier();
Bytes Deflated(const Bytes& stream);
Bytes MakeSbxFile(const Bytes& stream, uint32_t storedLength);
Bytes MakeSbxFile(const Bytes& stream);

std::string AsString(const Bytes& bytes);
Bytes AsBytes(const std::string& text);
