#include "values.h"

#include <cmath>
#include <cstring>

namespace runtime {

std::int32_t truncToInt32(double x) {
  // [-2^63, 2^63) is where the truncation fits into 64 bits.
  constexpr double limit = 9223372036854775808.0;
  if (!(x >= -limit && x < limit)) return 0;  // NaN or out of range: low half of 0x8000000000000000
  const auto wide = static_cast<std::int64_t>(x);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

std::int32_t floorToInt(double x) {
  double whole = 0;
  const double fraction = std::modf(x, &whole);
  if (std::fabs(fraction) > 0.999999999999) x = x > 0 ? whole + 1 : whole - 1;
  return truncToInt32(std::floor(x));
}

Text intToText(std::int32_t n) { return std::to_string(n); }

Bytes textToBytes(const Text& t) { return Bytes(t.begin(), t.end()); }

Bytes intToBytes(std::int32_t n) {
  const auto u = static_cast<std::uint32_t>(n);
  return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
          static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

std::int32_t bytesToInt(const Bytes& b) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4 && i < b.size(); ++i) u |= std::uint32_t{b[i]} << (8 * i);
  return static_cast<std::int32_t>(u);
}

namespace {

// Decodes one UTF-8 sequence at t[i]; returns its length, 0 for a sequence cut
// off by the end of the text.
std::size_t decodeUtf8(const Text& t, std::size_t i, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(t[i]);
  std::size_t len = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
  if (i + len > t.size()) return 0;
  if (len == 1) {
    cp = lead;
    return 1;
  }
  cp = lead & (0x7F >> len);
  for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(t[i + k]) & 0x3F);
  return len;
}

// The ASCII form of a full-width character: exactly the characters whose GBK
// codes are A3A1..A3FE, A1A1, A1AB, A1EE and A1EF. In GBK A3A4 is the full-width
// yen sign and A3FE the full-width macron, so U+FF04 and U+FF5E map differently.
char asciiForm(char32_t cp) {
  if (cp >= 0xFF01 && cp <= 0xFF5D && cp != 0xFF04) return static_cast<char>(cp - 0xFEE0);
  switch (cp) {
    case 0xFFE5: return '$';  // A3A4
    case 0xFFE3: return '~';  // A3FE
    case 0x3000: return ' ';  // A1A1, ideographic space
    case 0xFF5E: return '~';  // A1AB
    case 0x2606:              // A1EE
    case 0x2605: return '*';  // A1EF
    default: return 0;
  }
}

Text toHalfWidth(const Text& t) {
  Text out;
  for (std::size_t i = 0; i < t.size();) {
    char32_t cp = 0;
    const std::size_t len = decodeUtf8(t, i, cp);
    if (len == 0) break;  // a sequence cut off at the end ends the copy
    if (const char a = asciiForm(cp)) out += a;
    else out.append(t, i, len);
    i += len;
  }
  return out;
}

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double textToNumber(const Text& t) {
  const Text s = toHalfWidth(t);
  std::size_t i = 0;
  while (i < s.size() && isSpace(s[i])) ++i;
  const std::size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  // The exponent counts only when at least one digit follows it.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) ++j;
      i = j;
    }
  }
  // strtod on the vetted run alone cannot see hexadecimal, inf or nan.
  const std::string number = s.substr(start, i - start);
  return std::strtod(number.c_str(), nullptr);
}

std::uint8_t toByte(double x) { return static_cast<std::uint8_t>(truncToInt32(x) & 0xFF); }

Text blankText(std::int32_t n) { return n < 1 ? Text{} : Text(static_cast<std::size_t>(n), ' '); }

Bytes blankBytes(std::int32_t n) { return n < 1 ? Bytes{} : Bytes(static_cast<std::size_t>(n), 0); }

Bytes bytesFromMemory(const void* address, std::int32_t n) {
  if (n <= 0 || address == nullptr) return {};
  const auto* p = static_cast<const std::uint8_t*>(address);
  return Bytes(p, p + n);
}

void writeToMemory(const Bytes& block, void* address, std::int32_t max) {
  std::size_t n = block.size();
  if (max >= 0 && static_cast<std::size_t>(max) < n) n = static_cast<std::size_t>(max);
  if (n > 0 && address != nullptr) std::memcpy(address, block.data(), n);
}

}  // namespace runtime
