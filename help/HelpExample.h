#pragma once

#include <QString>

// One typed example shown on a help page, with the outcome the page states.
// The pages draw these, and the tests evaluate the very same rows with the
// engine, so a page can never state a value the program does not give.
enum class ExampleOutcome {
    Value,     // evaluates to `stated` (rounded when `approximate`)
    Undefined, // the engine passes over a domain fault: no value, nothing drawn
    Error,     // raises engine error `error` whose description is `stated`
    Between,   // a value v with stated <= v < upper (random draws)
    IntegerIn, // an integral value v with stated <= v <= upper (random draws)
};

struct HelpExample {
    const char* typed; // exactly as the user types it (UTF-8)
    const char* x;     // value given to x, as typed, or nullptr when x is not used
    ExampleOutcome outcome;
    const char* stated; // value as printed (with "." as decimal point), or error text
    bool approximate;   // printed rounded to the digits shown ("≈")
    const char* upper;  // Between / IntegerIn: the upper bound
    int error;          // Error: the engine's error number
};

// Shorthands that keep the page tables readable.
constexpr HelpExample Exact(const char* typed, const char* value, const char* x = nullptr) {
    return {typed, x, ExampleOutcome::Value, value, false, nullptr, 0};
}
constexpr HelpExample About(const char* typed, const char* value, const char* x = nullptr) {
    return {typed, x, ExampleOutcome::Value, value, true, nullptr, 0};
}
constexpr HelpExample NoValue(const char* typed, const char* x = nullptr) {
    return {typed, x, ExampleOutcome::Undefined, nullptr, false, nullptr, 0};
}
constexpr HelpExample Fails(const char* typed, int error, const char* description,
                            const char* x = nullptr) {
    return {typed, x, ExampleOutcome::Error, description, false, nullptr, error};
}
constexpr HelpExample Between(const char* typed, const char* low, const char* high) {
    return {typed, nullptr, ExampleOutcome::Between, low, false, high, 0};
}
constexpr HelpExample IntegerIn(const char* typed, const char* low, const char* high) {
    return {typed, nullptr, ExampleOutcome::IntegerIn, low, false, high, 0};
}

// The example as one line of page text (HTML): the typed text in a typewriter
// face, then what it gives.
QString ExampleHtml(const HelpExample& example);
