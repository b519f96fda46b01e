#pragma once
// The runtime's value kinds. Texts are UTF-8 inside the program and reach Win32
// through the wide-character API, so the Chinese layout texts and any path work
// on every system locale. An absent text and the empty text are the same value.

#include <cstdint>
#include <string>
#include <vector>

namespace runtime {

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

}  // namespace runtime
