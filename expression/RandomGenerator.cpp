#include "expression/RandomGenerator.h"

#include <bit>
#include <chrono>

namespace quivela::expression {

namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;
constexpr int kFloatMantissaBits = 24;

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// The top 24 bits as a float in [0, 1): every value is exact in single precision.
float ToUnitFloat(std::uint64_t bits) {
    constexpr float kScale = 1.0f / static_cast<float>(1u << kFloatMantissaBits);
    return static_cast<float>(bits >> (64 - kFloatMantissaBits)) * kScale;
}

std::uint64_t ClockTicks() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

RandomGenerator::RandomGenerator(std::uint64_t seed) : state_(seed), clock_(ClockTicks) {
    last_ = Next();
}

void RandomGenerator::ReseedFromClock() {
    state_ = Mix(state_ ^ clock_());
}

void RandomGenerator::SetClock(Clock clock) {
    clock_ = clock != nullptr ? clock : ClockTicks;
}

std::uint64_t RandomGenerator::NextBits() {
    state_ += kGoldenGamma;
    return Mix(state_);
}

float RandomGenerator::Next() {
    last_ = ToUnitFloat(NextBits());
    return last_;
}

float RandomGenerator::Fixed(double key) {
    last_ = ToUnitFloat(Mix(std::bit_cast<std::uint64_t>(key) + kGoldenGamma));
    return last_;
}

RandomGenerator& ProcessRandomGenerator() {
    static RandomGenerator generator(Mix(ClockTicks()));
    return generator;
}

} // namespace quivela::expression
