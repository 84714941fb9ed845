#include "expression/Diagnosis.h"

#include "expression/Scanner.h"
#include "expression/TextCase.h"

namespace {

using quivela::expression::ScannedToken;
using quivela::expression::TextSpan;
using quivela::expression::TokenKind;

class SpanSink {
public:
    SpanSink(std::string_view name, std::vector<TextSpan>& spans) : name_(name), spans_(spans) {}

    // The same name as the variable table takes it (X and x are one).
    bool Token(const ScannedToken& token) {
        if (token.kind == TokenKind::Identifier &&
            quivela::expression::EqualsIgnoringCase(token.text, name_))
            spans_.push_back(TextSpan{token.begin, token.end - token.begin});
        return true;
    }
    bool Depth(int) { return true; }

private:
    std::string_view name_;
    std::vector<TextSpan>& spans_;
};

} // namespace

std::vector<TextSpan> quivela::expression::VariableSpans(std::string_view text,
                                                         std::string_view name) {
    std::vector<TextSpan> spans;
    SpanSink sink(name, spans);
    quivela::expression::ScanExpression(text, sink);
    return spans;
}
