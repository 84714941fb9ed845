#include "expression/IdentifierSpans.h"

#include "expression/Scanner.h"
#include "expression/TextCase.h"

#include <string>

namespace {

using quivela::expression::ScannedToken;
using quivela::expression::TokenKind;

class SpanSink {
public:
    SpanSink(std::string_view name, std::vector<TextSpan>& spans)
        : name_(quivela::expression::LowerCased(name)), spans_(spans) {}

    bool Token(const ScannedToken& token) {
        if (token.kind == TokenKind::Identifier &&
            quivela::expression::LowerCased(token.text) == name_)
            spans_.push_back(TextSpan{token.begin, token.end - token.begin});
        return true;
    }
    bool Depth(int) { return true; }

private:
    std::string name_;
    std::vector<TextSpan>& spans_;
};

} // namespace

std::vector<TextSpan> VariableSpans(std::string_view text, std::string_view name) {
    std::vector<TextSpan> spans;
    SpanSink sink(name, spans);
    quivela::expression::ScanExpression(text, sink);
    return spans;
}
