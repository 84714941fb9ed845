#include "help/FunctionCatalogue.h"

namespace {

std::vector<FunctionGroup> MakeCatalogue() {
    std::vector<FunctionGroup> groups;
    for (auto part :
         {ElementaryFunctions, TrigonometricFunctions, HyperbolicFunctions, RandomFunctions}) {
        for (FunctionGroup& group : part())
            groups.push_back(std::move(group));
    }
    return groups;
}

} // namespace

const std::vector<FunctionGroup>& FunctionCatalogue() {
    static const std::vector<FunctionGroup> groups = MakeCatalogue();
    return groups;
}
