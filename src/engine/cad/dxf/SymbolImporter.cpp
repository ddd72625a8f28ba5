#include "engine/cad/dxf/SymbolImporter.h"

#include <algorithm>
#include <cstdlib>

#include "engine/cad/dxf/DxfTokenizer.h"
#include "engine/cad/dxf/DxfWriter.h"

namespace engine::dxf {
namespace {

constexpr std::size_t kMaxNesting = 64;

// Kinds whose records stand on their own once their handles are renewed.
bool Copyable(const std::string& type) {
    static const char* const kTypes[] = {"POINT",    "LINE",   "ARC",    "CIRCLE", "ELLIPSE", "LWPOLYLINE",
                                         "POLYLINE", "TEXT",   "MTEXT",  "SOLID",  "TRACE",   "3DFACE",
                                         "SPLINE",   "INSERT", "ATTDEF", "XLINE",  "RAY"};
    return std::any_of(std::begin(kTypes), std::end(kTypes), [&](const char* t) { return type == t; });
}

// Kinds the store can write anew in any version.
bool Writable(const DrawingEntity& e) {
    if (e.type == "POLYLINE") return (e.flags & (16 | 64)) == 0;  // not a mesh
    return e.type == "POINT" || e.type == "LINE" || e.type == "LWPOLYLINE" || e.type == "INSERT";
}

// Groups that point at objects of the symbol drawing, or that place the entity in
// paper space.
bool DroppedCode(int code) {
    return code == 5 || code == 67 || (code >= 320 && code <= 369) || (code >= 390 && code <= 399) || code == 480 ||
           code == 481;
}

}  // namespace

int SymbolImporter::Import(DrawingContent& target, const DrawingContent& symbol, const std::string& blockName) {
    int existing = target.FindBlock(blockName);
    if (existing >= 0) return existing;
    std::vector<EntityId> modelSpace;
    for (const DrawingEntity& e : symbol.entities)
        if (e.space == Space::Model && !e.deleted) modelSpace.push_back(e.id);
    SymbolImporter importer(target, symbol);
    return importer.Define(blockName, symbol.insBase, modelSpace);
}

int SymbolImporter::Define(const std::string& name, const cad::Point3& base, const std::vector<EntityId>& entities) {
    int existing = target_.FindBlock(name);
    if (existing >= 0) return existing;
    // Blocks nested deeper than any real symbol goes are left out.
    if (defining_.size() >= kMaxNesting) return -1;
    defining_.push_back(name);

    BlockDefinition block;
    block.name = name;
    block.base = base;
    block.added = true;
    if (target_.Modern()) {
        if (target_.layout.blockRecord.begin == kNoOffset && target_.newBlockRecordTable == 0)
            target_.newBlockRecordTable = target_.AllocateHandles();
        block.recordHandle = target_.AllocateHandles();
    }
    block.beginHandle = target_.AllocateHandles();
    // Nested definitions are added while this one is filled: keep its place by index.
    int index = static_cast<int>(target_.blocks.size());
    target_.blocks.push_back(std::move(block));

    DxfEmitter out(target_);
    for (EntityId id : entities)
        if (id >= 1 && id <= symbol_.entities.size()) CopyEntity(symbol_.entities[id - 1], index, out);
    target_.blocks[static_cast<std::size_t>(index)].body = out.Take();
    target_.blocks[static_cast<std::size_t>(index)].endHandle = target_.AllocateHandles();
    int completed = 0;
    for (const BlockDefinition& b : target_.blocks) completed = std::max(completed, b.completed);
    target_.blocks[static_cast<std::size_t>(index)].completed = completed + 1;
    defining_.pop_back();
    return index;
}

int SymbolImporter::SymbolLayerColor(const std::string& layer) const {
    for (const Layer& l : symbol_.layers)
        if (EqualNoCase(l.name, layer)) return std::abs(l.color);
    return 7;
}

void SymbolImporter::CopyEntity(const DrawingEntity& e, int block, DxfEmitter& out) {
    if (e.deleted || !Copyable(e.type)) return;
    if (e.type == "INSERT") {
        if (e.blockName.empty() || e.blockName[0] == '*') return;  // anonymous blocks belong to their owner
        // A block may not contain itself, through other blocks or not.
        if (std::any_of(defining_.begin(), defining_.end(),
                        [&](const std::string& n) { return EqualNoCase(n, e.blockName); }))
            return;
        if (target_.FindBlock(e.blockName) < 0) {
            int nested = symbol_.FindBlock(e.blockName);
            if (nested < 0) return;
            const BlockDefinition& def = symbol_.blocks[static_cast<std::size_t>(nested)];
            if (Define(def.name, def.base, def.entities) < 0) return;
        }
    }
    const bool sameRecords = target_.Modern() == symbol_.Modern();
    const bool lwToPolyline = e.type == "LWPOLYLINE" && !target_.HasLwPolyline();
    if (!(sameRecords && !lwToPolyline) && !Writable(e)) return;

    DrawingEntity copy = e;
    copy.id = target_.entities.size() + 1;
    copy.space = Space::Block;
    copy.block = block;
    copy.line = 0;
    copy.added = true;
    copy.raw = {};
    copy.mainEnd = kNoOffset;
    for (XData& d : copy.xdata) d.raw = {};
    const std::uint64_t owner = target_.blocks[static_cast<std::size_t>(block)].recordHandle;

    if (sameRecords && !lwToPolyline) {
        CopyRecords(e, owner, copy, out);
    } else {
        if (lwToPolyline) {
            copy.type = "POLYLINE";
            copy.flags = e.flags & 1;
        }
        copy.handle = target_.AllocateHandles();
        if (copy.type == "POLYLINE") {
            std::size_t step = (copy.flags & 8) ? 3 : 2;
            copy.subHandles = target_.AllocateHandles(copy.coords.size() / step + 1);
        }
        DxfWriter::WriteEntity(out, target_, copy, owner);
    }
    target_.AddLayer(copy.layer, SymbolLayerColor(copy.layer));
    for (const XData& d : copy.xdata) target_.RegisterApplication(d.application);
    target_.blocks[static_cast<std::size_t>(block)].entities.push_back(copy.id);
    target_.entities.push_back(std::move(copy));
}

void SymbolImporter::CopyRecords(const DrawingEntity& e, std::uint64_t owner, DrawingEntity& copy, DxfEmitter& out) {
    std::string_view bytes(symbol_.bytes);
    if (!e.raw.Valid() || e.raw.end > bytes.size() || e.raw.begin >= e.raw.end) return;
    DxfTokenizer tokens(bytes.substr(e.raw.begin, e.raw.end - e.raw.begin), symbol_.fileName);
    DxfPair p;
    std::uint64_t mainHandle = 0;
    bool first = true, inGroup = false;
    while (tokens.Next(p)) {
        if (p.code == 0) {
            std::uint64_t handle = target_.AllocateHandles();
            if (first) mainHandle = copy.handle = handle;
            out.Raw(0, p.value);
            out.Handle(5, handle);
            if (target_.Modern()) out.Handle(330, first ? owner : mainHandle);
            first = false;
            inGroup = false;
            continue;
        }
        if (p.code == 102) {  // {ACAD_REACTORS ... } and the like: links to the symbol's objects
            inGroup = !p.value.empty() && p.value[0] == '{';
            continue;
        }
        if (inGroup || DroppedCode(p.code)) continue;
        out.Text(p.code, DecodeDxfText(p.value, symbol_.encoding));
    }
}

}  // namespace engine::dxf
