#include "batch/BatchSteps.h"

#include "engine/calc/ServiceNote.h"

namespace batch {

const std::vector<BatchStep>& BatchSteps() {
    static const std::vector<BatchStep> kSteps = {
        {"nota", "Button10", [](engine::Session& s, engine::Interaction&) { engine::ComputeServiceNote(s); }},
    };
    return kSteps;
}

const BatchStep* FindBatchStep(const std::string& name) {
    for (const auto& s : BatchSteps())
        if (name == s.name) return &s;
    return nullptr;
}

}  // namespace batch
