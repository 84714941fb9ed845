#include "expression/Diagnosis.h"

#include "expression/ExpressionParser.h"
#include "expression/RandomGenerator.h"
#include "expression/Reduction.h"
#include "expression/Scanner.h"
#include "expression/TextCase.h"
#include "expression/VariableTable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>

using namespace quivela::expression;

namespace {

// --- A variable's spans ------------------------------------------------------

// The identifiers equal to `name` as the variable table compares names (X
// and x are one).
struct SpanSink {
    std::string_view name;
    std::vector<TextSpan> spans;

    bool Token(const ScannedToken& token) {
        if (token.kind == TokenKind::Identifier && EqualsIgnoringCase(token.text, name))
            spans.push_back(TextSpan{token.begin, token.end - token.begin});
        return true;
    }
    bool Depth(int) { return true; }
};

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

// Groups the bytes the scanner skipped into characters, one hint per
// distinct character.
void AddIgnored(std::string_view text, const std::vector<Drop>& drops, std::vector<Hint>& hints) {
    std::map<std::string_view, std::size_t> hintOf; // character -> index in hints
    std::size_t covered = 0;                        // bytes of the characters named so far
    for (const Drop& drop : drops) {
        const auto at = static_cast<std::size_t>(drop.at);
        if (drop.kind != DropKind::IgnoredCharacter || at < covered || at >= text.size())
            continue; // the rest of a sequence already named
        const std::size_t length = CharacterLength(text, at);
        covered = at + length;
        const std::string_view character = text.substr(at, length);
        if (IsBlank(character))
            continue;
        const auto [it, fresh] = hintOf.try_emplace(character, hints.size());
        if (fresh)
            hints.push_back(Hint{HintKind::Ignored, {}});
        hints[it->second].spans.push_back(TextSpan{at, length});
    }
}

// --- What the parser and the reduction drop ------------------------------------

// Where a run of the reduction reads its abscissae: inside the plot's range,
// away from the integers and simple fractions where 1/x, tg(x) and the like
// have no value.
constexpr std::array<double, 5> kProbes = {-11.3, -3.7, 0.6, 2.9, 12.1};
static_assert(kPlotStart < kProbes.front() && kProbes.back() < kPlotEnd);

// Runs the reduction at every abscissa, recording what it passes over. Runs
// that raise an error (told by the plot with its own message) or meet a
// domain fault (a point where the function has no value, whose emptied slots
// look like missing operands) record nothing.
void RecordReductions(const ParsedExpression& parsed, DropRecord& record) {
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
    for (const double x : kProbes) {
        variables.Set("x", x);
        DropRecord run;
        const End end = reduction.Run(parsed, context, DropRecorder{run}).end;
        if (end == End::Value || end == End::NoValue)
            record.drops.insert(record.drops.end(), run.drops.begin(), run.drops.end());
    }
}

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

    // The other end of the group or call that opens or closes at token i,
    // i itself for any other token.
    int Partner(int i) const { return match_[std::size_t(i)] >= 0 ? match_[std::size_t(i)] : i; }

    // The operand that ends with token i: a group or call when it is a ")".
    TextSpan EndingAt(int i) const { return Between(At(std::min(i, Partner(i))), At(i)); }

    // The operand that starts with token i, with the products the parser
    // inserted after a number: "2x" and "3sen(x)" are one operand.
    TextSpan StartingAt(int i) const {
        int last = i;
        for (;;) {
            last = std::max(last, Partner(last));
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
        // A group or call inside is stepped over whole, so that naming every
        // argument of nested calls stays linear.
        int last = i;
        for (;;) {
            last = std::max(last, Partner(last));
            const int next = last + 1;
            if (next >= int(tokens_.size()) || next == match_[std::size_t(call)] ||
                (At(next).kind == TokenKind::Separator && Opener(next) == call))
                break;
            last = next;
        }
        return Between(At(i), At(last));
    }

private:
    const std::vector<Token>& tokens_;
    std::vector<int> match_;
    std::vector<int> opener_;
};

// Turns the drops of the parser and the reduction into hints: the commas
// first, then the rest in text order.
class HintBuilder {
public:
    HintBuilder(const ParsedExpression& parsed, std::vector<Drop> drops)
        : parsed_(parsed), operands_(parsed), drops_(std::move(drops)),
          named_(parsed.tokens.size(), false), outOfOrder_(named_), notNumber_(named_) {
        std::erase_if(drops_, [](const Drop& d) { return d.kind == DropKind::IgnoredCharacter; });
        std::sort(drops_.begin(), drops_.end());
        drops_.erase(std::unique(drops_.begin(), drops_.end()), drops_.end());
        // Tokens a drop already tells of: a value left over there is no news.
        for (const Drop& d : drops_) {
            if (d.kind == DropKind::OutOfOrder)
                outOfOrder_[std::size_t(d.at)] = true;
            if (d.kind == DropKind::NotNumber)
                notNumber_[std::size_t(d.at)] = true;
            if (d.kind == DropKind::OutOfOrder || d.kind == DropKind::NotNumber ||
                d.kind == DropKind::NoRightOperand)
                Name(d.at);
        }
    }

    void Add(std::vector<Hint>& hints) {
        std::vector<TextSpan> commas;
        std::vector<Hint> others;
        std::size_t firstComma = SIZE_MAX;
        for (const Drop& d : drops_) {
            if (d.at < 0)
                continue; // an emptied call: it ends in an error
            switch (d.kind) {
            case DropKind::OutOfOrder: {
                if (OutOfOrder(d.at - 1))
                    break; // told with the run it continues
                int last = d.at;
                while (OutOfOrder(last + 1))
                    ++last;
                others.push_back(Hint{HintKind::Misplaced, {Between(At(d.at), At(last))}});
                break;
            }
            case DropKind::NotNumber:
                others.push_back(Hint{HintKind::NotNumber, {Span(d.at)}});
                break;
            case DropKind::NoLeftOperand:
                if (Typed(d.at))
                    others.push_back(Hint{HintKind::NoLeftOperand, WithOther(d)});
                break;
            case DropKind::NoRightOperand:
                if (Typed(d.at) && !Unreadable(d.other))
                    others.push_back(Hint{HintKind::NoRightOperand, WithOther(d)});
                break;
            case DropKind::UnreadArgument:
                if (Unreadable(d.other))
                    break; // the number's own hint tells it
                [[fallthrough]];
            case DropKind::UnusedArgument:
                if (d.other < 0)
                    break;
                if (OwnArgument(d.at, d.other))
                    others.push_back(Hint{HintKind::UnusedArgument,
                                          {Span(d.at), operands_.ArgumentAt(d.other, d.at)}});
                else // a value left behind by a group, or one a "*" should join
                    AddLeftover(d.other, commas, firstComma, others);
                break;
            case DropKind::Leftover:
                AddLeftover(d.at, commas, firstComma, others);
                break;
            case DropKind::IgnoredCharacter:
                break;
            }
        }
        if (!commas.empty())
            hints.push_back(Hint{HintKind::Comma, std::move(commas)});
        std::stable_sort(others.begin(), others.end(), [](const Hint& a, const Hint& b) {
            return std::lexicographical_compare(
                a.spans.begin(), a.spans.end(), b.spans.begin(), b.spans.end(),
                [](const TextSpan& x, const TextSpan& y) { return x.begin < y.begin; });
        });
        // Two drops may tell the same loss: an argument neither read nor used.
        for (Hint& hint : others)
            if (hints.empty() || !(hints.back() == hint))
                hints.push_back(std::move(hint));
    }

private:
    const Token& At(int i) const { return parsed_.tokens[std::size_t(i)]; }
    TextSpan Span(int i) const { return Between(At(i), At(i)); }
    void Name(int i) {
        if (i >= 0)
            named_[std::size_t(i)] = true;
    }
    bool Named(int i) const { return i >= 0 && named_[std::size_t(i)]; }
    // A "*" inserted after a number always has it on its left and a name or
    // group on its right: when it finds none, a drop before it took them,
    // and that one is told.
    bool Typed(int i) const { return At(i).end > At(i).begin; }
    // A number no double reads, or a token the order leaves out: its own
    // hint tells why an operator or a call found no value there.
    bool Unreadable(int i) const { return OutOfOrder(i) || (i >= 0 && notNumber_[std::size_t(i)]); }
    bool OutOfOrder(int i) const {
        return i >= 0 && i < int(outOfOrder_.size()) && outOfOrder_[std::size_t(i)];
    }
    std::vector<TextSpan> WithOther(const Drop& d) const {
        if (d.other < 0)
            return {Span(d.at)};
        return {Span(d.at), Span(d.other)};
    }
    // An argument that follows a comma of its own call, not one that a
    // group inside it left behind.
    bool OwnArgument(int call, int i) const {
        return i >= 1 && At(i - 1).kind == TokenKind::Separator && operands_.Opener(i - 1) == call;
    }

    // A value after the first at the end of the walk, or one a call took as
    // its last argument though no comma of its own comes before it: after a
    // call's comma, an argument no function read; after any other comma, what
    // the comma cut off; otherwise a product is missing.
    void AddLeftover(int i, std::vector<TextSpan>& commas, std::size_t& firstComma,
                     std::vector<Hint>& others) {
        const int before = i - 1;
        if (Named(i) || before < 0 || Named(before))
            return; // no value of its own, told already, or told with what came before it
        Name(i);
        if (At(before).kind == TokenKind::Separator) {
            const int opener = operands_.Opener(before);
            if (opener >= 0 && At(opener).kind == TokenKind::Call) {
                others.push_back(Hint{HintKind::UnusedArgument,
                                      {Span(opener), operands_.ArgumentAt(i, opener)}});
            } else {
                commas.push_back(Span(before));
                firstComma = std::min(firstComma, At(before).begin);
            }
            return;
        }
        if (At(i).begin > firstComma)
            return; // after a comma nothing is read anyway
        others.push_back(
            Hint{HintKind::Leftover, {operands_.EndingAt(before), operands_.StartingAt(i)}});
    }

    const ParsedExpression& parsed_;
    const Operands operands_;
    std::vector<Drop> drops_;
    std::vector<bool> named_;      // tokens a drop already tells of
    std::vector<bool> outOfOrder_; // the parser's drops, by token
    std::vector<bool> notNumber_;
};

} // namespace

std::vector<Hint> quivela::expression::Diagnose(std::string_view text) {
    const std::string lowered = LowerCased(text); // as the expression object reads it
    DropRecord record;
    ParsedExpression parsed;
    const ErrorCode parse = ParseExpression(lowered, parsed, &record);
    std::vector<Hint> hints;
    AddIgnored(text, record.drops, hints);
    if (parse != ErrorCode::None || parsed.tokens.empty())
        return hints; // raised at the plot, with its own message
    RecordReductions(parsed, record);
    HintBuilder(parsed, std::move(record.drops)).Add(hints);
    return hints;
}

std::vector<TextSpan> quivela::expression::VariableSpans(std::string_view text,
                                                         std::string_view name) {
    SpanSink sink{name, {}};
    ScanExpression(text, sink);
    return std::move(sink.spans);
}
