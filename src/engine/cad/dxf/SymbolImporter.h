#pragma once
// Brings the model space of a symbol drawing into a drawing as a block definition, as
// a CAD program does when a drawing file is inserted: the block takes the file's name
// and its $INSBASE as base point, the blocks its references need come along, and the
// layers and extended-data applications its entities use are added to the tables.
//
// Entities are copied record by record with fresh handles and the new block as owner;
// handles that pointed at objects of the symbol drawing are left out. Between drawings
// of the R12 family and of R13 on, whose records differ, only the entities the store
// reads are carried over (written anew); so are lightweight polylines into drawings
// older than R14, as 2D polylines. Kinds that need objects of their own drawing
// (dimensions, hatches, images, viewports ...) are not copied.
#include <string>
#include <vector>

#include "engine/cad/dxf/DxfContent.h"
#include "engine/cad/dxf/DxfEmitter.h"

namespace engine::dxf {

class SymbolImporter {
public:
    // Returns the index of the block definition; a block the target defines already
    // is used as it is.
    static int Import(DrawingContent& target, const DrawingContent& symbol, const std::string& blockName);

private:
    SymbolImporter(DrawingContent& target, const DrawingContent& symbol) : target_(target), symbol_(symbol) {}
    int Define(const std::string& name, const cad::Point3& base, const std::vector<EntityId>& entities);
    void CopyEntity(const DrawingEntity& entity, int block, DxfEmitter& out);
    void CopyRecords(const DrawingEntity& entity, std::uint64_t owner, DrawingEntity& copy, DxfEmitter& out);
    int SymbolLayerColor(const std::string& layer) const;

    DrawingContent& target_;
    const DrawingContent& symbol_;
    std::vector<std::string> defining_;  // blocks being defined, against references in a cycle
};

}  // namespace engine::dxf
