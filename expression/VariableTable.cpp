#include "expression/VariableTable.h"

#include "expression/TextCase.h"

namespace quivela::expression {

int VariableTable::Find(std::string_view name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (EqualsIgnoringCase(entries_[i].key, name))
            return static_cast<int>(i);
    return kMissing;
}

double VariableTable::Get(std::string_view name) const {
    const int handle = Find(name);
    return handle == kMissing ? 0.0 : ValueAt(handle);
}

void VariableTable::Set(std::string_view name, double value) {
    // Replacing the entry of an existing key keeps its handle.
    const int handle = Find(name);
    if (handle != kMissing) {
        SetValueAt(handle, value);
        return;
    }
    entries_.push_back(Entry{LowerCased(name), value});
    ++generation_;
}

void VariableTable::Remove(std::string_view name) {
    const int handle = Find(name);
    if (handle == kMissing)
        return;
    entries_.erase(entries_.begin() + handle);
    ++generation_;
}

void VariableTable::Clear() {
    entries_.clear();
    ++generation_;
}

} // namespace quivela::expression
