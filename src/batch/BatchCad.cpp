#include "batch/BatchCad.h"

#include "engine/cad/workspace/WorkspaceRegistration.h"

namespace batch {

BatchCad::BatchCad(engine::Interaction& ui)
    : workspace_(engine::cad::DrawingWorkspace::Create()), bridge_(registry_, windows_, ui) {
    // Without a drawing open the workspace answers as no application at all, and the
    // bridge says that AutoCAD must be open, as it would on a desk without one.
    engine::cad::RegisterDrawingWorkspace(registry_, workspace_);
}

void BatchCad::OpenDrawing(const std::string& path) { workspace_->Open(path); }

void BatchCad::SaveDrawingAs(const std::string& path) { workspace_->SaveAs(path); }

}  // namespace batch
