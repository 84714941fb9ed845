#include "fuzz/EquationInvariants.h"

#include "expression/Diagnosis.h"
#include "expression/EngineError.h"
#include "expression/clsEquation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

using quivela::expression::Diagnose;
using quivela::expression::EngineError;
using quivela::expression::Hint;
using quivela::expression::HintKind;
using quivela::expression::TextSpan;

namespace {

constexpr std::array<double, 5> kAbscissas{0.0, -1.0, 1.0, 1e308, -1e308};

// What one Solve did: the error it raised, or the value and flag it left.
struct Outcome {
    bool raised = false;
    int number = 0;
    std::string description;
    std::uint64_t bits = 0;
    bool undefined = false;

    bool operator==(const Outcome&) const = default;
};

std::string Describe(const Outcome& o) {
    if (o.raised)
        return "error " + std::to_string(o.number) + " \"" + o.description + "\"";
    return "value bits " + std::to_string(o.bits) + (o.undefined ? " (undefined)" : "");
}

// Diagnostics only, but still independent of the C locale.
std::string Number(double v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

// An identifier as the parser builds it from lower-case text: a letter or "_",
// then letters, "_", digits and the decimal commas that stand for typed dots.
bool IsIdentifier(std::string_view s) {
    if (s.empty())
        return false;
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(s.front()))
        return false;
    for (char c : s)
        if (!letter(c) && !(c >= '0' && c <= '9') && c != ',')
            return false;
    return true;
}

// The end of a 1101 or 1104 description: the call token and ")", or ")" alone
// when the call's slot had been emptied by a fault passed over earlier.
bool IsCallText(std::string_view s) {
    if (s == ")")
        return true;
    return s.size() > 2 && s.substr(s.size() - 2) == "()" &&
           IsIdentifier(s.substr(0, s.size() - 2));
}

// Every error that leaves the engine has one of the known numbers, the
// engine's source and the description that goes with its number.
std::string CheckError(const EngineError& e) {
    if (e.Source() != "Interpretador")
        return "error source is \"" + e.Source() + "\"";
    const std::string& d = e.Description();
    if (std::string_view(e.what()) != d)
        return "what() differs from Description()";
    switch (e.Number()) {
    case 6:
        return d == "Excesso de capacidade" ? "" : "error 6 described as \"" + d + "\"";
    case 11:
        return d == "Divisão por zero" ? "" : "error 11 described as \"" + d + "\"";
    case 1100:
        return d == "Número de parênteses incorrecto." ? ""
                                                       : "error 1100 described as \"" + d + "\"";
    case 1101: {
        constexpr std::string_view prefix = "Função não definida: ";
        std::string_view rest = std::string_view(d).substr(std::min(d.size(), prefix.size()));
        return StartsWith(d, prefix) && IsCallText(rest) ? ""
                                                         : "error 1101 described as \"" + d + "\"";
    }
    case 1102: {
        constexpr std::string_view prefix = "Variável não definida: ";
        bool ok = StartsWith(d, prefix) && IsIdentifier(std::string_view(d).substr(prefix.size()));
        return ok ? "" : "error 1102 described as \"" + d + "\"";
    }
    case 1104: {
        constexpr std::string_view prefix = "Argumento inválido na expressão: ";
        std::string_view rest = std::string_view(d).substr(std::min(d.size(), prefix.size()));
        return StartsWith(d, prefix) && IsCallText(rest) ? ""
                                                         : "error 1104 described as \"" + d + "\"";
    }
    default:
        return "unexpected error number " + std::to_string(e.Number()) + " \"" + d + "\"";
    }
}

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

struct Input {
    std::string_view expression;
    std::vector<std::string_view> names;
};

Input Split(std::string_view input) {
    Input in;
    std::size_t eol = input.find('\n');
    in.expression = input.substr(0, eol);
    while (eol != std::string_view::npos) {
        std::size_t start = eol + 1;
        eol = input.find('\n', start);
        in.names.push_back(input.substr(start, eol == std::string_view::npos ? eol : eol - start));
    }
    return in;
}

// Solves the expression at every abscissa on one object, checking the promises
// that hold within one object; fills one outcome per abscissa.
std::string SolveAll(const Input& in, bool graus, bool random, std::vector<Outcome>& outcomes) {
    clsEquation eq;
    if (graus)
        eq.SetGraus(true);
    for (std::size_t i = 0; i < in.names.size(); ++i) {
        double v = 0.25 * static_cast<double>(i + 1);
        eq.SetVar(in.names[i], v);
        if (std::bit_cast<std::uint64_t>(eq.Var(in.names[i])) != std::bit_cast<std::uint64_t>(v))
            return "a variable does not read back the value just assigned";
    }
    eq.SetEquation(in.expression);
    if (IsAscii(in.expression) && eq.Equation() != AsciiLower(in.expression))
        return "Equation() is not the lower-case form of the assigned text";

    double stored = 0; // the result of a new object
    for (double x : kAbscissas) {
        eq.SetVar("x", x);
        Outcome o;
        try {
            eq.Solve();
            double s = eq.Solution();
            o.bits = std::bit_cast<std::uint64_t>(s);
            o.undefined = eq.Undefined();
            if (!std::isfinite(s))
                return "a successful Solve left a value that is not finite";
            if (std::bit_cast<std::uint64_t>(eq.Solution()) != o.bits)
                return "two reads of Solution after one Solve differ";
            stored = s;
            if (!random) {
                // The same object solved again at the same point: the working
                // list and U, W must not carry anything over between calls.
                eq.SetVar("x", x);
                eq.Solve();
                if (std::bit_cast<std::uint64_t>(eq.Solution()) != o.bits ||
                    eq.Undefined() != o.undefined)
                    return "solving the same object twice at one point gives two outcomes";
            }
        } catch (const EngineError& e) {
            if (std::string bad = CheckError(e); !bad.empty())
                return bad;
            o.raised = true;
            o.number = e.Number();
            o.description = e.Description();
            // The result stays stale, so reading Solution solves again.
            try {
                double s = eq.Solution();
                if (!random)
                    return "Solution returned a value after a failed Solve";
                stored = s; // a random draw that happened to succeed this time
            } catch (const EngineError& again) {
                if (std::string bad = CheckError(again); !bad.empty())
                    return bad;
                if (!random && again.Number() != e.Number())
                    return "Solution after a failed Solve raised another error";
            }
            // The stored result is what the last successful Solve left: an
            // empty text evaluates to no value and so shows it unchanged.
            eq.SetEquation("");
            eq.Solve();
            if (std::bit_cast<std::uint64_t>(eq.Solution()) != std::bit_cast<std::uint64_t>(stored))
                return "a failed Solve changed the stored result";
            eq.SetEquation(in.expression);
        }
        outcomes.push_back(o);
    }
    for (std::string_view name : in.names) {
        eq.VarRemove(name);
        if (eq.Var(name) != 0.0)
            return "a removed variable still reads a value";
    }
    return {};
}

// The hints of any text name bytes of that text, and each names some.
std::string CheckHints(std::string_view text) {
    for (const Hint& hint : Diagnose(text)) {
        if (hint.kind == HintKind::NoValue || hint.spans.empty())
            return "a hint of the text names no part of it";
        for (const TextSpan& span : hint.spans) {
            if (span.length == 0)
                return "a hint names an empty part of the text";
            if (span.begin > text.size() || span.length > text.size() - span.begin)
                return "a hint names bytes outside the text";
        }
    }
    return {};
}

} // namespace

bool MayUseRandom(std::string_view text) {
    // Rebuild the names as the parser sees them: characters outside the
    // language vanish without ending a name, operators and brackets end it.
    std::string names;
    for (char c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.')
            names.push_back(c);
        else if (std::string_view("+-*/\\^%,()").find(c) != std::string_view::npos)
            names.push_back(' ');
    }
    return names.find("rnd") != std::string::npos || names.find("rand") != std::string::npos;
}

std::string CheckEquationInvariants(std::string_view input) {
    try {
        Input in = Split(input);
        if (std::string bad = CheckHints(in.expression); !bad.empty())
            return bad;
        bool random = MayUseRandom(in.expression);
        std::vector<Outcome> first, second;
        if (std::string bad = SolveAll(in, false, random, first); !bad.empty())
            return bad;
        // A fresh object, with the angle flag set (which nothing reads), must
        // reach the same outcome at every point.
        if (std::string bad = SolveAll(in, true, random, second); !bad.empty())
            return bad;
        if (!random) {
            for (std::size_t i = 0; i < first.size(); ++i)
                if (!(first[i] == second[i]))
                    return "two objects disagree at x = " + Number(kAbscissas[i]) + ": " +
                           Describe(first[i]) + " / " + Describe(second[i]);
        }
        return {};
    } catch (const EngineError& e) {
        return "EngineError escaped a member that never raises: " + std::to_string(e.Number());
    } catch (const std::exception& e) {
        return std::string("a foreign exception escaped: ") + e.what();
    } catch (...) {
        return "an unknown exception escaped";
    }
}
