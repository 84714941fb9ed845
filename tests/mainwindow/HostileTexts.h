#pragma once

// Hostile texts a user can type or paste into any box of the main window,
// with the description of the error each raises when plotted (empty: none).
// Shared by the tests that type them into the boxes one by one and by the
// random user that mixes them into long sequences of actions.

#include <QString>
#include <vector>

struct HostileText {
    const char* name;
    QString text;
    // The error's description; empty when the text raises none.
    const char* description;
    // Leaves no value: plots nothing as a function, refused as a number.
    bool noValue = false;
};

inline const std::vector<HostileText>& HostileTexts() {
    static const std::vector<HostileText> texts = [] {
        auto repeat = [](const char* piece, int times) {
            return QString::fromUtf8(piece).repeated(times);
        };
        return std::vector<HostileText>{
            {"unbalanced", QStringLiteral("(x"), "Número de parênteses incorrecto."},
            {"accent in a name", QString::fromUtf8("sén(x)"), "Função não definida: sn()"},
            {"unknown variable", QStringLiteral("y"), "Variável não definida: y"},
            {"equals sign", QStringLiteral("x=2"), "Variável não definida: x2"},
            {"empty call", QStringLiteral("sen()"), "Argumento inválido na expressão: sen()"},
            {"division by zero", QStringLiteral("1/0"), "Divisão por zero"},
            {"zero over zero", QStringLiteral("0/0"), "Excesso de capacidade"},
            {"400 digits", QLatin1Char('1') + QString(400, QLatin1Char('0')),
             "Excesso de capacidade"},
            {"32767 tokens", repeat("1,", 16383) + QLatin1Char('1'), "Excesso de capacidade"},
            {"4680 nested groups", repeat("(", 4680) + QLatin1Char('x') + repeat(")", 4680),
             "Excesso de capacidade"},
            {"two decimal points", QStringLiteral("1.2.3"), "", true},
            {"ignored marks", QStringLiteral("~=;"), "", true},
            {"nul character", QStringLiteral("1") + QChar(0) + QStringLiteral("2"), ""},
            {"replacement character", QString(QChar(0xFFFD)) + QStringLiteral("2"), ""},
        };
    }();
    return texts;
}
