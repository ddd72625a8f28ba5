#pragma once
// An entity of the open drawing as the CAD object model hands it out. It holds the
// drawing weakly: once the drawing is closed, every call raises CadError.
#include <memory>

#include "engine/cad/CadModel.h"
#include "engine/cad/dxf/DxfDrawing.h"

namespace engine::cad {

class WorkspaceEntity : public Entity {
public:
    WorkspaceEntity(std::weak_ptr<dxf::DxfDrawing> drawing, dxf::EntityId id) : drawing_(std::move(drawing)), id_(id) {}

    dxf::EntityId Id() const { return id_; }

    std::string EntityType() const override;
    // POINT: x, y, z. LWPOLYLINE and 2D POLYLINE: x, y per vertex; 3D POLYLINE: x, y, z
    // per vertex. Other kinds (and polygon or face meshes) raise CadError.
    std::vector<double> Coordinates() override;
    Point3 InsertionPoint() override;
    Point3 StartPoint() override;
    Point3 EndPoint() override;
    GroupList GetXData(const std::string& application) override;
    void SetXData(const GroupList& data) override;
    void Delete() override;

private:
    std::shared_ptr<dxf::DxfDrawing> Drawing() const;
    // The entity as the drawing holds it; CadError when it was deleted.
    const dxf::DrawingEntity& Data(const dxf::DxfDrawing& drawing) const;
    [[noreturn]] void NoSuchProperty(const dxf::DrawingEntity& e, const char* property) const;

    std::weak_ptr<dxf::DxfDrawing> drawing_;
    dxf::EntityId id_;
};

}  // namespace engine::cad
