#include "engine/cad/dxf/DxfDrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Errors.h"
#include "engine/cad/dxf/DxfReader.h"
#include "engine/cad/dxf/DxfWriter.h"
#include "engine/cad/dxf/SymbolImporter.h"
#include "engine/text/AtomicFile.h"
#include "engine/text/Encoding.h"
#include "engine/text/NumberText.h"

namespace engine::dxf {
namespace {

std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Finite(const cad::Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// An empty drawing of the oldest format every CAD program reads.
constexpr const char* kEmptyDrawing =
    "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  9\n$CLAYER\n  8\n0\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nTABLES\n"
    "  0\nTABLE\n  2\nLTYPE\n 70\n     1\n  0\nLTYPE\n  2\nCONTINUOUS\n 70\n     0\n  3\nSolid line\n"
    " 72\n    65\n 73\n     0\n 40\n0.0\n  0\nENDTAB\n"
    "  0\nTABLE\n  2\nLAYER\n 70\n     1\n  0\nLAYER\n  2\n0\n 70\n     0\n 62\n     7\n  6\nCONTINUOUS\n"
    "  0\nENDTAB\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nBLOCKS\n  0\nENDSEC\n"
    "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n";

std::string Shown(std::string_view value) {
    std::string s(value.substr(0, 40));
    return s;
}

// What a DXF file can hold as extended data; CadError naming the group at fault.
void CheckXData(const cad::GroupList& groups) {
    if (groups.empty() || groups[0].code != 1001)
        throw CadError("Dados estendidos devem começar pelo nome do aplicativo (código 1001).");
    const std::string& app = groups[0].value;
    if (app.empty() || CharCount(app) > 255 || app.find_first_of("\r\n") != std::string::npos)
        throw CadError("Nome de aplicativo inválido nos dados estendidos: \"" + Shown(app) + "\".");
    for (std::size_t i = 1; i < groups.size(); ++i) {
        const cad::Group& g = groups[i];
        const std::string& v = g.value;
        auto bad = [&](const std::string& why) {
            throw CadError("Dados estendidos de " + app + ": o grupo " + std::to_string(g.code) + " (\"" + Shown(v) +
                           "\") " + why + ".");
        };
        if (g.code < 1000 || g.code > 1071 || g.code == 1001) bad("não é um código de dados estendidos");
        if (v.find_first_of("\r\n") != std::string::npos) bad("contém quebra de linha");
        if (g.code == 1000 && CharCount(v) > 255) bad("passa de 255 caracteres");
        if (g.code == 1002 && v != "{" && v != "}") bad("deve ser \"{\" ou \"}\"");
        if (g.code == 1005 && !ParseHandle(v)) bad("não é um identificador");
        if (g.code >= 1010 && g.code <= 1059) {
            auto n = ParseNumber(v);
            if (!n || !std::isfinite(static_cast<double>(*n))) bad("não é um número");
        }
        if (g.code >= 1060 && g.code <= 1071) {
            auto n = ParseInteger(v);
            long long lo = g.code == 1071 ? std::numeric_limits<std::int32_t>::min() : -32768;
            long long hi = g.code == 1071 ? std::numeric_limits<std::int32_t>::max() : 32767;
            if (!n || *n < lo || *n > hi) bad("não é um inteiro válido");
        }
    }
}

}  // namespace

std::unique_ptr<DxfDrawing> DxfDrawing::Open(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const FileError&) {
        throw DrawingError("Não foi possível abrir o desenho " + path + ".");
    }
    return std::unique_ptr<DxfDrawing>(new DxfDrawing(DxfReader::Read(std::move(bytes), path), path));
}

std::unique_ptr<DxfDrawing> DxfDrawing::FromBytes(std::string bytes, const std::string& name) {
    auto drawing = std::unique_ptr<DxfDrawing>(new DxfDrawing(DxfReader::Read(std::move(bytes), name), ""));
    drawing->name_ = BaseName(name);
    return drawing;
}

std::unique_ptr<DxfDrawing> DxfDrawing::NewEmpty(const std::string& name) { return FromBytes(kEmptyDrawing, name); }

DxfDrawing::DxfDrawing(DrawingContent content, std::string path)
    : content_(std::move(content)), path_(std::move(path)), name_(BaseName(path_)) {}

const DrawingEntity* DxfDrawing::Find(EntityId id) const {
    if (id < 1 || id > content_.entities.size()) return nullptr;
    const DrawingEntity& e = content_.entities[id - 1];
    return e.deleted ? nullptr : &e;
}

const BlockDefinition* DxfDrawing::FindBlock(std::string_view name) const {
    if (name.empty() || name[0] == '*' || EqualNoCase(name, "$MODEL_SPACE") || EqualNoCase(name, "$PAPER_SPACE"))
        return nullptr;
    int index = content_.FindBlock(name);
    return index < 0 ? nullptr : &content_.blocks[static_cast<std::size_t>(index)];
}

bool DxfDrawing::Extents(cad::Point3& min, cad::Point3& max) const {
    bool any = false;
    auto take = [&](double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        if (!any) {
            min = max = {x, y, 0};
            any = true;
            return;
        }
        min.x = std::min(min.x, x);
        min.y = std::min(min.y, y);
        max.x = std::max(max.x, x);
        max.y = std::max(max.y, y);
    };
    for (const DrawingEntity& e : content_.entities) {
        if (e.deleted || e.space != Space::Model) continue;
        if (e.type == "POINT" || e.type == "INSERT") {
            take(e.p1.x, e.p1.y);
        } else if (e.type == "LINE") {
            take(e.p1.x, e.p1.y);
            take(e.p2.x, e.p2.y);
        } else if (!e.coords.empty()) {
            std::size_t step = e.type == "POLYLINE" && (e.flags & 8) ? 3 : 2;
            for (std::size_t i = 0; i + 1 < e.coords.size(); i += step) take(e.coords[i], e.coords[i + 1]);
        }
    }
    return any;
}

DrawingEntity& DxfDrawing::Live(EntityId id) {
    if (id < 1 || id > content_.entities.size()) throw CadError("A entidade não existe no desenho.");
    DrawingEntity& e = content_.entities[id - 1];
    if (e.deleted) throw CadError("A entidade foi apagada do desenho.");
    if (e.space != Space::Model) throw CadError("A entidade pertence a uma definição de bloco.");
    return e;
}

DrawingEntity& DxfDrawing::NewEntity(const std::string& type) {
    DrawingEntity e;
    e.id = content_.entities.size() + 1;
    e.type = type;
    e.layer = content_.currentLayer.empty() ? "0" : content_.currentLayer;
    e.added = true;
    // A current layer the table lacks is added to it, as the CAD application would.
    content_.AddLayer(e.layer, 7);
    e.handle = content_.AllocateHandles();
    content_.entities.push_back(std::move(e));
    return content_.entities.back();
}

EntityId DxfDrawing::Added(const DrawingEntity& e) {
    modified_ = true;
    Notify(Change::Added, e.id);
    return e.id;
}

EntityId DxfDrawing::AddLine(const cad::Point3& start, const cad::Point3& end) {
    if (!Finite(start) || !Finite(end)) throw CadError("Coordenadas inválidas para a linha.");
    DrawingEntity& e = NewEntity("LINE");
    e.p1 = start;
    e.p2 = end;
    return Added(e);
}

EntityId DxfDrawing::AddPolyline(const std::vector<double>& xy) {
    if (xy.size() < 4 || xy.size() % 2 != 0)
        throw CadError("Uma polilinha precisa de pares de coordenadas x, y de pelo menos dois vértices (recebidos " +
                       std::to_string(xy.size()) + " valores).");
    if (!std::all_of(xy.begin(), xy.end(), [](double v) { return std::isfinite(v); }))
        throw CadError("Coordenadas inválidas para a polilinha.");
    DrawingEntity& e = NewEntity(content_.HasLwPolyline() ? "LWPOLYLINE" : "POLYLINE");
    e.coords = xy;
    if (e.type == "POLYLINE") e.subHandles = content_.AllocateHandles(xy.size() / 2 + 1);
    return Added(e);
}

EntityId DxfDrawing::AddInsert(const cad::Point3& at, const std::string& blockName, double xscale, double yscale,
                               double zscale, double rotation) {
    const BlockDefinition* block = FindBlock(blockName);
    if (!block) throw CadError("O bloco " + blockName + " não está definido no desenho.");
    if (!Finite(at) || !std::isfinite(xscale) || !std::isfinite(yscale) || !std::isfinite(zscale) ||
        !std::isfinite(rotation) || xscale == 0 || yscale == 0 || zscale == 0)
        throw CadError("Posição, escala ou rotação inválida para o bloco " + blockName + ".");
    std::string name = block->name;
    DrawingEntity& e = NewEntity("INSERT");
    e.blockName = name;
    e.p1 = at;
    e.xscale = xscale;
    e.yscale = yscale;
    e.zscale = zscale;
    e.rotation = rotation;
    return Added(e);
}

void DxfDrawing::ImportBlock(const DxfDrawing& symbol, const std::string& blockName) {
    if (FindBlock(blockName)) return;
    SymbolImporter::Import(content_, symbol.content_, blockName);
    modified_ = true;
}

cad::GroupList DxfDrawing::XDataOf(EntityId id, std::string_view application) const {
    const DrawingEntity* e = Find(id);
    if (!e) throw CadError("A entidade não existe no desenho.");
    cad::GroupList all;
    for (const XData& d : e->xdata) {
        if (d.groups.empty()) continue;
        if (application.empty())
            all.insert(all.end(), d.groups.begin(), d.groups.end());
        else if (EqualNoCase(d.application, application))
            return d.groups;
    }
    return all;
}

void DxfDrawing::SetXData(EntityId id, const cad::GroupList& groups) {
    CheckXData(groups);
    DrawingEntity& e = Live(id);
    const std::string& app = groups[0].value;
    bool removing = groups.size() == 1;
    auto it =
        std::find_if(e.xdata.begin(), e.xdata.end(), [&](const XData& d) { return EqualNoCase(d.application, app); });
    if (it != e.xdata.end()) {
        it->groups = removing ? cad::GroupList{} : groups;
        it->changed = true;
    } else if (!removing) {
        XData data;
        data.application = app;
        data.groups = groups;
        data.changed = true;
        e.xdata.push_back(std::move(data));
    } else {
        return;  // nothing to remove
    }
    if (!removing) content_.RegisterApplication(app);
    modified_ = true;
    Notify(Change::Changed, id);
}

void DxfDrawing::Delete(EntityId id) {
    DrawingEntity& e = Live(id);
    e.deleted = true;
    ++deletions_;
    modified_ = true;
    Notify(Change::Removed, id);
}

std::string DxfDrawing::Serialize() const { return DxfWriter::Write(content_); }

void DxfDrawing::Save() {
    if (path_.empty()) throw DrawingError("O desenho " + name_ + " ainda não tem arquivo; grave-o com outro nome.");
    SaveAs(path_);
}

void DxfDrawing::SaveAs(const std::string& path) {
    std::string lower = path;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".dwg") == 0)
        throw DrawingError("Não é possível gravar " + path + ": a área de desenho grava apenas arquivos DXF.");
    std::string text = Serialize();
    try {
        WriteFileAtomically(path, text);
    } catch (const FileError& error) {
        throw DrawingError(error.what());
    }
    path_ = path;
    name_ = BaseName(path);
    modified_ = false;
}

int DxfDrawing::Subscribe(Listener listener) {
    int token = nextToken_++;
    listeners_.emplace_back(token, std::move(listener));
    return token;
}

void DxfDrawing::Unsubscribe(int token) {
    listeners_.erase(
        std::remove_if(listeners_.begin(), listeners_.end(), [&](const auto& entry) { return entry.first == token; }),
        listeners_.end());
}

void DxfDrawing::Refresh() { Notify(Change::Refreshed, 0); }

void DxfDrawing::Notify(Change change, EntityId id) {
    auto copy = listeners_;  // a listener may unsubscribe while it is told
    for (const auto& entry : copy) entry.second(change, id);
}

}  // namespace engine::dxf
