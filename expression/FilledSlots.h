#pragma once

#include <vector>

namespace quivela::expression {

// Which slots of a working list (1 to n) are still filled, answering
// NextToken and PrevToken in near-constant time. A slot, once emptied, is
// never filled again during one evaluation, so the emptied slots can be
// merged into their neighbours with a union-find in each direction: every
// search follows the links to the nearest filled slot and shortens the path
// it took. The answers are those of the linear scans over the slots.
class FilledSlots {
public:
    // All slots filled except those marked in `emptyAtStart` (indexed from 1,
    // entry 0 unused).
    void Reset(const std::vector<bool>& emptyAtStart);
    // Restores the state captured by the last Reset, in one copy.
    void Restart() {
        next_ = initialNext_;
        prev_ = initialPrev_;
    }

    void Empty(int position) {
        if (position < 1 || position > last_)
            return;
        next_[position] = position + 1;
        prev_[position] = position - 1;
    }

    // The first filled slot after `position` (from 1 when it is negative), 0
    // when there is none.
    int Next(int position);
    // The last filled slot before `position` (from n when it lies past n + 1),
    // 0 when there is none.
    int Prev(int position);

private:
    int last_ = 0;
    std::vector<int> next_; // 1..n, n + 1 the sentinel "none"
    std::vector<int> prev_; // 0 the sentinel "none", 1..n
    std::vector<int> initialNext_;
    std::vector<int> initialPrev_;
};

} // namespace quivela::expression
