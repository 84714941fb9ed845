#include "expression/Diagnosis.h"

#include "expression/ExpressionParser.h"
#include "expression/RandomGenerator.h"
#include "expression/Reduction.h"
#include "expression/Scanner.h"
#include "expression/TextCase.h"
#include "expression/VariableTable.h"

#include <array>
#include <map>
#include <string>

using namespace quivela::expression;

namespace {

// --- Characters the table skips ----------------------------------------------

constexpr unsigned char kNoBreakLead = 0xC2;
constexpr unsigned char kNoBreakSecond = 0xA0;

// Bytes of the character starting at `at`: a whole UTF-8 sequence when one
// starts there, otherwise the byte alone.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t wanted = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t length = 1;
    while (length < wanted && at + length < text.size() &&
           IsContinuation(static_cast<unsigned char>(text[at + length])))
        ++length;
    return length;
}

// Blanks are skipped too, but that is what the user means by them.
bool IsBlank(std::string_view character) {
    return character == " " || character == "\t" ||
           (character.size() == 2 && static_cast<unsigned char>(character[0]) == kNoBreakLead &&
            static_cast<unsigned char>(character[1]) == kNoBreakSecond);
}

void AddIgnored(std::string_view text, std::vector<Hint>& hints) {
    std::map<std::string_view, std::size_t> hintOf; // character -> index in hints
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharacterLength(text, i);
        const std::string_view character = text.substr(i, length);
        if (kCharTable[static_cast<unsigned char>(text[i])] == CharClass::Ignored &&
            !IsBlank(character)) {
            const auto [it, fresh] = hintOf.try_emplace(character, hints.size());
            if (fresh)
                hints.push_back(Hint{HintKind::Ignored, {}});
            hints[it->second].spans.push_back(TextSpan{i, length});
        }
        i += length;
    }
}

// --- Commas outside the calls ---------------------------------------------------

// Follows the scanner's tokens with a stack of the open parentheses (true for
// a call) and keeps every separator whose innermost parenthesis is not a
// call's: at the top, or in a plain group, where it ends what is read.
class CommaSink {
public:
    explicit CommaSink(std::vector<TextSpan>& commas) : commas_(commas) {}

    bool Token(const ScannedToken& token) {
        switch (token.kind) {
        case TokenKind::Call:
        case TokenKind::Open:
            open_.push_back(token.kind == TokenKind::Call);
            break;
        case TokenKind::Close:
            if (!open_.empty())
                open_.pop_back();
            break;
        case TokenKind::Separator:
            if (open_.empty() || !open_.back())
                commas_.push_back(TextSpan{token.begin, token.end - token.begin});
            break;
        default:
            break;
        }
        return true;
    }
    bool Depth(int) { return true; }

private:
    std::vector<TextSpan>& commas_;
    std::vector<bool> open_;
};

// --- Values left over -----------------------------------------------------------

// Where a run of the reduction reads its abscissae: inside the plot's range,
// away from the integers and simple fractions where 1/x, tg(x) and the like
// have no value.
constexpr std::array<double, 5> kProbes = {-11.3, -3.7, 0.6, 2.9, 12.1};

TextSpan Between(const Token& first, const Token& last) {
    return TextSpan{first.begin, last.end - first.begin};
}

// The parsed tokens with the partner of every parenthesis (-1 for none) and
// the operand spans the hints name.
class Operands {
public:
    explicit Operands(const ParsedExpression& parsed)
        : tokens_(parsed.tokens), match_(tokens_.size(), -1), opener_(tokens_.size(), -1) {
        std::vector<int> open;
        for (int i = 0; i < int(tokens_.size()); ++i) {
            const TokenKind kind = tokens_[std::size_t(i)].kind;
            if (!open.empty())
                opener_[std::size_t(i)] = open.back();
            if (kind == TokenKind::Open || kind == TokenKind::Call) {
                open.push_back(i);
            } else if (kind == TokenKind::Close && !open.empty()) {
                match_[std::size_t(i)] = open.back();
                match_[std::size_t(open.back())] = i;
                open.pop_back();
                opener_[std::size_t(i)] = open.empty() ? -1 : open.back();
            }
        }
    }

    const Token& At(int i) const { return tokens_[std::size_t(i)]; }
    // The innermost "(" or call around token i, -1 at the top.
    int Opener(int i) const { return opener_[std::size_t(i)]; }

    // The operand that ends with token i: a group or call when it is a ")".
    TextSpan EndingAt(int i) const {
        const int from = At(i).kind == TokenKind::Close && match_[std::size_t(i)] >= 0
                             ? match_[std::size_t(i)]
                             : i;
        return Between(At(from), At(i));
    }

    // The operand that starts with token i, with the products the parser
    // inserted after a number: "2x" and "3sen(x)" are one operand.
    TextSpan StartingAt(int i) const {
        int last = i;
        for (;;) {
            const TokenKind kind = At(last).kind;
            if ((kind == TokenKind::Open || kind == TokenKind::Call) &&
                match_[std::size_t(last)] >= 0)
                last = match_[std::size_t(last)];
            const bool inserted = last + 2 < int(tokens_.size()) &&
                                  At(last + 1).kind == TokenKind::Times &&
                                  At(last + 1).begin == At(last + 1).end;
            if (!inserted)
                break;
            last += 2;
        }
        return Between(At(i), At(last));
    }

    // The argument of the call `call` that starts with token i: up to the
    // next separator of that call or its ")".
    TextSpan ArgumentAt(int i, int call) const {
        int last = i;
        while (last + 1 < int(tokens_.size()) && last + 1 != match_[std::size_t(call)] &&
               !(At(last + 1).kind == TokenKind::Separator && Opener(last + 1) == call))
            ++last;
        return Between(At(i), At(last));
    }

private:
    const std::vector<Token>& tokens_;
    std::vector<int> match_;
    std::vector<int> opener_;
};

// The filled slots after the first, of the run with the most of them. A
// fault the language passes over only ever empties slots, so the most
// telling run is the one that kept the most values. Slots still holding a
// token that is not a number (a stray parenthesis) are no values and are
// left out. This is the one place that reads the reduction's working list.
std::vector<int> DroppedSlots(const ParsedExpression& parsed) {
    GeneralReduction reduction;
    reduction.Prepare(parsed);
    VariableTable variables;
    variables.Set("x", 0);
    std::vector<int> bindings;
    for (const std::string& name : parsed.variables)
        bindings.push_back(variables.Find(name));
    // Its own generator, so that "rnd" here draws nothing from the plot's.
    RandomGenerator random(1);
    const ReductionContext context{variables, bindings, random};

    std::vector<int> best;
    for (const double x : kProbes) {
        variables.Set("x", x);
        if (reduction.Run(parsed, context).error != ErrorCode::None)
            continue;
        const std::span<const Slot> slots = reduction.Slots();
        std::vector<int> dropped;
        bool first = true;
        for (int p = 1; p < int(slots.size()); ++p) {
            const Slot& slot = slots[std::size_t(p)];
            if (!slot.Filled())
                continue;
            if (!first && (slot.state == Slot::State::Value ||
                           parsed.tokens[std::size_t(slot.token)].kind == TokenKind::Number))
                dropped.push_back(p);
            first = false;
        }
        if (dropped.size() > best.size())
            best = std::move(dropped);
    }
    return best;
}

void AddLeftovers(std::string_view lowered, std::size_t firstComma, std::vector<Hint>& hints) {
    ParsedExpression parsed;
    if (ParseExpression(lowered, parsed) != ErrorCode::None || parsed.tokens.empty())
        return; // raised at the plot, with its own message
    const Operands operands(parsed);
    for (const int slot : DroppedSlots(parsed)) {
        // A value stays at the position of its leftmost token.
        const int i = slot - 1;
        const int before = i - 1;
        if (before >= 0 && operands.At(before).kind == TokenKind::Separator) {
            const int call = operands.Opener(before);
            if (call >= 0 && operands.At(call).kind == TokenKind::Call)
                hints.push_back(Hint{
                    HintKind::UnusedArgument,
                    {Between(operands.At(call), operands.At(call)), operands.ArgumentAt(i, call)}});
            continue; // otherwise the comma's hint tells it
        }
        if (operands.At(i).begin > firstComma)
            continue; // after a comma nothing is read anyway
        if (before < 0)
            continue;
        hints.push_back(
            Hint{HintKind::Leftover, {operands.EndingAt(before), operands.StartingAt(i)}});
    }
}

} // namespace

std::vector<Hint> Diagnose(std::string_view text) {
    std::vector<Hint> hints;
    AddIgnored(text, hints);

    const std::string lowered = LowerCased(text); // as the expression object reads it
    std::vector<TextSpan> commas;
    CommaSink sink(commas);
    ScanExpression(lowered, sink);
    if (!commas.empty())
        hints.push_back(Hint{HintKind::Comma, commas});

    AddLeftovers(lowered, commas.empty() ? lowered.size() : commas.front().begin, hints);
    return hints;
}
