#include "batch/BatchSteps.h"

namespace batch {

const std::vector<BatchStep>& BatchSteps() {
    static const std::vector<BatchStep> kSteps = {
    };
    return kSteps;
}

const BatchStep* FindBatchStep(const std::string& name) {
    for (const auto& s : BatchSteps())
        if (name == s.name) return &s;
    return nullptr;
}

}  // namespace batch
