#pragma once

// Random expression texts for the engine's comparison tests.

#include "expression/FunctionLibrary.h"

#include <QRandomGenerator>

#include <iterator>
#include <string>

namespace enginetest {

// Random texts: mostly well formed expressions of the language, then damaged
// here and there (stray operators and separators, empty groups, unknown
// names, unbalanced or deep parentheses).
class TextGenerator {
public:
    explicit TextGenerator(quint32 seed) : random_(seed) {}

    std::string Next() {
        std::string text = Expression(0);
        const int damages = Pick(4) == 0 ? 0 : int(Pick(3));
        for (int i = 0; i < damages; ++i)
            Damage(text);
        return text;
    }

private:
    quint32 Pick(quint32 bound) { return random_.bounded(bound); }

    std::string Atom() {
        static const std::string kHuge = "1" + std::string(400, '0');
        static const std::string kAtoms[] = {
            "x",  "x",  "x",     "2",   "0",      "1",       "0.5",        "3.25",
            "7",  "10", "1.2.3", ".",   "pi",     "e",       "rnd",        "y",
            "zz", "x2", "710",   "1e2", "0.0001", "1000000", "2147483648", kHuge,
        };
        return kAtoms[Pick(std::size(kAtoms))];
    }

    std::string CallToken() {
        const quint32 k = Pick(quivela::expression::kFunctionCount + 3);
        if (k == quivela::expression::kFunctionCount)
            return "foo(";
        if (k == quivela::expression::kFunctionCount + 1)
            return "x(";
        if (k == quivela::expression::kFunctionCount + 2)
            return "sqr (";
        return std::string(quivela::expression::kFormulas[k].token);
    }

    std::string Expression(int depth) {
        const quint32 choice = depth > 6 ? Pick(2) : Pick(10);
        switch (choice) {
        case 0:
        case 1:
            return Atom();
        case 2:
        case 3: {
            static const char* const kOps[] = {"+", "-", "*", "/", "\\", "%", "^"};
            return Expression(depth + 1) + kOps[Pick(7)] + Expression(depth + 1);
        }
        case 4:
            return "-" + Expression(depth + 1);
        case 5:
            return "(" + Expression(depth + 1) + ")";
        case 6:
        case 7: {
            std::string call = CallToken() + Expression(depth + 1);
            for (quint32 extra = Pick(4) == 0 ? 1 + Pick(2) : 0; extra > 0; --extra)
                call += "," + Expression(depth + 1);
            return call + ")";
        }
        case 8:
            return std::to_string(Pick(9) + 1) +
                   (Pick(2) ? "x" : "(" + Expression(depth + 1) + ")");
        default: {
            const int levels = 1 + int(Pick(Pick(8) == 0 ? 60 : 4));
            return std::string(levels, '(') + Expression(depth + 1) + std::string(levels, ')');
        }
        }
    }

    void Damage(std::string& text) {
        static const char* const kStray[] = {"+", "-",  "*", "/", "^", "%",  "\\", ",",   "(",
                                             ")", "()", "~", ";", " ", "--", ",,", "(,)", "x"};
        const std::size_t at = text.empty() ? 0 : Pick(quint32(text.size() + 1));
        switch (Pick(3)) {
        case 0:
            text.insert(at, kStray[Pick(std::size(kStray))]);
            break;
        case 1:
            if (!text.empty() && at < text.size())
                text.erase(at, 1);
            break;
        default:
            text.insert(at, CallToken());
            break;
        }
    }

    QRandomGenerator random_;
};

} // namespace enginetest
