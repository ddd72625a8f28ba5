#include "engine/cad/dxf/DxfLibAdapter.h"

#include <cmath>

#include "engine/text/NumberText.h"

namespace engine::dxf {

void DxfLibAdapter::SetXDataTarget(long entity, const std::vector<std::size_t>* applicationStarts,
                                   std::size_t recordEnd) {
    xdataTarget_ = entity;
    applicationStarts_ = applicationStarts;
    recordEnd_ = recordEnd;
}

DrawingEntity* DxfLibAdapter::ReportedEntity() {
    int slot = getAttributes().getHandle();
    if (slot < 0 || static_cast<std::size_t>(slot) >= content_.entities.size()) return nullptr;
    return &content_.entities[static_cast<std::size_t>(slot)];
}

void DxfLibAdapter::addLayer(const DL_LayerData& data) {
    int slot = getAttributes().getHandle();
    if (slot < 0 || static_cast<std::size_t>(slot) >= content_.layers.size()) return;
    Layer& layer = content_.layers[static_cast<std::size_t>(slot)];
    layer.name = DecodeDxfText(data.name, content_.encoding);
    layer.flags = data.flags;
    layer.color = getAttributes().getColor();
}

void DxfLibAdapter::addBlock(const DL_BlockData& data) {
    int slot = getAttributes().getHandle();
    if (slot < 0 || static_cast<std::size_t>(slot) >= content_.blocks.size()) return;
    BlockDefinition& block = content_.blocks[static_cast<std::size_t>(slot)];
    block.name = DecodeDxfText(data.name, content_.encoding);
    block.flags = data.flags;
    block.base = {data.bpx, data.bpy, data.bpz};
}

void DxfLibAdapter::addPoint(const DL_PointData& data) {
    if (DrawingEntity* e = ReportedEntity()) e->p1 = {data.x, data.y, data.z};
}

void DxfLibAdapter::addLine(const DL_LineData& data) {
    if (DrawingEntity* e = ReportedEntity()) {
        e->p1 = {data.x1, data.y1, data.z1};
        e->p2 = {data.x2, data.y2, data.z2};
    }
}

void DxfLibAdapter::addPolyline(const DL_PolylineData& data) {
    // data.number is not reliable for POLYLINE (dxflib leaves the count of the last
    // LWPOLYLINE there); vertices are counted as they come.
    if (DrawingEntity* e = ReportedEntity()) e->flags = data.flags;
}

void DxfLibAdapter::addVertex(const DL_VertexData& data) {
    DrawingEntity* e = ReportedEntity();
    if (!e) return;
    e->coords.push_back(data.x);
    e->coords.push_back(data.y);
    if (e->type == "POLYLINE" && (e->flags & 8)) e->coords.push_back(data.z);  // 3D polyline
}

void DxfLibAdapter::addInsert(const DL_InsertData& data) {
    if (DrawingEntity* e = ReportedEntity()) {
        e->blockName = DecodeDxfText(data.name, content_.encoding);
        e->p1 = {data.ipx, data.ipy, data.ipz};
        e->xscale = data.sx;
        e->yscale = data.sy;
        e->zscale = data.sz;
        e->rotation = data.angle;
    }
}

void DxfLibAdapter::addXDataApp(const std::string& appId) {
    if (xdataTarget_ < 0 || static_cast<std::size_t>(xdataTarget_) >= content_.entities.size()) return;
    DrawingEntity& e = content_.entities[static_cast<std::size_t>(xdataTarget_)];
    XData data;
    data.application = DecodeDxfText(appId, content_.encoding);
    data.groups.push_back({1001, data.application});
    // The k-th application reported is the k-th 1001 group of the record.
    std::size_t k = e.xdata.size();
    if (applicationStarts_ && k < applicationStarts_->size()) {
        data.raw.begin = (*applicationStarts_)[k];
        data.raw.end = k + 1 < applicationStarts_->size() ? (*applicationStarts_)[k + 1] : recordEnd_;
    }
    e.xdata.push_back(std::move(data));
}

void DxfLibAdapter::AddXDataGroup(int code, std::string value) {
    if (xdataTarget_ < 0 || static_cast<std::size_t>(xdataTarget_) >= content_.entities.size()) return;
    DrawingEntity& e = content_.entities[static_cast<std::size_t>(xdataTarget_)];
    if (e.xdata.empty()) return;  // data before any application name belongs to none
    e.xdata.back().groups.push_back({static_cast<std::int16_t>(code), std::move(value)});
}

void DxfLibAdapter::addXDataString(int code, const std::string& value) {
    AddXDataGroup(code, DecodeDxfText(value, content_.encoding));
}

void DxfLibAdapter::addXDataReal(int code, double value) {
    AddXDataGroup(code, std::isfinite(value) ? NumberToText(value) : "0");
}

void DxfLibAdapter::addXDataInt(int code, int value) { AddXDataGroup(code, std::to_string(value)); }

}  // namespace engine::dxf
