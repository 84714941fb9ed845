#pragma once

#include "expression/TextCase.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quivela::expression {

// Named doubles; names compare without regard to letter case, so X and x are
// one variable. Handles (indices) stay valid until Generation() changes, which
// lets an expression bind its names once and read values without lookups.
class VariableTable {
public:
    static constexpr int kMissing = -1;

    // A handle, or kMissing.
    int Find(std::string_view name) const {
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (EqualsIgnoringCase(entries_[i].key, name))
                return static_cast<int>(i);
        return kMissing;
    }
    double Get(std::string_view name) const { // 0 when absent
        const int handle = Find(name);
        return handle == kMissing ? 0.0 : ValueAt(handle);
    }
    // Replacing the value of an existing key keeps its handle.
    void Set(std::string_view name, double value) {
        const int handle = Find(name);
        if (handle != kMissing) {
            SetValueAt(handle, value);
            return;
        }
        entries_.push_back(Entry{LowerCased(name), value});
        ++generation_;
    }
    void Remove(std::string_view name) {
        const int handle = Find(name);
        if (handle == kMissing)
            return;
        entries_.erase(entries_.begin() + handle);
        ++generation_;
    }
    void Clear() {
        entries_.clear();
        ++generation_;
    }

    double ValueAt(int handle) const { return entries_[static_cast<std::size_t>(handle)].value; }
    // Replaces the value of an entry found by Find, as Set does for its key.
    void SetValueAt(int handle, double value) {
        entries_[static_cast<std::size_t>(handle)].value = value;
    }
    std::uint64_t Generation() const { return generation_; }

private:
    struct Entry {
        std::string key; // lower case
        double value;
    };

    std::vector<Entry> entries_;
    std::uint64_t generation_ = 0;
};

} // namespace quivela::expression
