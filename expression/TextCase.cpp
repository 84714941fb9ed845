#include "expression/TextCase.h"

namespace quivela::expression {

namespace {

constexpr unsigned char kLatin1Lead = 0xC3; // lead byte of U+00C0..U+00FF
constexpr unsigned char kCapitalAGrave = 0x80;
constexpr unsigned char kCapitalThorn = 0x9E;
constexpr unsigned char kTimesSign = 0x97;
constexpr unsigned char kCaseDistance = 0x20;

bool IsLatin1Capital(unsigned char second) {
    return second >= kCapitalAGrave && second <= kCapitalThorn && second != kTimesSign;
}

} // namespace

std::string LowerCased(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + kCaseDistance);
        } else if (c == kLatin1Lead && i + 1 < out.size() &&
                   IsContinuation(static_cast<unsigned char>(out[i + 1]))) {
            // Only a whole two-byte sequence is stepped over: a lead byte that
            // starts none stands alone, and the next character is cased as usual.
            const auto second = static_cast<unsigned char>(out[i + 1]);
            if (IsLatin1Capital(second))
                out[i + 1] = static_cast<char>(second + kCaseDistance);
            ++i;
        }
    }
    return out;
}

bool EqualsIgnoringCaseSlowly(std::string_view a, std::string_view b) {
    return LowerCased(a) == LowerCased(b);
}

std::size_t CountCodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if (!IsContinuation(static_cast<unsigned char>(c)))
            ++count;
    return count;
}

} // namespace quivela::expression
