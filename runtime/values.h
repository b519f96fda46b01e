#pragma once
// Value operations of the runtime: conversions between numbers, texts and byte
// blocks. Pure functions, no Win32.

#include <cstdint>

#include "text.h"

namespace runtime {

// The one floating-to-integer conversion of the whole program: truncate toward
// zero into 64 bits and keep the low 32. Values outside the 64-bit range and NaN
// give what the x86 conversion gives, 0x8000000000000000, whose low half is 0.
std::int32_t truncToInt32(double x);

// Rounds toward minus infinity after lifting values that lie less than 1e-12
// short of the next integer away from zero.
std::int32_t floorToInt(double x);

// Signed decimal as "%d" prints an int32.
Text intToText(std::int32_t n);

// The text's bytes without a terminating NUL.
Bytes textToBytes(const Text& t);

// The 4 bytes of n, little-endian.
Bytes intToBytes(std::int32_t n);

// The first 4 bytes of a block as a little-endian int32; a shorter block reads
// its missing bytes as 0, so the empty block is 0.
std::int32_t bytesToInt(const Bytes& b);

// Full-width characters become their ASCII forms, then the leading decimal
// number counts as atof reads it (no hexadecimal, no inf or nan); no number
// gives 0.
double textToNumber(const Text& t);

// The plain operations the program calls.
inline std::int32_t shiftLeft(std::int32_t x, int n) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(x) << (n & 31));
}
inline std::int32_t shiftRight(std::int32_t x, int n) { return x >> (n & 31); }  // arithmetic
std::uint8_t toByte(double x);
Text blankText(std::int32_t n);
Bytes blankBytes(std::int32_t n);
Bytes bytesFromMemory(const void* address, std::int32_t n);
// Copies the block to address, at most max bytes when max >= 0.
void writeToMemory(const Bytes& block, void* address, std::int32_t max);

}  // namespace runtime
