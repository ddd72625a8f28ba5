#pragma once
// The open drawing as a CAD document: its name, a window id that stays the same while
// it is open, view variables worked out from what it holds, its selection sets and its
// model space.
#include <memory>

#include "engine/cad/CadModel.h"
#include "engine/cad/dxf/DxfDrawing.h"
#include "engine/cad/workspace/WorkspaceModelSpace.h"
#include "engine/cad/workspace/WorkspaceSelectionSets.h"

namespace engine::cad {

class WorkspaceDocument : public Document {
public:
    WorkspaceDocument(std::weak_ptr<dxf::DxfDrawing> drawing, std::intptr_t hwnd,
                      WorkspaceSelectionSet::PickerSource picker);

    std::string Name() override;
    std::intptr_t Hwnd() override;
    // VIEWSIZE (height of the view), VIEWCTR (its centre), VSMAX and VSMIN (corners of
    // the area around everything drawn); CadError for other names.
    VariableValue GetVariable(const std::string& name) override;
    SelectionSets& Selections() override;
    ModelSpace& Model() override;

private:
    std::shared_ptr<dxf::DxfDrawing> Drawing() const;

    std::weak_ptr<dxf::DxfDrawing> drawing_;
    std::intptr_t hwnd_;
    std::shared_ptr<WorkspaceSelectionSets> selections_;
    WorkspaceModelSpace model_;
};

}  // namespace engine::cad
