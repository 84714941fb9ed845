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

// Byte-for-byte equality, written out: the names compared here are a few
// characters long, shorter than the set-up of a library comparison.
inline bool SameBytes(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// Letter-case-insensitive comparison with the same folding as LowerCased.
bool EqualsIgnoringCaseSlowly(std::string_view a, std::string_view b);
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    // The usual case, a name spelled the same way, needs no copies.
    return a.size() == b.size() && (SameBytes(a, b) || EqualsIgnoringCaseSlowly(a, b));
}

// A byte inside a UTF-8 sequence, after its first.
inline bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Number of code points: every byte that is not a UTF-8 continuation byte.
std::size_t CountCodePoints(std::string_view text);

} // namespace quivela::expression
