#include "engine/cad/dxf/DxfWriter.h"

#include <algorithm>
#include <vector>

#include "engine/Errors.h"
#include "engine/text/NumberText.h"

namespace engine::dxf {
namespace {

struct Splice {
    std::size_t begin = 0, end = 0;  // bytes replaced; begin == end inserts
    int order = 0;                   // among splices at the same place
    std::string text;
};

// The first offset that exists among the given places.
std::size_t FirstOf(std::initializer_list<std::size_t> places) {
    for (std::size_t p : places)
        if (p != kNoOffset) return p;
    return kNoOffset;
}

// A count written back with the width the file gave it.
std::string CountText(std::string_view original, long value) {
    std::string digits = std::to_string(value);
    if (digits.size() < original.size()) digits.insert(0, original.size() - digits.size(), ' ');
    return digits;
}

std::string XDataText(const DrawingContent& content, const XData& data) {
    DxfEmitter out(content);
    if (data.groups.size() > 0) out.XData(data.groups);
    return out.Take();
}

// The opening of a symbol-table record: its type and, in files that have handles, its own
// handle, its table's and the two subclass markers.
void RecordHead(DxfEmitter& out, bool handles, std::string_view type, std::string_view subclass,
                std::uint64_t handle, std::uint64_t table) {
    out.Raw(0, type);
    if (!handles) return;
    out.Handle(5, handle);
    out.Handle(330, table);
    out.Raw(100, "AcDbSymbolTableRecord");
    out.Raw(100, subclass);
}

void WriteApplication(DxfEmitter& out, const DrawingContent& c, const AddedTableEntry& app, std::uint64_t table) {
    RecordHead(out, c.Modern(), "APPID", "AcDbRegAppTableRecord", app.handle, table);
    out.Text(2, app.name);
    out.Int(70, 0);
}

void WriteLayer(DxfEmitter& out, const DrawingContent& c, const AddedTableEntry& layer, std::uint64_t table) {
    RecordHead(out, c.Modern(), "LAYER", "AcDbLayerTableRecord", layer.handle, table);
    out.Text(2, layer.name);
    out.Int(70, 0);
    out.Int(62, layer.color);
    if (layer.continuous) out.Raw(6, "CONTINUOUS");
}

// Block records exist only in files that have handles.
void WriteBlockRecord(DxfEmitter& out, const BlockDefinition& block, std::uint64_t table) {
    RecordHead(out, true, "BLOCK_RECORD", "AcDbBlockTableRecord", block.recordHandle, table);
    out.Text(2, block.name);
    out.Raw(340, "0");
}

// The BLOCK and ENDBLK records that frame a block's entities share their head.
void BlockMarker(DxfEmitter& out, bool modern, const char* type, std::uint64_t handle, std::uint64_t record,
                 const char* subclass) {
    out.Raw(0, type);
    out.Handle(5, handle);
    if (modern) {
        out.Handle(330, record);
        out.Raw(100, "AcDbEntity");
    }
    out.Raw(8, "0");
    if (modern) out.Raw(100, subclass);
}

std::string BlockDefinitionText(const DrawingContent& c, const BlockDefinition& block) {
    DxfEmitter head(c);
    BlockMarker(head, c.Modern(), "BLOCK", block.beginHandle, block.recordHandle, "AcDbBlockBegin");
    head.Text(2, block.name);
    head.Int(70, 0);
    head.Point(10, block.base);
    head.Text(3, block.name);
    head.Raw(1, "");
    std::string text = head.Take();
    text += block.body;
    DxfEmitter end(c);
    BlockMarker(end, c.Modern(), "ENDBLK", block.endHandle, block.recordHandle, "AcDbBlockEnd");
    return text + end.Str();
}

std::string TableHeader(const DrawingContent& c, std::string_view name, std::uint64_t handle, long count) {
    DxfEmitter out(c);
    out.Raw(0, "TABLE");
    out.Raw(2, name);
    if (c.Modern()) {
        out.Handle(5, handle);
        out.Raw(330, "0");
        out.Raw(100, "AcDbSymbolTable");
    }
    out.Int(70, count);
    return out.Take();
}

std::string Marker(const DrawingContent& c, std::string_view type, std::string_view name = {}) {
    DxfEmitter out(c);
    out.Raw(0, type);
    if (!name.empty()) out.Raw(2, name);
    return out.Take();
}

}  // namespace

void DxfWriter::WriteEntity(DxfEmitter& out, const DrawingContent& c, const DrawingEntity& e, std::uint64_t owner) {
    const bool modern = c.Modern();
    auto begin = [&](std::string_view type, std::uint64_t handle, std::uint64_t own, std::string_view subclass) {
        out.Raw(0, type);
        out.Handle(5, handle);
        if (modern) {
            out.Handle(330, own);
            out.Raw(100, "AcDbEntity");
        }
        out.Text(8, e.layer);
        if (e.color != 256) out.Int(62, e.color);
        if (modern && !subclass.empty()) out.Raw(100, subclass);
    };
    auto xdata = [&] {
        for (const XData& d : e.xdata)
            if (!d.groups.empty()) out.XData(d.groups);
    };

    if (e.type == "LINE") {
        begin("LINE", e.handle, owner, "AcDbLine");
        out.Point(10, e.p1);
        out.Point(11, e.p2);
        xdata();
    } else if (e.type == "POINT") {
        begin("POINT", e.handle, owner, "AcDbPoint");
        out.Point(10, e.p1);
        xdata();
    } else if (e.type == "LWPOLYLINE") {
        begin("LWPOLYLINE", e.handle, owner, "AcDbPolyline");
        out.Int(90, static_cast<long>(e.coords.size() / 2));
        out.Int(70, e.flags & 129);
        for (std::size_t i = 0; i + 1 < e.coords.size(); i += 2) {
            out.Real(10, e.coords[i]);
            out.Real(20, e.coords[i + 1]);
        }
        xdata();
    } else if (e.type == "POLYLINE") {
        const bool is3d = (e.flags & 8) != 0;
        const std::size_t step = is3d ? 3 : 2;
        begin("POLYLINE", e.handle, owner, is3d ? "AcDb3dPolyline" : "AcDb2dPolyline");
        out.Int(66, 1);
        out.Point(10, {0, 0, 0});
        out.Int(70, is3d ? (e.flags & 9) : (e.flags & 129));
        xdata();
        std::uint64_t sub = e.subHandles;
        for (std::size_t i = 0; i + step - 1 < e.coords.size(); i += step) {
            begin("VERTEX", sub ? sub++ : 0, e.handle, "AcDbVertex");
            if (modern) out.Raw(100, is3d ? "AcDb3dPolylineVertex" : "AcDb2dVertex");
            out.Point(10, {e.coords[i], e.coords[i + 1], is3d ? e.coords[i + 2] : 0.0});
            out.Int(70, is3d ? 32 : 0);
        }
        begin("SEQEND", sub, e.handle, "");
    } else if (e.type == "INSERT") {
        begin("INSERT", e.handle, owner, "AcDbBlockReference");
        out.Text(2, e.blockName);
        out.Point(10, e.p1);
        if (e.xscale != 1) out.Real(41, e.xscale);
        if (e.yscale != 1) out.Real(42, e.yscale);
        if (e.zscale != 1) out.Real(43, e.zscale);
        if (e.rotation != 0) out.Real(50, e.rotation);
        xdata();
    }
}

std::string DxfWriter::Write(const DrawingContent& c) {
    const DxfLayout& L = c.layout;
    const std::string& bytes = c.bytes;
    std::vector<Splice> splices;
    auto insert = [&](std::size_t at, int order, std::string text) {
        if (!text.empty()) splices.push_back({at, at, order, std::move(text)});
    };
    auto replace = [&](RawSpan span, std::string text) {
        splices.push_back({span.begin, span.end, 0, std::move(text)});
    };
    const std::size_t eof = L.eof;

    // Handles taken since the file was read move $HANDSEED on.
    if (c.handles && c.nextHandle != c.firstNewHandle) {
        if (L.handSeed.Valid()) {
            replace(L.handSeed, HandleText(c.nextHandle));
        } else if (L.header.end != kNoOffset) {
            DxfEmitter out(c);
            out.Raw(9, "$HANDSEED");
            out.Raw(5, HandleText(c.nextHandle));
            insert(L.header.end, 0, out.Take());
        }
    }

    // Table entries: into their table, or into a table made for them.
    std::string newTables;
    auto addEntries = [&](const DxfLayout::Table& table, std::string_view name, std::uint64_t newHandle,
                          std::string entries, long added) {
        if (added == 0) return;
        if (table.end != kNoOffset) {
            insert(table.end, 1, std::move(entries));
            if (table.count.Valid()) {
                std::string_view old(bytes.data() + table.count.begin, table.count.end - table.count.begin);
                if (auto n = ParseInteger(old)) replace(table.count, CountText(old, static_cast<long>(*n) + added));
            }
        } else if (table.begin != kNoOffset) {  // a table that never ends runs to the end of TABLES
            insert(L.tables.end, 1, std::move(entries));
        } else {
            newTables += TableHeader(c, name, newHandle, added) + entries + Marker(c, "ENDTAB");
        }
    };
    {
        DxfEmitter layers(c);
        for (const AddedTableEntry& layer : c.addedLayers)
            WriteLayer(layers, c, layer, L.layer.handle ? L.layer.handle : c.newLayerTable);
        addEntries(L.layer, "LAYER", c.newLayerTable, layers.Take(), static_cast<long>(c.addedLayers.size()));

        DxfEmitter apps(c);
        for (const AddedTableEntry& app : c.addedApplications)
            WriteApplication(apps, c, app, L.appid.handle ? L.appid.handle : c.newAppidTable);
        addEntries(L.appid, "APPID", c.newAppidTable, apps.Take(), static_cast<long>(c.addedApplications.size()));

        if (c.Modern()) {
            DxfEmitter records(c);
            long count = 0;
            for (const BlockDefinition& block : c.blocks)
                if (block.added) {
                    WriteBlockRecord(records, block,
                                     L.blockRecord.handle ? L.blockRecord.handle : c.newBlockRecordTable);
                    ++count;
                }
            addEntries(L.blockRecord, "BLOCK_RECORD", c.newBlockRecordTable, records.Take(), count);
        }
    }
    if (!newTables.empty()) {
        if (L.tables.end != kNoOffset)
            insert(L.tables.end, 1, std::move(newTables));
        else
            insert(FirstOf({L.blocks.begin, L.entities.begin, L.objects.begin, eof}), 1,
                   Marker(c, "SECTION", "TABLES") + newTables + Marker(c, "ENDSEC"));
    }

    // Block definitions imported from symbol drawings, each after the blocks it refers to.
    std::vector<const BlockDefinition*> imported;
    for (const BlockDefinition& block : c.blocks)
        if (block.added) imported.push_back(&block);
    std::stable_sort(imported.begin(), imported.end(),
                     [](const BlockDefinition* a, const BlockDefinition* b) { return a->completed < b->completed; });
    std::string blocks;
    for (const BlockDefinition* block : imported) blocks += BlockDefinitionText(c, *block);
    if (!blocks.empty()) {
        if (L.blocks.end != kNoOffset)
            insert(L.blocks.end, 2, std::move(blocks));
        else
            insert(FirstOf({L.entities.begin, L.objects.begin, eof}), 2,
                   Marker(c, "SECTION", "BLOCKS") + blocks + Marker(c, "ENDSEC"));
    }

    // Model space: deletions and changed extended data in place, additions at the end.
    DxfEmitter additions(c);
    for (const DrawingEntity& e : c.entities) {
        if (e.space != Space::Model) continue;
        if (e.added) {
            if (!e.deleted) WriteEntity(additions, c, e, c.modelSpaceRecord);
            continue;
        }
        if (e.deleted) {
            replace(e.raw, "");
            continue;
        }
        for (const XData& d : e.xdata) {
            if (!d.changed) continue;
            if (d.raw.Valid())
                replace(d.raw, XDataText(c, d));
            else
                insert(e.mainEnd, 3, XDataText(c, d));
        }
    }
    if (!additions.Str().empty()) {
        if (L.entities.end != kNoOffset)
            insert(L.entities.end, 4, additions.Take());
        else
            insert(FirstOf({L.objects.begin, eof}), 4,
                   Marker(c, "SECTION", "ENTITIES") + additions.Take() + Marker(c, "ENDSEC"));
    }

    // At one place, what goes before the record there comes before what replaces it
    // (new data at the end of an entity whose neighbour is deleted).
    std::stable_sort(splices.begin(), splices.end(), [](const Splice& a, const Splice& b) {
        if (a.begin != b.begin) return a.begin < b.begin;
        bool aReplaces = a.end > a.begin, bReplaces = b.end > b.begin;
        if (aReplaces != bReplaces) return bReplaces;
        return a.order < b.order;
    });
    std::string out;
    std::size_t extra = 0;
    for (const Splice& s : splices) extra += s.text.size();
    out.reserve(bytes.size() + extra + 2);
    std::size_t cursor = 0;
    for (const Splice& s : splices) {
        if (s.begin < cursor || s.end < s.begin || s.end > bytes.size())
            throw DrawingError("Erro interno ao gravar o desenho " + c.fileName + ": alterações sobrepostas.");
        out.append(bytes, cursor, s.begin - cursor);
        // A file that ends without a line end needs one before what follows it.
        if (s.begin == bytes.size() && !out.empty() && out.back() != '\n' && !s.text.empty()) out += c.lineEnd;
        out += s.text;
        cursor = s.end;
    }
    out.append(bytes, cursor, std::string::npos);
    return out;
}

}  // namespace engine::dxf
