#include "engine/cad/workspace/WorkspaceSelectionSets.h"

#include <algorithm>

#include "engine/cad/dxf/DxfText.h"

namespace engine::cad {

SelectionSetPtr WorkspaceSelectionSets::Item(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= sets_.size())
        throw CadError("Não há conjunto de seleção de índice " + std::to_string(index) + ".");
    return sets_[static_cast<std::size_t>(index)];
}

SelectionSetPtr WorkspaceSelectionSets::Item(const std::string& name) {
    for (const auto& set : sets_)
        if (dxf::EqualNoCase(set->Name(), name)) return set;
    throw CadError("Não há conjunto de seleção com o nome " + name + ".");
}

SelectionSetPtr WorkspaceSelectionSets::Add(const std::string& name) {
    if (!drawing_.lock()) throw CadError("O desenho foi fechado.");
    if (name.empty()) throw CadError("Um conjunto de seleção precisa de nome.");
    for (const auto& set : sets_)
        if (dxf::EqualNoCase(set->Name(), name)) throw CadError("O conjunto de seleção " + name + " já existe.");
    auto set = std::make_shared<WorkspaceSelectionSet>(name, drawing_, weak_from_this(), picker_);
    sets_.push_back(set);
    return set;
}

void WorkspaceSelectionSets::Remove(const WorkspaceSelectionSet* set) {
    sets_.erase(std::remove_if(sets_.begin(), sets_.end(), [&](const auto& s) { return s.get() == set; }), sets_.end());
}

}  // namespace engine::cad
