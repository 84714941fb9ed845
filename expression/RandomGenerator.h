#pragma once

#include <cstdint>

namespace quivela::expression {

// Uniform single-precision numbers in [0, 1) (SplitMix64 underneath). Defined
// out of line: inlined into the plan's dispatch loop, Next made every step
// of every plan dearer.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint64_t seed);

    // Takes a new seed from the clock. The clock is mixed with the current
    // state: calls within the clock's resolution (a plot calls this tens of
    // thousands of times a second) still get different seeds.
    void ReseedFromClock();

    float Next();                        // the next number; remembered as the last one
    float Last() const { return last_; } // the number drawn last
    // A number fixed by the key alone (the same key always gives the same
    // number), remembered as the last one.
    float Fixed(double key);

    // The whole state, so that an evaluation that is abandoned and run again
    // from its start draws the same numbers once, not twice.
    struct Snapshot {
        std::uint64_t state;
        float last;
    };
    Snapshot Save() const { return Snapshot{state_, last_}; }
    void Restore(const Snapshot& snapshot) {
        state_ = snapshot.state;
        last_ = snapshot.last;
    }

    // The clock that re-seeding reads; tests put a deterministic one in its
    // place so that two evaluations can be compared draw for draw.
    using Clock = std::uint64_t (*)();
    void SetClock(Clock clock);

private:
    std::uint64_t NextBits();

    std::uint64_t state_;
    float last_ = 0;
    Clock clock_;
};

// The one generator of the process, shared by "rnd", "rnd(", "rand(" and
// "random(" of every expression object: the language defines one sequence
// for the whole program, so this is the single piece of global state of the
// engine. Seeded from the clock on first use.
RandomGenerator& ProcessRandomGenerator();

} // namespace quivela::expression
