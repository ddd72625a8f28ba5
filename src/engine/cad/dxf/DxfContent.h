#pragma once
// What the drawing store knows of an open drawing: the original bytes, kept once, and
// what was read from them — entities of model space and of block definitions, layers,
// blocks, extended data — with the byte ranges a save needs to keep everything else
// as it was. DxfReader fills it, DxfDrawing changes it, DxfWriter saves it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/cad/CadModel.h"
#include "engine/cad/dxf/DxfText.h"

namespace engine::dxf {

using EntityId = std::uint64_t;  // 1, 2, ... in the order the store met the entities
inline constexpr std::size_t kNoOffset = static_cast<std::size_t>(-1);

struct RawSpan {
    std::size_t begin = kNoOffset;
    std::size_t end = kNoOffset;
    bool Valid() const { return begin != kNoOffset; }
};

// Extended data of one application on one entity: the groups start with (1001, name).
struct XData {
    std::string application;
    cad::GroupList groups;
    RawSpan raw;           // where the file holds it; invalid for data set here
    bool changed = false;  // set (or removed, when groups is empty) since the file was read
};

enum class Space : std::uint8_t { Model, Block };

struct DrawingEntity {
    EntityId id = 0;
    std::string type;   // "POINT", "LINE", "LWPOLYLINE", "POLYLINE", "INSERT", "CIRCLE", ...
    std::string layer;  // UTF-8
    Space space = Space::Model;
    int block = -1;            // index of the block definition holding it (Space::Block)
    int color = 256;           // group 62; 256 is "by layer"
    std::uint64_t handle = 0;  // 0 when the drawing writes none
    std::uint32_t line = 0;    // line of the file where it starts; 0 for additions

    // Geometry of the kinds the system reads. POINT: p1; LINE: p1 to p2; INSERT: p1 is
    // the insertion point. Polylines: x, y per vertex (a 3D polyline x, y, z).
    cad::Point3 p1, p2;
    std::vector<double> coords;
    int flags = 0;          // group 70 of polylines and block references
    std::string blockName;  // INSERT
    double xscale = 1, yscale = 1, zscale = 1, rotation = 0;

    std::vector<XData> xdata;

    bool added = false;  // made here, not read from the file
    bool deleted = false;
    RawSpan raw;                      // the entity with its vertices, attributes and SEQEND
    std::size_t mainEnd = kNoOffset;  // end of its own record (where new extended data goes)
    std::uint64_t subHandles = 0;     // additions written as POLYLINE: first handle of VERTEX/SEQEND
};

struct Layer {
    std::string name;
    int color = 7;  // negative when the layer is off
    int flags = 0;
};

struct BlockDefinition {
    std::string name;
    cad::Point3 base;
    int flags = 0;
    std::vector<EntityId> entities;
    // A definition imported from a symbol drawing: the handles of its block record,
    // BLOCK and ENDBLK, and its entities as text ready for the file.
    bool added = false;
    std::uint64_t recordHandle = 0, beginHandle = 0, endHandle = 0;
    std::string body;
    int completed = 0;  // order in which imported definitions were completed: nested ones first
};

// An entry added to the APPID or LAYER table.
struct AddedTableEntry {
    std::string name;
    std::uint64_t handle = 0;
    int color = 7;            // layers
    bool continuous = false;  // layers: linetype CONTINUOUS (when the drawing defines it)
};

// Places in the original bytes where a save inserts or changes text; kNoOffset when
// the file lacks the place.
struct DxfLayout {
    struct Table {
        std::size_t begin = kNoOffset;  // the TABLE record
        std::size_t end = kNoOffset;    // the ENDTAB record
        RawSpan count;                  // value of its group 70
        std::uint64_t handle = 0;
    };
    struct Section {
        std::size_t begin = kNoOffset;  // the SECTION record
        std::size_t end = kNoOffset;    // the ENDSEC record
    };
    Section header, classes, tables, blocks, entities, objects;
    Table appid, blockRecord, layer;
    RawSpan handSeed;             // value of $HANDSEED
    std::size_t eof = kNoOffset;  // the EOF record, or the end of the bytes
};

struct DrawingContent {
    std::string bytes;     // the file as read
    std::string fileName;  // for messages
    std::string version;   // $ACADVER, "AC1009" when the file has none
    DxfEncoding encoding = DxfEncoding::Cp1252;
    std::string lineEnd = "\n";
    bool padCodes = false;  // group codes right-aligned in three columns ("  0"), as AutoCAD writes them
    DxfLayout layout;

    // Header variables the store uses.
    cad::Point3 insBase;             // base point when the drawing is inserted as a block
    std::string currentLayer = "0";  // $CLAYER: where additions go
    bool hasExtents = false;
    cad::Point3 extMin, extMax;  // $EXTMIN / $EXTMAX

    // Handles: whether the drawing writes them and the next free one.
    bool handles = false;
    std::uint64_t nextHandle = 1;
    std::uint64_t firstNewHandle = 1;    // nextHandle as read: $HANDSEED changes only when handles were taken
    std::uint64_t modelSpaceRecord = 0;  // handle of the *Model_Space block record (R13 on)

    std::vector<DrawingEntity> entities;  // id = index + 1
    std::vector<Layer> layers;
    std::vector<BlockDefinition> blocks;
    std::vector<std::string> applications;  // names in the APPID table
    std::vector<std::string> linetypes;     // names in the LTYPE table

    // Table entries added here (block records come with the added block definitions),
    // and the handles of tables the file lacked and that a save creates.
    std::vector<AddedTableEntry> addedApplications;
    std::vector<AddedTableEntry> addedLayers;
    std::uint64_t newAppidTable = 0;
    std::uint64_t newLayerTable = 0;
    std::uint64_t newBlockRecordTable = 0;

    // R13 and later carry subclass markers and owners; LWPOLYLINE exists from R14 on.
    bool Modern() const { return version >= "AC1012"; }
    bool HasLwPolyline() const { return version >= "AC1014"; }
    // Consecutive fresh handles, above every handle of the file; 0 when the drawing
    // writes none.
    std::uint64_t AllocateHandles(std::uint64_t count = 1) {
        if (!handles) return 0;
        std::uint64_t first = nextHandle;
        nextHandle += count;
        return first;
    }

    // Adds the application to the APPID table unless it is there.
    void RegisterApplication(const std::string& name);
    bool HasLayer(std::string_view name) const;
    // Adds a layer to the LAYER table unless it is there.
    void AddLayer(const std::string& name, int color);
    // The block definition of that name (any case), or -1.
    int FindBlock(std::string_view name) const;
};

}  // namespace engine::dxf
