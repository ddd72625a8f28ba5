#pragma once
// Makes the drawing workspace answer as "AutoCAD.Application" — the first identifier
// the bridge asks for — while a drawing is open in it.
#include <memory>

#include "engine/cad/ApplicationRegistry.h"
#include "engine/cad/workspace/DrawingWorkspace.h"

namespace engine::cad {

void RegisterDrawingWorkspace(ApplicationRegistry& registry, const std::shared_ptr<DrawingWorkspace>& workspace);

}  // namespace engine::cad
