#include "engine/cad/workspace/WorkspaceEntity.h"

namespace engine::cad {

std::shared_ptr<dxf::DxfDrawing> WorkspaceEntity::Drawing() const {
    auto drawing = drawing_.lock();
    if (!drawing) throw CadError("O desenho desta entidade foi fechado.");
    return drawing;
}

const dxf::DrawingEntity& WorkspaceEntity::Data(const dxf::DxfDrawing& drawing) const {
    const dxf::DrawingEntity* e = drawing.Find(id_);
    if (!e) throw CadError("A entidade foi apagada do desenho.");
    return *e;
}

void WorkspaceEntity::NoSuchProperty(const dxf::DrawingEntity& e, const char* property) const {
    throw CadError("A entidade " + e.type + " não tem a propriedade " + property + ".");
}

std::string WorkspaceEntity::EntityType() const {
    auto drawing = Drawing();
    if (id_ < 1 || id_ > drawing->Entities().size()) throw CadError("A entidade não existe no desenho.");
    return drawing->Entities()[id_ - 1].type;
}

std::vector<double> WorkspaceEntity::Coordinates() {
    auto drawing = Drawing();
    const dxf::DrawingEntity& e = Data(*drawing);
    if (e.type == "POINT") return {e.p1.x, e.p1.y, e.p1.z};
    if (e.type == "LWPOLYLINE") return e.coords;
    if (e.type == "POLYLINE" && (e.flags & (16 | 64)) == 0) return e.coords;
    NoSuchProperty(e, "Coordinates");
}

Point3 WorkspaceEntity::InsertionPoint() {
    auto drawing = Drawing();
    const dxf::DrawingEntity& e = Data(*drawing);
    if (e.type != "INSERT") NoSuchProperty(e, "InsertionPoint");
    return e.p1;
}

Point3 WorkspaceEntity::StartPoint() {
    auto drawing = Drawing();
    const dxf::DrawingEntity& e = Data(*drawing);
    if (e.type != "LINE") NoSuchProperty(e, "StartPoint");
    return e.p1;
}

Point3 WorkspaceEntity::EndPoint() {
    auto drawing = Drawing();
    const dxf::DrawingEntity& e = Data(*drawing);
    if (e.type != "LINE") NoSuchProperty(e, "EndPoint");
    return e.p2;
}

GroupList WorkspaceEntity::GetXData(const std::string& application) { return Drawing()->XDataOf(id_, application); }

void WorkspaceEntity::SetXData(const GroupList& data) { Drawing()->SetXData(id_, data); }

void WorkspaceEntity::Delete() { Drawing()->Delete(id_); }

}  // namespace engine::cad
