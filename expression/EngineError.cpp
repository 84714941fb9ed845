#include "expression/EngineError.h"

#include <array>
#include <string>
#include <utility>

quivela::expression::EngineError::EngineError(int number, std::string description)
    : number_(number), source_("Interpretador"), description_(std::move(description)) {}

namespace quivela::expression {

namespace {

struct ErrorText {
    ErrorCode code;
    std::string_view description;
    // A call token ("sen(") is shown closed, as the user would write it: "sen()".
    bool closesCallToken;
};

// Users read these texts in the plotting windows' message boxes.
constexpr std::array kErrorTexts{
    ErrorText{ErrorCode::Overflow, "Excesso de capacidade", false},
    ErrorText{ErrorCode::DivisionByZero, "Divisão por zero", false},
    ErrorText{ErrorCode::Parentheses, "Número de parênteses incorrecto.", false},
    ErrorText{ErrorCode::UnknownFunction, "Função não definida: ", true},
    ErrorText{ErrorCode::UnknownVariable, "Variável não definida: ", false},
    ErrorText{ErrorCode::InvalidArgument, "Argumento inválido na expressão: ", true},
};

} // namespace

EngineError MakeEngineError(ErrorCode code, std::string_view detail) {
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.code != code)
            continue;
        std::string description(entry.description);
        description += detail;
        if (entry.closesCallToken)
            description += ')';
        return EngineError(static_cast<int>(code), std::move(description));
    }
    return EngineError(static_cast<int>(code), std::string(detail));
}

} // namespace quivela::expression
