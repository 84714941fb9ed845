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

namespace {

// The slot that `start` links to in the end: itself when it is filled.
// Every slot on the way is then linked to it directly (path compression).
int Root(std::vector<int>& link, int start) {
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

} // namespace

int FilledSlots::Next(int position) {
    const int start = position < 0 ? 1 : position + 1;
    if (start > last_)
        return 0;
    const int root = Root(next_, start);
    return root > last_ ? 0 : root;
}

int FilledSlots::Prev(int position) {
    const int start = position > last_ + 1 ? last_ : position - 1;
    return start < 1 ? 0 : Root(prev_, start);
}

} // namespace quivela::expression
