#include "expression/FilledSlots.h"

namespace quivela::expression {

void FilledSlots::Reset(const std::vector<bool>& emptyAtStart) {
    last_ = static_cast<int>(emptyAtStart.size()) - 1;
    if (last_ < 0)
        last_ = 0;
    initialNext_.assign(static_cast<std::size_t>(last_) + 2, 0);
    initialPrev_.assign(static_cast<std::size_t>(last_) + 2, 0);
    for (int i = 0; i <= last_ + 1; ++i) {
        const bool empty = i >= 1 && i <= last_ && emptyAtStart[static_cast<std::size_t>(i)];
        initialNext_[static_cast<std::size_t>(i)] = empty ? i + 1 : i;
        initialPrev_[static_cast<std::size_t>(i)] = empty ? i - 1 : i;
    }
    Restart();
}

int FilledSlots::Next(int position) {
    int start = position < 0 ? 1 : position + 1;
    if (start > last_)
        return 0;
    int root = start;
    while (next_[static_cast<std::size_t>(root)] != root)
        root = next_[static_cast<std::size_t>(root)];
    // Path compression: every slot on the way now points at the answer.
    while (next_[static_cast<std::size_t>(start)] != root) {
        const int following = next_[static_cast<std::size_t>(start)];
        next_[static_cast<std::size_t>(start)] = root;
        start = following;
    }
    return root > last_ ? 0 : root;
}

int FilledSlots::Prev(int position) {
    int start = position > last_ + 1 ? last_ : position - 1;
    if (start < 1)
        return 0;
    int root = start;
    while (prev_[static_cast<std::size_t>(root)] != root)
        root = prev_[static_cast<std::size_t>(root)];
    while (prev_[static_cast<std::size_t>(start)] != root) {
        const int preceding = prev_[static_cast<std::size_t>(start)];
        prev_[static_cast<std::size_t>(start)] = root;
        start = preceding;
    }
    return root;
}

} // namespace quivela::expression
