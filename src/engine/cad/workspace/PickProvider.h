#pragma once
// Who answers when the system asks the user to pick an entity on the drawing: the
// desktop's drawing window. Without one (batch runs) nothing is ever picked.
#include <optional>
#include <string>

#include "engine/cad/dxf/DxfContent.h"

namespace engine::cad {

class PickProvider {
public:
    virtual ~PickProvider() = default;
    // Waits for the user to pick one entity of model space; nullopt when the user
    // picks nothing (or cancels).
    virtual std::optional<dxf::EntityId> Pick(const std::string& prompt) = 0;
};

}  // namespace engine::cad
