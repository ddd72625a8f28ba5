#include "engine/cad/dxf/DxfContent.h"

#include <algorithm>
#include <cstdlib>

namespace engine::dxf {

void DrawingContent::RegisterApplication(const std::string& name) {
    auto same = [&](const std::string& n) { return EqualNoCase(n, name); };
    if (std::any_of(applications.begin(), applications.end(), same)) return;
    if (std::any_of(addedApplications.begin(), addedApplications.end(),
                    [&](const AddedTableEntry& e) { return same(e.name); }))
        return;
    if (layout.appid.begin == kNoOffset && newAppidTable == 0 && Modern()) newAppidTable = AllocateHandles();
    AddedTableEntry entry;
    entry.name = name;
    entry.handle = Modern() ? AllocateHandles() : 0;  // R12 table entries carry no handles
    addedApplications.push_back(std::move(entry));
}

bool DrawingContent::HasLayer(std::string_view name) const {
    if (name == "0") return true;
    for (const Layer& l : layers)
        if (EqualNoCase(l.name, name)) return true;
    for (const AddedTableEntry& l : addedLayers)
        if (EqualNoCase(l.name, name)) return true;
    return false;
}

void DrawingContent::AddLayer(const std::string& name, int color) {
    if (HasLayer(name)) return;
    if (layout.layer.begin == kNoOffset && newLayerTable == 0 && Modern()) newLayerTable = AllocateHandles();
    AddedTableEntry entry;
    entry.name = name;
    entry.handle = Modern() ? AllocateHandles() : 0;
    entry.color = color == 0 || std::abs(color) > 255 ? 7 : color;
    entry.continuous = std::any_of(linetypes.begin(), linetypes.end(),
                                   [](const std::string& t) { return EqualNoCase(t, "CONTINUOUS"); });
    Layer layer;
    layer.name = name;
    layer.color = entry.color;
    layers.push_back(std::move(layer));
    addedLayers.push_back(std::move(entry));
}

int DrawingContent::FindBlock(std::string_view name) const {
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (EqualNoCase(blocks[i].name, name)) return static_cast<int>(i);
    return -1;
}

}  // namespace engine::dxf
