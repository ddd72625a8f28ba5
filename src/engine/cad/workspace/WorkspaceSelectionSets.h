#pragma once
// The selection sets of a drawing: a collection with names compared without regard to
// case.
#include <memory>
#include <vector>

#include "engine/cad/CadModel.h"
#include "engine/cad/workspace/WorkspaceSelectionSet.h"

namespace engine::cad {

class WorkspaceSelectionSets : public SelectionSets, public std::enable_shared_from_this<WorkspaceSelectionSets> {
public:
    WorkspaceSelectionSets(std::weak_ptr<dxf::DxfDrawing> drawing, WorkspaceSelectionSet::PickerSource picker)
        : drawing_(std::move(drawing)), picker_(std::move(picker)) {}

    int Count() override { return static_cast<int>(sets_.size()); }
    SelectionSetPtr Item(int index) override;
    SelectionSetPtr Item(const std::string& name) override;
    SelectionSetPtr Add(const std::string& name) override;

    // Lets a deleted set go.
    void Remove(const WorkspaceSelectionSet* set);

private:
    std::weak_ptr<dxf::DxfDrawing> drawing_;
    WorkspaceSelectionSet::PickerSource picker_;
    std::vector<std::shared_ptr<WorkspaceSelectionSet>> sets_;
};

}  // namespace engine::cad
