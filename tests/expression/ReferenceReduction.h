#pragma once

// The reduction in place run two ways for the differential test: with the
// product's indexed searches, and with the searches scanning slot by slot.

#include "expression/Reduction.h"

#include <span>
#include <vector>

namespace qe = quivela::expression;

// NextToken: the first filled slot after `position`, 0 when there is none.
// PrevToken: the last filled slot before `position`, 0 when there is none.
struct ScanSearch {
    template <class S> int Next(int position, std::span<const S> working) {
        const int last = static_cast<int>(working.size()) - 1;
        for (int i = position < 0 ? 1 : position + 1; i <= last; ++i)
            if (working[static_cast<std::size_t>(i)].Filled())
                return i;
        return 0;
    }
    template <class S> int Prev(int position, std::span<const S> working) {
        const int last = static_cast<int>(working.size()) - 1;
        for (int i = (position > last + 1 ? last : position - 1); i >= 1; --i)
            if (working[static_cast<std::size_t>(i)].Filled())
                return i;
        return 0;
    }
    void Empty(int) {}
};

inline qe::Outcome Indexed(const qe::ParsedExpression& parsed,
                           const qe::ReductionContext& context) {
    qe::GeneralReduction reduction;
    reduction.Prepare(parsed);
    return reduction.Run(parsed, context);
}

inline qe::Outcome Scanned(const qe::ParsedExpression& parsed,
                           const qe::ReductionContext& context) {
    std::vector<qe::Slot> working;
    std::vector<bool> emptyAtStart;
    qe::ReductionWalk<qe::ValueMachine, ScanSearch>::InitialSlots(parsed, working, emptyAtStart);
    ScanSearch search;
    return qe::Reduce(parsed, context, working, search);
}
