#include "expression/EngineError.h"

#include <utility>

EngineError::EngineError(int number, std::string description)
    : number_(number), source_("Interpretador"), description_(std::move(description)) {}
