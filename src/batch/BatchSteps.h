#pragma once
// The calculations the batch runner can run, by name, each the same engine function
// that the corresponding button of the main window calls.
#include <string>
#include <vector>

#include "engine/session/Interaction.h"
#include "engine/session/Session.h"

namespace batch {

struct BatchStep {
    const char* name;         // as given to --run
    const char* button;       // the main window's button, for the sequence check
    void (*run)(engine::Session&, engine::Interaction&);
};

const std::vector<BatchStep>& BatchSteps();
const BatchStep* FindBatchStep(const std::string& name);

}  // namespace batch
