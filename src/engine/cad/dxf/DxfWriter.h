#pragma once
// Saves drawing content: the original bytes are copied as they are, and only what the
// system changed is spliced in — additions at the end of their section or table,
// deleted entities cut out with their vertices, extended data replaced in place, the
// table counts and $HANDSEED brought up to date. Sections and tables the file lacks
// and an addition needs are created in their place. So every entity, table, header
// variable, object, class and handle the system did not touch survives a save.
#include <cstdint>
#include <string>

#include "engine/cad/dxf/DxfContent.h"
#include "engine/cad/dxf/DxfEmitter.h"

namespace engine::dxf {

class DxfWriter {
public:
    static std::string Write(const DrawingContent& content);

    // Writes an entity of the kinds the store makes (LINE, POINT, LWPOLYLINE, POLYLINE,
    // INSERT) as the content's version holds it, owned by `owner` (R13 on), with its
    // extended data.
    static void WriteEntity(DxfEmitter& out, const DrawingContent& content, const DrawingEntity& entity,
                            std::uint64_t owner);
};

}  // namespace engine::dxf
