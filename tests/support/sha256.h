// SHA-256 of a byte block, for checking embedded data against its published digest.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The digest as 64 lower-case hex digits.
std::string sha256Hex(const uint8_t* data, size_t size);
