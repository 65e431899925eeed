#pragma once

#include <cstdint>
#include <span>
#include <string>

// The SHA-256 digest of the bytes as 64 lowercase hexadecimal digits.
std::string Sha256Hex(std::span<const uint8_t> bytes);
