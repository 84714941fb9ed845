#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quivela::expression {

// Lower-cases UTF-8 text: ASCII capitals, and the capitals of the Latin-1
// block (À to Þ except ×), whose lower-case forms differ by 0x20 in the second
// byte, so every byte offset stays where it was. Other bytes are kept as they
// are, so text that is not valid UTF-8 passes through unharmed.
std::string LowerCased(std::string_view text);

// Letter-case-insensitive comparison with the same folding as LowerCased.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Number of code points: every byte that is not a UTF-8 continuation byte.
std::size_t CountCodePoints(std::string_view text);

} // namespace quivela::expression
