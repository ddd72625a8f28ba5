#include "engine/cad/dxf/DxfReader.h"

#include <algorithm>
#include <cmath>

#include "engine/Errors.h"
#include "engine/text/NumberText.h"

namespace engine::dxf {
namespace {

// A record type dxflib does not know: records of the entity kinds we do not read are
// fed under it with nothing but their extended data.
constexpr std::string_view kXDataHolder = "QUANT_XDATA_HOLDER";
// dxflib reads lines into buffers of 1024 bytes; longer values are cut for it (the
// file itself keeps them whole).
constexpr std::size_t kFeedValueLimit = 1000;

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

double RealOf(std::string_view text) {
    auto v = ParseNumber(text);
    return v && std::isfinite(static_cast<double>(*v)) ? static_cast<double>(*v) : 0.0;
}

long IntOf(std::string_view text, long fallback) {
    auto v = ParseInteger(text);
    return v ? static_cast<long>(*v) : fallback;
}

}  // namespace

DrawingContent DxfReader::Read(std::string bytes, const std::string& fileName) {
    const std::string& shown = fileName;
    if (bytes.compare(0, 18, "AutoCAD Binary DXF") == 0)
        throw DrawingError("O arquivo " + shown +
                           " é um DXF binário; salve-o como DXF ASCII no programa de CAD e abra-o novamente.");
    std::string lower = fileName;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (bytes.compare(0, 4, "AC10") == 0 || (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".dwg") == 0))
        throw DrawingError("O arquivo " + shown +
                           " é um desenho DWG; salve-o como DXF ASCII no programa de CAD e abra-o novamente.");
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos)
        throw DrawingError("O arquivo " + shown + " está vazio.");

    DrawingContent content;
    content.bytes = std::move(bytes);
    content.fileName = shown;
    content.version = "AC1009";
    DxfReader reader(content);
    reader.Run();
    return content;
}

DxfReader::DxfReader(DrawingContent& content) : content_(content), adapter_(content) {}

void DxfReader::Fail(const std::string& what, std::uint32_t line) const {
    throw DrawingError("O arquivo " + content_.fileName + " não é um DXF válido: " + what +
                       (line ? " (linha " + std::to_string(line) + ")." : "."));
}

void DxfReader::Run() {
    const std::string& bytes = content_.bytes;
    std::size_t firstNewline = bytes.find('\n');
    if (firstNewline != std::string::npos && firstNewline > 0 && bytes[firstNewline - 1] == '\r')
        content_.lineEnd = "\r\n";

    DxfTokenizer tokens(bytes, content_.fileName);
    std::vector<DxfPair> record;
    DxfPair pair;
    bool sawEof = false;
    bool firstRecord = true;
    while (tokens.Next(pair)) {
        if (pair.code == 0) {
            // Additions write group codes as the file does ("  0" or "0").
            if (firstRecord) content_.padCodes = bytes[pair.begin] == ' ';
            firstRecord = false;
            if (!record.empty()) ProcessRecord(record, pair.begin);
            record.clear();
            if (UpperAscii(TrimView(pair.value)) == "EOF") {
                content_.layout.eof = pair.begin;
                sawEof = true;
                break;
            }
        }
        record.push_back(pair);
    }
    if (!sawEof) {
        if (!record.empty()) ProcessRecord(record, bytes.size());
        content_.layout.eof = bytes.size();
    }
    if (section_ != Section::None)
        throw DrawingError("O arquivo " + content_.fileName + " está incompleto: a seção " + sectionName_ +
                           " aberta na linha " + std::to_string(sectionLine_) + " não termina.");
    if (!anySection_) Fail("nenhuma seção encontrada", 0);

    // The last record fed is reported only when another begins.
    feedText_ = "0\nEOF\n";
    adapter_.SetXDataTarget(-1, nullptr, 0);
    FeedText();

    if (!currentLayerBytes_.empty()) content_.currentLayer = DecodeDxfText(currentLayerBytes_, content_.encoding);
    content_.handles = content_.Modern() || maxHandle_ > 0 || handling_ > 0;
    content_.nextHandle = std::max<std::uint64_t>({maxHandle_ + 1, handSeed_, 1});
    content_.firstNewHandle = content_.nextHandle;
}

void DxfReader::ProcessRecord(const std::vector<DxfPair>& record, std::size_t end) {
    const DxfPair& first = record.front();
    if (first.code != 0) {
        // Only comments may come before the first record.
        for (const DxfPair& p : record)
            if (p.code != 999) Fail("o arquivo não começa por uma seção", p.line);
        return;
    }
    std::string type = UpperAscii(TrimView(first.value));
    if (type == "SECTION") {
        OpenSection(record);
        return;
    }
    if (type == "ENDSEC") {
        CloseSection(first);
        return;
    }
    if (section_ == Section::None) Fail("registro " + type + " fora de uma seção", first.line);
    ScanHandles(record);

    switch (section_) {
        case Section::Tables:
            ReadTableRecord(type, record);
            break;
        case Section::Blocks:
            if (type == "BLOCK") {
                groupEntity_ = -1;
                block_ = static_cast<long>(content_.blocks.size());
                BlockDefinition block;
                for (const DxfPair& p : record)
                    if (p.code == 2) {
                        block.name = DecodeDxfText(p.value, content_.encoding);
                        break;
                    }
                content_.blocks.push_back(std::move(block));
                adapter_.SetXDataTarget(-1, nullptr, 0);
                Feed("BLOCK", static_cast<std::size_t>(block_), record, {2, 70, 10, 20, 30}, false);
            } else if (type == "ENDBLK") {
                groupEntity_ = -1;
                block_ = -1;
            } else if (block_ >= 0) {
                ReadEntity(type, record, end, Space::Block);
            }
            break;
        case Section::Entities:
            ReadEntity(type, record, end, Space::Model);
            break;
        default:
            break;
    }
}

void DxfReader::OpenSection(const std::vector<DxfPair>& record) {
    const DxfPair& first = record.front();
    if (section_ != Section::None)
        throw DrawingError("O arquivo " + content_.fileName + " está incompleto: a seção " + sectionName_ +
                           " aberta na linha " + std::to_string(sectionLine_) + " não termina antes da linha " +
                           std::to_string(first.line) + ".");
    if (record.size() < 2 || record[1].code != 2) Fail("seção sem nome", first.line);
    anySection_ = true;
    sectionName_ = UpperAscii(TrimView(record[1].value));
    sectionLine_ = first.line;
    DxfLayout& layout = content_.layout;
    if (sectionName_ == "HEADER") {
        section_ = Section::Header;
        layout.header.begin = first.begin;
        ReadHeader(record);
    } else if (sectionName_ == "TABLES") {
        section_ = Section::Tables;
        layout.tables.begin = first.begin;
    } else if (sectionName_ == "BLOCKS") {
        section_ = Section::Blocks;
        layout.blocks.begin = first.begin;
    } else if (sectionName_ == "ENTITIES") {
        section_ = Section::Entities;
        layout.entities.begin = first.begin;
    } else {
        section_ = Section::Other;
        if (sectionName_ == "CLASSES") layout.classes.begin = first.begin;
        if (sectionName_ == "OBJECTS") layout.objects.begin = first.begin;
    }
}

void DxfReader::CloseSection(const DxfPair& first) {
    DxfLayout& layout = content_.layout;
    switch (section_) {
        case Section::None:
            Fail("ENDSEC sem seção aberta", first.line);
        case Section::Header:
            layout.header.end = first.begin;
            break;
        case Section::Tables:
            layout.tables.end = first.begin;
            break;
        case Section::Blocks:
            layout.blocks.end = first.begin;
            break;
        case Section::Entities:
            layout.entities.end = first.begin;
            break;
        case Section::Other:
            if (sectionName_ == "CLASSES") layout.classes.end = first.begin;
            if (sectionName_ == "OBJECTS") layout.objects.end = first.begin;
            break;
    }
    section_ = Section::None;
    table_.clear();
    block_ = -1;
    groupEntity_ = -1;
}

void DxfReader::ReadHeader(const std::vector<DxfPair>& record) {
    std::string variable;
    for (std::size_t i = 2; i < record.size(); ++i) {
        const DxfPair& p = record[i];
        if (p.code == 9) {
            variable = UpperAscii(TrimView(p.value));
            continue;
        }
        if (variable == "$ACADVER" && p.code == 1) {
            std::string v = UpperAscii(TrimView(p.value));
            bool valid = v.size() == 6 && v.compare(0, 2, "AC") == 0 &&
                         std::all_of(v.begin() + 2, v.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (valid) content_.version = v;
        } else if (variable == "$HANDSEED" && p.code == 5) {
            content_.layout.handSeed = {p.valueBegin, p.valueBegin + p.value.size()};
            handSeed_ = ParseHandle(p.value).value_or(0);
        } else if (variable == "$HANDLING" && p.code == 70) {
            handling_ = IntOf(p.value, 0);
        } else if (variable == "$CLAYER" && p.code == 8) {
            currentLayerBytes_ = std::string(p.value);
        } else if (variable == "$INSBASE" || variable == "$EXTMIN" || variable == "$EXTMAX") {
            cad::Point3& point = variable == "$INSBASE"  ? content_.insBase
                                 : variable == "$EXTMIN" ? content_.extMin
                                                         : content_.extMax;
            if (p.code == 10) point.x = RealOf(p.value);
            if (p.code == 20) point.y = RealOf(p.value);
            if (p.code == 30) point.z = RealOf(p.value);
            if (variable != "$INSBASE") content_.hasExtents = true;
        }
    }
    // Every name after the header is read in the encoding its version implies.
    content_.encoding = EncodingOfVersion(content_.version);
}

void DxfReader::ReadTableRecord(const std::string& type, const std::vector<DxfPair>& record) {
    DxfLayout& layout = content_.layout;
    auto tableLayout = [&](const std::string& name) -> DxfLayout::Table* {
        if (name == "APPID") return &layout.appid;
        if (name == "BLOCK_RECORD") return &layout.blockRecord;
        if (name == "LAYER") return &layout.layer;
        return nullptr;
    };
    if (type == "TABLE") {
        table_.clear();
        for (const DxfPair& p : record)
            if (p.code == 2) {
                table_ = UpperAscii(TrimView(p.value));
                break;
            }
        if (DxfLayout::Table* t = tableLayout(table_)) {
            t->begin = record.front().begin;
            for (const DxfPair& p : record) {
                if (p.code == 5 && t->handle == 0) t->handle = ParseHandle(p.value).value_or(0);
                if (p.code == 70 && !t->count.Valid()) t->count = {p.valueBegin, p.valueBegin + p.value.size()};
            }
        }
        return;
    }
    if (type == "ENDTAB") {
        if (DxfLayout::Table* t = tableLayout(table_)) t->end = record.front().begin;
        table_.clear();
        return;
    }
    std::string_view name;
    std::uint64_t handle = 0;
    for (const DxfPair& p : record) {
        if (p.code == 2 && name.empty()) name = p.value;
        if (p.code == 5 && handle == 0) handle = ParseHandle(p.value).value_or(0);
    }
    if (table_ == "LAYER" && type == "LAYER") {
        Layer layer;
        layer.name = DecodeDxfText(name, content_.encoding);
        content_.layers.push_back(std::move(layer));
        adapter_.SetXDataTarget(-1, nullptr, 0);
        Feed("LAYER", content_.layers.size() - 1, record, {2, 62, 70, 6}, false);
    } else if (table_ == "BLOCK_RECORD" && type == "BLOCK_RECORD") {
        if (EqualNoCase(TrimView(name), "*Model_Space")) content_.modelSpaceRecord = handle;
    } else if (table_ == "APPID" && type == "APPID") {
        content_.applications.push_back(DecodeDxfText(name, content_.encoding));
    } else if (table_ == "LTYPE" && type == "LTYPE") {
        content_.linetypes.push_back(DecodeDxfText(name, content_.encoding));
    }
}

void DxfReader::ScanHandles(const std::vector<DxfPair>& record) {
    // A dimension style of R12 keeps its arrow block name in group 5; its handle is 105.
    bool dimStyle = section_ == Section::Tables && table_ == "DIMSTYLE";
    for (const DxfPair& p : record)
        if ((p.code == 5 && !dimStyle) || p.code == 105)
            if (auto h = ParseHandle(p.value)) maxHandle_ = std::max(maxHandle_, *h);
}

void DxfReader::ReadEntity(const std::string& type, const std::vector<DxfPair>& record, std::size_t end, Space space) {
    if (type == "VERTEX" || type == "ATTRIB" || type == "SEQEND") {
        // Parts of the entity before them: they go (and stay) with it.
        if (groupEntity_ < 0) return;
        DrawingEntity& owner = content_.entities[static_cast<std::size_t>(groupEntity_)];
        owner.raw.end = end;
        if (type == "VERTEX" && owner.type == "POLYLINE") {
            adapter_.SetXDataTarget(-1, nullptr, 0);
            Feed("VERTEX", static_cast<std::size_t>(groupEntity_), record, {8, 10, 20, 30, 70}, false);
        }
        if (type == "SEQEND") groupEntity_ = -1;
        return;
    }
    groupEntity_ = -1;
    if (space == Space::Model)
        for (const DxfPair& p : record)
            if (p.code == 67 && IntOf(p.value, 0) == 1) return;  // paper space: not ours to read

    DrawingEntity e;
    e.id = content_.entities.size() + 1;
    e.type = type;
    e.layer = '0';  // a char: GCC 12 falsely warns (-Wrestrict, its bug 105329) on a one-letter literal
    e.space = space;
    e.block = space == Space::Block ? static_cast<int>(block_) : -1;
    e.line = record.front().line;
    e.raw = {record.front().begin, end};
    e.mainEnd = end;
    applicationStarts_.clear();
    bool seenLayer = false, seenHandle = false, seenColor = false;
    for (std::size_t i = 1; i < record.size(); ++i) {
        const DxfPair& p = record[i];
        if (p.code == 8 && !seenLayer) {
            e.layer = DecodeDxfText(p.value, content_.encoding);
            seenLayer = true;
        } else if (p.code == 5 && !seenHandle) {
            e.handle = ParseHandle(p.value).value_or(0);
            seenHandle = true;
        } else if (p.code == 62 && !seenColor) {
            e.color = static_cast<int>(IntOf(p.value, 256));
            seenColor = true;
        } else if (p.code == 1001) {
            applicationStarts_.push_back(p.begin);
        }
    }
    std::size_t slot = content_.entities.size();
    content_.entities.push_back(std::move(e));
    if (space == Space::Block) content_.blocks[static_cast<std::size_t>(block_)].entities.push_back(slot + 1);
    groupEntity_ = static_cast<long>(slot);

    bool xdata = !applicationStarts_.empty();
    adapter_.SetXDataTarget(xdata ? static_cast<long>(slot) : -1, &applicationStarts_, end);
    if (type == "POINT") {
        Feed(type, slot, record, {8, 10, 20, 30}, xdata);
    } else if (type == "LINE") {
        Feed(type, slot, record, {8, 10, 20, 30, 11, 21, 31}, xdata);
    } else if (type == "LWPOLYLINE") {
        // dxflib sizes its vertex array from group 90; the file's count is not to be
        // trusted with an allocation, the vertices present are.
        long vertices = std::count_if(record.begin(), record.end(), [](const DxfPair& p) { return p.code == 10; });
        Feed(type, slot, record, {8, 70, 38, 10, 20}, xdata, vertices);
    } else if (type == "POLYLINE") {
        Feed(type, slot, record, {8, 66, 70, 10, 20, 30}, xdata);
    } else if (type == "INSERT") {
        Feed(type, slot, record, {8, 2, 10, 20, 30, 41, 42, 43, 50}, xdata);
    } else if (xdata) {
        Feed(kXDataHolder, slot, record, {}, true);
    }
    adapter_.SetXDataTarget(-1, nullptr, 0);
}

void DxfReader::Feed(std::string_view type, std::size_t slot, const std::vector<DxfPair>& record,
                     std::initializer_list<int> codes, bool xdata, long lwVertices) {
    feedText_.clear();
    feedText_ += "0\n";
    feedText_ += type;
    feedText_ += "\n5\n";
    feedText_ += HandleText(slot);  // dxflib hands it back as the entity's handle
    feedText_ += '\n';
    if (lwVertices >= 0) {
        feedText_ += "90\n";
        feedText_ += std::to_string(lwVertices);
        feedText_ += '\n';
    }
    for (std::size_t i = 1; i < record.size(); ++i) {
        const DxfPair& p = record[i];
        bool take = (xdata && p.code >= 1000) || std::find(codes.begin(), codes.end(), p.code) != codes.end();
        if (!take) continue;
        feedText_ += std::to_string(p.code);
        feedText_ += '\n';
        std::string_view value = p.value.substr(0, kFeedValueLimit);
        for (char c : value) feedText_ += c == '\r' ? ' ' : c;
        feedText_ += '\n';
    }
    FeedText();
}

void DxfReader::FeedText() {
    feed_.str(feedText_);
    feed_.clear();
    while (dxf_.readDxfGroups(feed_, &adapter_)) {
    }
}

}  // namespace engine::dxf
