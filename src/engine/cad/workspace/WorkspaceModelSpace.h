#pragma once
// Model space of the open drawing: where lines, polylines and block references are
// added. A block reference names a block the drawing defines or a symbol drawing file;
// a ".dwg" file is served by the ".dxf" of the same name beside it, which becomes a
// block named after the file (or is taken as it is, when the drawing already defines
// a block of that name).
#include <memory>
#include <string>

#include "engine/cad/CadModel.h"
#include "engine/cad/dxf/DxfDrawing.h"

namespace engine::cad {

class WorkspaceModelSpace : public ModelSpace {
public:
    explicit WorkspaceModelSpace(std::weak_ptr<dxf::DxfDrawing> drawing) : drawing_(std::move(drawing)) {}

    EntityPtr AddLine(const Point3& start, const Point3& end) override;
    EntityPtr AddLightWeightPolyline(const std::vector<double>& xy) override;
    // Rotation in radians, as the CAD object model takes it.
    EntityPtr InsertBlock(const Point3& at, const std::string& nameOrPath, double xs, double ys, double zs,
                          double rotation) override;

    // The drawing file that serves a symbol path ("x.dwg" -> "x.dxf" beside it), or
    // empty when there is none.
    static std::string SymbolFile(const std::string& path);

private:
    std::shared_ptr<dxf::DxfDrawing> Drawing() const;
    std::weak_ptr<dxf::DxfDrawing> drawing_;
};

}  // namespace engine::cad
