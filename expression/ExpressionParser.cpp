#include "expression/ExpressionParser.h"

#include "expression/FunctionLibrary.h"
#include "expression/Scanner.h"
#include "expression/TextCase.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace quivela::expression {

namespace {

bool FitsInt16(int value) {
    return value >= kInt16Min && value <= kInt16Max;
}

// Collects the tokens with their priorities and watches the 16-bit limits as
// the text is scanned, so an oversized text stops at the first token over.
class ParserSink {
public:
    ParserSink(ParsedExpression& out, DropRecord* drops) : out_(out), drops_(drops) {}

    bool Token(const ScannedToken& scanned) {
        const int priority = PriorityOf(scanned.kind, scanned.depth);
        if (!FitsInt16(priority))
            return Fail(ErrorCode::Overflow);
        quivela::expression::Token token;
        token.kind = scanned.kind;
        token.priority = static_cast<std::int16_t>(priority);
        token.text = std::string(scanned.text);
        token.begin = scanned.begin;
        token.end = scanned.end;
        Classify(token);
        out_.tokens.push_back(std::move(token));
        // The next position must still be a 16-bit number.
        if (static_cast<int>(out_.tokens.size()) + 1 > kInt16Max)
            return Fail(ErrorCode::Overflow);
        return true;
    }

    bool Depth(int depth) {
        depth_ = depth;
        if (!FitsInt16(depth) || !FitsInt16(depth + kLevelStep))
            return Fail(ErrorCode::Overflow);
        highest_ = std::max(highest_, depth + kLevelStep);
        return true;
    }

    void Ignored(std::size_t at) {
        if (drops_ != nullptr)
            drops_->Add(DropKind::IgnoredCharacter, static_cast<int>(at));
    }

    ErrorCode Error() const { return error_; }
    int FinalDepth() const { return depth_; }
    int Highest() const { return highest_; }

private:
    bool Fail(ErrorCode code) {
        error_ = code;
        return false;
    }

    void Classify(quivela::expression::Token& token) {
        switch (token.kind) {
        case TokenKind::Number:
            token.numberStatus = ConvertNumber(token.text, token.number);
            break;
        case TokenKind::Identifier:
            if (token.text == "pi") {
                token.name = NameKind::Pi;
            } else if (token.text == "e") {
                token.name = NameKind::E;
            } else if (token.text == "rnd") {
                token.name = NameKind::Rnd;
            } else {
                token.name = NameKind::Variable;
                token.variable = VariableIndex(token.text);
            }
            break;
        case TokenKind::Call:
            token.function = FindFunction(token.text);
            break;
        default:
            break;
        }
    }

    int VariableIndex(const std::string& name) {
        auto& names = out_.variables;
        const auto found = std::find(names.begin(), names.end(), name);
        if (found != names.end())
            return static_cast<int>(found - names.begin());
        names.push_back(name);
        return static_cast<int>(names.size()) - 1;
    }

    ParsedExpression& out_;
    DropRecord* drops_;
    ErrorCode error_ = ErrorCode::None;
    int depth_ = 0;
    int highest_ = PriorityOf(TokenKind::Open, 0);
};

// The tokens that no step of the reduction will use: those the order leaves
// out though their kind would be in it (a ")" closed the level before its
// "(" opened it), and the numbers that no double reads.
void RecordUnused(const ParsedExpression& parsed, DropRecord& drops) {
    for (std::size_t i = 0; i < parsed.tokens.size(); ++i) {
        const Token& token = parsed.tokens[i];
        const int at = static_cast<int>(i);
        if (token.kind == TokenKind::Number) {
            if (token.numberStatus == NumberStatus::NotNumber)
                drops.Add(DropKind::NotNumber, at);
        } else if (token.kind != TokenKind::Separator && token.priority < 1) {
            drops.Add(DropKind::OutOfOrder, at);
        }
    }
}

} // namespace

NumberStatus ConvertNumber(std::string_view text, double& value) {
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), ',', '.');
    const char* first = plain.data();
    const char* last = first + plain.size();
    double converted = 0;
    const auto [ptr, ec] = std::from_chars(first, last, converted, std::chars_format::fixed);
    if (ptr != last)
        return NumberStatus::NotNumber;
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: a nonzero digit before the decimal mark
        // makes it too large; otherwise it is too small and reads as zero.
        const auto point = plain.find('.');
        const std::string_view whole(plain.data(),
                                     point == std::string::npos ? plain.size() : point);
        if (whole.find_first_not_of('0') != std::string_view::npos)
            return NumberStatus::TooLarge;
        value = 0;
        return NumberStatus::Ok;
    }
    if (ec != std::errc())
        return NumberStatus::NotNumber;
    value = converted;
    return NumberStatus::Ok;
}

ErrorCode ParseExpression(std::string_view text, ParsedExpression& out, DropRecord* drops) {
    // The length is a 16-bit count of characters.
    if (CountCodePoints(text) > static_cast<std::size_t>(kInt16Max))
        return ErrorCode::Overflow;

    ParsedExpression parsed;
    // Every token but an inserted "*" takes at least one byte of the text:
    // one allocation for most texts, where growing by doubling would take and
    // free megabytes for the longest ones.
    parsed.tokens.reserve(std::min(text.size(), static_cast<std::size_t>(kInt16Max)));
    ParserSink sink(parsed, drops);
    if (!ScanExpression(text, sink))
        return sink.Error();
    if (sink.FinalDepth() != 0)
        return ErrorCode::Parentheses;
    // The order is built by counting priorities up to the highest one in a
    // 16-bit counter, which cannot step past 32,767.
    if (sink.Highest() >= kInt16Max)
        return ErrorCode::Overflow;

    // Positions of priority 1 and above, highest priority first, text order
    // within a priority: a stable counting sort over the priorities.
    const int highest = sink.Highest();
    std::vector<int> start(static_cast<std::size_t>(highest) + 2, 0);
    std::size_t ordered = 0;
    for (const Token& token : parsed.tokens) {
        if (token.priority >= 1) {
            ++start[static_cast<std::size_t>(highest - token.priority)];
            ++ordered;
        }
    }
    int running = 0;
    for (int& bucket : start) {
        const int count = bucket;
        bucket = running;
        running += count;
    }
    std::vector<std::int16_t>& order = parsed.order;
    order.assign(ordered, 0);
    for (std::size_t i = 0; i < parsed.tokens.size(); ++i) {
        const int priority = parsed.tokens[i].priority;
        if (priority >= 1)
            order[static_cast<std::size_t>(start[static_cast<std::size_t>(highest - priority)]++)] =
                static_cast<std::int16_t>(i + 1);
    }
    if (drops != nullptr)
        RecordUnused(parsed, *drops);
    out = std::move(parsed);
    return ErrorCode::None;
}

} // namespace quivela::expression
