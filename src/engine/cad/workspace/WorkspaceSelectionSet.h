#pragma once
// A named selection set of the open drawing. Select with mode 5 takes every entity of
// model space that matches all filter groups: 0 entity type, 2 block name (block
// references), 8 layer, 1001 application of extended data; texts compare as the CAD
// application compares them (WildcardMatch: any case, wildcards). Entities come in the
// drawing's order. SelectOnScreen asks the pick provider.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/cad/CadModel.h"
#include "engine/cad/dxf/DxfDrawing.h"
#include "engine/cad/workspace/PickProvider.h"

namespace engine::cad {

class WorkspaceSelectionSets;

class WorkspaceSelectionSet : public SelectionSet {
public:
    using PickerSource = std::function<PickProvider*()>;

    WorkspaceSelectionSet(std::string name, std::weak_ptr<dxf::DxfDrawing> drawing,
                          std::weak_ptr<WorkspaceSelectionSets> owner, PickerSource picker);

    std::string Name() const override { return name_; }
    void Clear() override;
    void Select(int mode, const Point3& p1, const Point3& p2, const GroupList& filter) override;
    void SelectOnScreen() override;
    int Count() override;
    EntityPtr Item(int index) override;
    void Delete() override;

    // The prompt the pick provider shows.
    static constexpr const char* kPickPrompt = "Selecione objetos:";

private:
    std::shared_ptr<dxf::DxfDrawing> Drawing() const;  // CadError when the set or the drawing is gone
    // The ids of entities not deleted since they were selected.
    const std::vector<dxf::EntityId>& Live(const dxf::DxfDrawing& drawing);

    std::string name_;
    std::weak_ptr<dxf::DxfDrawing> drawing_;
    std::weak_ptr<WorkspaceSelectionSets> owner_;
    PickerSource picker_;
    std::vector<dxf::EntityId> ids_;
    std::uint64_t checkedDeletions_ = 0;  // the drawing's deletions when ids_ was last checked
    bool deleted_ = false;
};

}  // namespace engine::cad
