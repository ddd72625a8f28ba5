#pragma once
// The CAD side of a batch run: the drawing workspace with the drawing of --desenho,
// registered where the CAD bridge looks for the CAD application, and the bridge itself
// for the calculations that read or draw on the drawing. There is no screen: no window
// is ever brought forward and an on-screen pick selects nothing.
#include <memory>
#include <string>

#include "engine/cad/ApplicationRegistry.h"
#include "engine/cad/CadBridge.h"
#include "engine/cad/NoWindowSystem.h"
#include "engine/cad/workspace/DrawingWorkspace.h"
#include "engine/session/Interaction.h"

namespace batch {

class BatchCad {
public:
    explicit BatchCad(engine::Interaction& ui);

    // Opens the drawing; DrawingError (naming the file) when it cannot be read.
    void OpenDrawing(const std::string& path);
    // Saves the open drawing to `path`, atomically; DrawingError when it cannot be
    // written (the file that was there stays as it was) or no drawing is open.
    void SaveDrawingAs(const std::string& path);

    engine::cad::CadBridge& Bridge() { return bridge_; }
    engine::cad::DrawingWorkspace& Workspace() { return *workspace_; }

private:
    engine::cad::ApplicationRegistry registry_;
    engine::cad::NoWindowSystem windows_;
    std::shared_ptr<engine::cad::DrawingWorkspace> workspace_;
    engine::cad::CadBridge bridge_;
};

}  // namespace batch
