#pragma once

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

    double Get(std::string_view name) const; // 0 when absent
    void Set(std::string_view name, double value);
    void Remove(std::string_view name);
    void Clear();

    int Find(std::string_view name) const; // a handle, or kMissing
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
