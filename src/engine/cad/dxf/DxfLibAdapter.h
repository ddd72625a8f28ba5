#pragma once
// Receives what dxflib reports of the records the reader hands it and writes it into
// the drawing content. The reader feeds dxflib one record at a time, with group 5
// replaced by the index of the slot (entity, layer or block) the record fills, so each
// report lands in its own slot whatever dxflib does between records.
//
// dxflib reports an entity only when the next record begins (at its group 0), but its
// extended data as each group is read: the data of an entity arrives BEFORE the entity
// itself is reported, while the previous entity is the last one reported. So the data
// goes to the record being fed (SetXDataTarget), never to the last entity reported.
#include <dxflib/dl_creationadapter.h>

#include <cstddef>
#include <string>
#include <vector>

#include "engine/cad/dxf/DxfContent.h"

namespace engine::dxf {

class DxfLibAdapter : public DL_CreationAdapter {
public:
    explicit DxfLibAdapter(DrawingContent& content) : content_(content) {}

    // The entity (index) whose groups are fed next, with the offsets where each of its
    // applications' data starts and where its record ends; -1 for records of no entity.
    void SetXDataTarget(long entity, const std::vector<std::size_t>* applicationStarts, std::size_t recordEnd);

    void addLayer(const DL_LayerData& data) override;
    void addBlock(const DL_BlockData& data) override;
    void addPoint(const DL_PointData& data) override;
    void addLine(const DL_LineData& data) override;
    void addPolyline(const DL_PolylineData& data) override;
    void addVertex(const DL_VertexData& data) override;
    void addInsert(const DL_InsertData& data) override;
    void addXDataApp(const std::string& appId) override;
    void addXDataString(int code, const std::string& value) override;
    void addXDataReal(int code, double value) override;
    void addXDataInt(int code, int value) override;

private:
    // The entity a report belongs to (from the handle we fed), or nullptr.
    DrawingEntity* ReportedEntity();
    void AddXDataGroup(int code, std::string value);

    DrawingContent& content_;
    long xdataTarget_ = -1;
    const std::vector<std::size_t>* applicationStarts_ = nullptr;
    std::size_t recordEnd_ = 0;
};

}  // namespace engine::dxf
