#include "engine/cad/workspace/WorkspaceDocument.h"

#include <algorithm>
#include <cmath>

#include "engine/cad/dxf/DxfText.h"

namespace engine::cad {

WorkspaceDocument::WorkspaceDocument(std::weak_ptr<dxf::DxfDrawing> drawing, std::intptr_t hwnd,
                                     WorkspaceSelectionSet::PickerSource picker)
    : drawing_(drawing),
      hwnd_(hwnd),
      selections_(std::make_shared<WorkspaceSelectionSets>(drawing, std::move(picker))),
      model_(drawing) {}

std::shared_ptr<dxf::DxfDrawing> WorkspaceDocument::Drawing() const {
    auto drawing = drawing_.lock();
    if (!drawing) throw CadError("O desenho foi fechado.");
    return drawing;
}

std::string WorkspaceDocument::Name() { return Drawing()->Name(); }

std::intptr_t WorkspaceDocument::Hwnd() {
    Drawing();
    return hwnd_;
}

VariableValue WorkspaceDocument::GetVariable(const std::string& name) {
    auto drawing = Drawing();
    Point3 min, max;
    if (!drawing->Extents(min, max)) {
        const dxf::DrawingContent& c = drawing->Content();
        bool usable = c.hasExtents && std::isfinite(c.extMin.x) && std::isfinite(c.extMax.x) &&
                      c.extMin.x <= c.extMax.x && c.extMin.y <= c.extMax.y && std::abs(c.extMin.x) < 1e19 &&
                      std::abs(c.extMax.x) < 1e19;
        min = usable ? c.extMin : Point3{0, 0, 0};
        max = usable ? c.extMax : Point3{12, 9, 0};  // the limits of a new drawing
    }
    double width = max.x - min.x, height = max.y - min.y;
    // A 4:3 view that shows everything with a small margin.
    double viewSize = std::max({height, width * 0.75, 1e-6}) * 1.05;
    double cx = (min.x + max.x) / 2, cy = (min.y + max.y) / 2;
    double halfWidth = viewSize / 0.75 / 2, halfHeight = viewSize / 2;
    std::string key = dxf::UpperAscii(name);
    if (key == "VIEWSIZE") return {viewSize};
    if (key == "VIEWCTR") return {cx, cy, 0};
    if (key == "VSMAX") return {cx + 3 * halfWidth, cy + 3 * halfHeight, 0};
    if (key == "VSMIN") return {cx - 3 * halfWidth, cy - 3 * halfHeight, 0};
    throw CadError("Variável de desenho desconhecida: " + name + ".");
}

SelectionSets& WorkspaceDocument::Selections() {
    Drawing();
    return *selections_;
}

ModelSpace& WorkspaceDocument::Model() {
    Drawing();
    return model_;
}

}  // namespace engine::cad
