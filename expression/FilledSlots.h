#pragma once

#include <cstddef>
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
    void Reset(const std::vector<bool>& emptyAtStart) {
        last_ = emptyAtStart.empty() ? 0 : static_cast<int>(emptyAtStart.size()) - 1;
        initialNext_.assign(static_cast<std::size_t>(last_) + 2, 0);
        initialPrev_.assign(static_cast<std::size_t>(last_) + 2, 0);
        for (int i = 0; i <= last_ + 1; ++i) {
            const bool empty = i >= 1 && i <= last_ && emptyAtStart[static_cast<std::size_t>(i)];
            initialNext_[static_cast<std::size_t>(i)] = empty ? i + 1 : i;
            initialPrev_[static_cast<std::size_t>(i)] = empty ? i - 1 : i;
        }
        Restart();
    }
    // Restores the state captured by the last Reset, in one copy.
    void Restart() {
        next_ = initialNext_;
        prev_ = initialPrev_;
    }

    void Empty(int position) {
        if (position < 1 || position > last_)
            return;
        next_[static_cast<std::size_t>(position)] = position + 1;
        prev_[static_cast<std::size_t>(position)] = position - 1;
    }

    // The first filled slot after `position` (from 1 when it is negative), 0
    // when there is none.
    int Next(int position) {
        const int start = position < 0 ? 1 : position + 1;
        if (start > last_)
            return 0;
        const int root = Root(next_, start);
        return root > last_ ? 0 : root;
    }
    // The last filled slot before `position` (from n when it lies past n + 1),
    // 0 when there is none.
    int Prev(int position) {
        const int start = position > last_ + 1 ? last_ : position - 1;
        return start < 1 ? 0 : Root(prev_, start);
    }

private:
    // The slot that `start` links to in the end: itself when it is filled.
    // Every slot on the way is then linked to it directly.
    static int Root(std::vector<int>& link, int start) {
        int root = start;
        while (link[static_cast<std::size_t>(root)] != root)
            root = link[static_cast<std::size_t>(root)];
        while (start != root) {
            const int following = link[static_cast<std::size_t>(start)];
            link[static_cast<std::size_t>(start)] = root;
            start = following;
        }
        return root;
    }

    int last_ = 0;
    std::vector<int> next_; // 1..n, n + 1 the sentinel "none"
    std::vector<int> prev_; // 0 the sentinel "none", 1..n
    std::vector<int> initialNext_;
    std::vector<int> initialPrev_;
};

} // namespace quivela::expression
