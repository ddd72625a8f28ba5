#include "engine/cad/workspace/WorkspaceSelectionSet.h"

#include <algorithm>

#include "engine/cad/workspace/WildcardMatch.h"
#include "engine/cad/workspace/WorkspaceEntity.h"
#include "engine/cad/workspace/WorkspaceSelectionSets.h"

namespace engine::cad {
namespace {

bool Matches(const dxf::DrawingEntity& e, const Group& g) {
    switch (g.code) {
        case 0:
            return WildcardMatch(g.value, e.type);
        case 2:
            return e.type == "INSERT" && WildcardMatch(g.value, e.blockName);
        case 8:
            return WildcardMatch(g.value, e.layer);
        case 1001:
            return std::any_of(e.xdata.begin(), e.xdata.end(), [&](const dxf::XData& d) {
                return !d.groups.empty() && WildcardMatch(g.value, d.application);
            });
        default:
            return false;
    }
}

}  // namespace

WorkspaceSelectionSet::WorkspaceSelectionSet(std::string name, std::weak_ptr<dxf::DxfDrawing> drawing,
                                             std::weak_ptr<WorkspaceSelectionSets> owner, PickerSource picker)
    : name_(std::move(name)), drawing_(std::move(drawing)), owner_(std::move(owner)), picker_(std::move(picker)) {}

std::shared_ptr<dxf::DxfDrawing> WorkspaceSelectionSet::Drawing() const {
    if (deleted_) throw CadError("O conjunto de seleção " + name_ + " foi apagado.");
    auto drawing = drawing_.lock();
    if (!drawing) throw CadError("O desenho do conjunto de seleção " + name_ + " foi fechado.");
    return drawing;
}

const std::vector<dxf::EntityId>& WorkspaceSelectionSet::Live(const dxf::DxfDrawing& drawing) {
    if (checkedDeletions_ != drawing.Deletions()) {
        std::erase_if(ids_, [&](dxf::EntityId id) { return drawing.Find(id) == nullptr; });
        checkedDeletions_ = drawing.Deletions();
    }
    return ids_;
}

void WorkspaceSelectionSet::Clear() {
    Drawing();
    ids_.clear();
}

void WorkspaceSelectionSet::Select(int mode, const Point3&, const Point3&, const GroupList& filter) {
    auto drawing = Drawing();
    if (mode != 5)
        throw CadError("O modo de seleção " + std::to_string(mode) + " não é atendido pela área de desenho.");
    for (const Group& g : filter)
        if (g.code != 0 && g.code != 2 && g.code != 8 && g.code != 1001)
            throw CadError("O filtro de seleção com o código " + std::to_string(g.code) +
                           " não é atendido pela área de desenho.");
    ids_.clear();
    checkedDeletions_ = drawing->Deletions();
    for (const dxf::DrawingEntity& e : drawing->Entities()) {
        if (e.deleted || e.space != dxf::Space::Model) continue;
        if (std::all_of(filter.begin(), filter.end(), [&](const Group& g) { return Matches(e, g); }))
            ids_.push_back(e.id);
    }
}

void WorkspaceSelectionSet::SelectOnScreen() {
    auto drawing = Drawing();
    PickProvider* picker = picker_ ? picker_() : nullptr;
    if (!picker) return;
    std::optional<dxf::EntityId> picked = picker->Pick(kPickPrompt);
    if (!picked) return;
    const dxf::DrawingEntity* e = drawing->Find(*picked);
    if (!e || e->space != dxf::Space::Model) return;
    if (std::find(ids_.begin(), ids_.end(), *picked) == ids_.end()) ids_.push_back(*picked);
}

int WorkspaceSelectionSet::Count() {
    auto drawing = Drawing();
    return static_cast<int>(Live(*drawing).size());
}

EntityPtr WorkspaceSelectionSet::Item(int index) {
    auto drawing = Drawing();
    const std::vector<dxf::EntityId>& live = Live(*drawing);
    if (index < 0 || static_cast<std::size_t>(index) >= live.size())
        throw CadError("O conjunto de seleção " + name_ + " não tem o item " + std::to_string(index) + " (tem " +
                       std::to_string(live.size()) + ").");
    return std::make_shared<WorkspaceEntity>(drawing_, live[static_cast<std::size_t>(index)]);
}

void WorkspaceSelectionSet::Delete() {
    Drawing();
    if (auto owner = owner_.lock()) owner->Remove(this);
    deleted_ = true;
}

}  // namespace engine::cad
