#include "desktop/drawing/SceneBuilder.h"

#include <cmath>
#include <numbers>

#include "desktop/drawing/AciColors.h"
#include "desktop/drawing/TextEntityReader.h"
#include "engine/cad/dxf/DxfText.h"

namespace desktop {

using engine::dxf::DrawingContent;
using engine::dxf::DrawingEntity;

namespace {

constexpr int kByBlock = 0;
constexpr int kByLayer = 256;
// Blocks that (directly or not) insert themselves would never end.
constexpr int kMaxNesting = 16;

}  // namespace

SceneBuilder::Affine SceneBuilder::Affine::Then(const Affine& o) const {
    Affine r;
    r.a = o.a * a + o.b * c;
    r.b = o.a * b + o.b * d;
    r.c = o.c * a + o.d * c;
    r.d = o.c * b + o.d * d;
    r.e = o.a * e + o.b * f + o.e;
    r.f = o.c * e + o.d * f + o.f;
    return r;
}

void SceneBuilder::Index(const DrawingContent& drawing) {
    if (indexedDrawing_ == &drawing && indexedLayers_ == drawing.layers.size() &&
        indexedBlocks_ == drawing.blocks.size())
        return;
    layers_.clear();
    blocks_.clear();
    exactLayers_.clear();
    shownCache_.clear();
    for (std::size_t i = 0; i < drawing.layers.size(); ++i)
        layers_.emplace(engine::dxf::FoldCase(drawing.layers[i].name), i);
    for (std::size_t i = 0; i < drawing.blocks.size(); ++i)
        blocks_.emplace(engine::dxf::FoldCase(drawing.blocks[i].name), int(i));
    indexedDrawing_ = &drawing;
    indexedLayers_ = drawing.layers.size();
    indexedBlocks_ = drawing.blocks.size();
}

const engine::dxf::Layer* SceneBuilder::FindLayer(const std::string& name) const {
    // Most entities name their layer exactly as the table does: looked up once by the
    // exact text, folded only the first time.
    auto exact = exactLayers_.find(name);
    if (exact == exactLayers_.end()) {
        auto it = layers_.find(engine::dxf::FoldCase(name));
        exact = exactLayers_.emplace(name, it == layers_.end() ? kNoLayer : it->second).first;
    }
    return exact->second == kNoLayer ? nullptr : &indexedDrawing_->layers[exact->second];
}

int SceneBuilder::FindBlock(const std::string& name) const {
    auto it = blocks_.find(engine::dxf::FoldCase(name));
    return it == blocks_.end() ? -1 : it->second;
}

void SceneBuilder::SetLayerShown(const std::string& layer, bool shown) {
    shownByUser_[engine::dxf::FoldCase(layer)] = shown;
    shownCache_.clear();
}

bool SceneBuilder::LayerShown(const engine::dxf::Layer& layer) const {
    if (!shownByUser_.empty()) {
        auto it = shownByUser_.find(engine::dxf::FoldCase(layer.name));
        if (it != shownByUser_.end()) return it->second;
    }
    return layer.color >= 0 && (layer.flags & 1) == 0;
}

bool SceneBuilder::Visible(const std::string& layer) const {
    const engine::dxf::Layer* l = FindLayer(layer);
    if (!l) return true;
    const std::size_t i = std::size_t(l - indexedDrawing_->layers.data());
    if (shownCache_.size() != indexedDrawing_->layers.size()) shownCache_.assign(indexedDrawing_->layers.size(), -1);
    if (shownCache_[i] < 0) shownCache_[i] = LayerShown(*l) ? 1 : 0;
    return shownCache_[i] == 1;
}

int SceneBuilder::ResolveColor(const DrawingEntity& e, const std::string& layer, const Inherit& in) const {
    if (e.color == kByBlock) return in.color;
    if (e.color == kByLayer || e.color < 0 || e.color > 255) {
        const engine::dxf::Layer* l = FindLayer(layer);
        return l ? std::abs(l->color) : 7;
    }
    return e.color;
}

std::size_t SceneBuilder::Emit(const DrawingContent& drawing, const DrawingEntity& e, std::uint64_t key,
                               const Affine& place, const Inherit& in, int depth, SceneGeometry& g) {
    if (e.deleted) return 0;
    // Inside a block, layer "0" stands for the layer of the reference.
    const std::string& layer = (in.layer && e.layer == "0") ? *in.layer : e.layer;
    if (!Visible(layer)) return 0;
    const int aci = ResolveColor(e, layer, in);
    const QRgb color = AciToRgb(aci);
    double x, y;
    if (e.type == "POINT") {
        place.Apply(e.p1.x, e.p1.y, x, y);
        g.AddPoint(key, color, x, y);
        return 1;
    }
    if (e.type == "LINE") {
        std::vector<double> xy(4);
        place.Apply(e.p1.x, e.p1.y, xy[0], xy[1]);
        place.Apply(e.p2.x, e.p2.y, xy[2], xy[3]);
        g.AddPolyline(key, color, xy, false);
        return 1;
    }
    if (e.type == "LWPOLYLINE" || e.type == "POLYLINE") {
        // A 3D polyline (flag 8) keeps x, y, z per vertex; the others x, y.
        const std::size_t stride = (e.type == "POLYLINE" && (e.flags & 8)) ? 3 : 2;
        // Polyface and polygon meshes (16, 64) are not outlines: left out.
        if (e.type == "POLYLINE" && (e.flags & (16 | 64))) return 0;
        std::vector<double> xy;
        xy.reserve(e.coords.size() / stride * 2);
        for (std::size_t i = 0; i + stride - 1 < e.coords.size(); i += stride) {
            place.Apply(e.coords[i], e.coords[i + 1], x, y);
            xy.push_back(x);
            xy.push_back(y);
        }
        if (xy.empty()) return 0;
        g.AddPolyline(key, color, xy, (e.flags & 1) != 0);
        return 1;
    }
    if (e.type == "TEXT" || e.type == "MTEXT") {
        std::optional<SceneText> t = TextEntityReader::Read(drawing, e);
        if (!t) return 0;
        t->entity = key;
        t->color = color;
        place.Apply(t->x, t->y, t->x, t->y);
        t->height *= std::sqrt(std::abs(place.a * place.d - place.b * place.c));
        t->rotation += std::atan2(place.c, place.a) * 180 / std::numbers::pi;
        g.AddText(*t);
        return 1;
    }
    if (e.type == "INSERT") {
        const int b = depth < kMaxNesting ? FindBlock(e.blockName) : -1;
        std::size_t drawn = 0;
        if (b >= 0) {
            const engine::dxf::BlockDefinition& def = drawing.blocks[std::size_t(b)];
            const double r = e.rotation * std::numbers::pi / 180;
            const double cs = std::cos(r), sn = std::sin(r);
            Affine local;  // block base to origin, scale, rotate, to the insertion point
            local.a = cs * e.xscale;
            local.b = -sn * e.yscale;
            local.c = sn * e.xscale;
            local.d = cs * e.yscale;
            local.e = e.p1.x - (local.a * def.base.x + local.b * def.base.y);
            local.f = e.p1.y - (local.c * def.base.x + local.d * def.base.y);
            const Affine whole = local.Then(place);
            Inherit inner{&layer, aci};
            for (engine::dxf::EntityId id : def.entities) {
                if (id == 0 || id > drawing.entities.size()) continue;
                drawn += Emit(drawing, drawing.entities[id - 1], key, whole, inner, depth + 1, g);
            }
        }
        if (drawn == 0) {
            // An undefined block, or one of only texts or attributes: still show where it is.
            place.Apply(e.p1.x, e.p1.y, x, y);
            g.AddMarker(key, color, x, y);
            drawn = 1;
        }
        return drawn;
    }
    return 0;
}

void SceneBuilder::Rebuild(const DrawingContent& drawing, SceneGeometry& geometry) {
    geometry.Clear();
    indexedDrawing_ = nullptr;  // another drawing may sit where the last one was
    Index(drawing);
    for (const DrawingEntity& e : drawing.entities)
        if (e.space == engine::dxf::Space::Model) Emit(drawing, e, e.id, Affine{}, Inherit{}, 0, geometry);
}

bool SceneBuilder::Append(const DrawingContent& drawing, engine::dxf::EntityId id, SceneGeometry& geometry) {
    if (id == 0 || id > drawing.entities.size()) return false;
    const DrawingEntity& e = drawing.entities[id - 1];
    if (e.space != engine::dxf::Space::Model) return false;
    Index(drawing);
    return Emit(drawing, e, e.id, Affine{}, Inherit{}, 0, geometry) > 0;
}

}  // namespace desktop
