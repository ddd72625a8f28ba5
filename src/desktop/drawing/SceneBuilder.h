#pragma once
// Turns the entities of an open drawing into the primitives the drawing window paints:
// points, lines and polylines of model space in the colour of their layer (or their
// own), block references expanded into their block's entities at their insertion
// point, scale and rotation, and a marker for a reference whose block has nothing to
// draw. Entities on layers that are off or frozen are left out; kinds the store keeps
// only as text (text, circles, hatches ...) are not drawn.
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "desktop/drawing/SceneGeometry.h"
#include "engine/cad/dxf/DxfContent.h"

namespace desktop {

class SceneBuilder {
public:
    // Layers the user turned on or off in the window, by name (any case), over what
    // the drawing says of them. Takes effect at the next Rebuild.
    void SetLayerShown(const std::string& layer, bool shown);
    // Whether the layer's entities are drawn: the user's choice, else on and not frozen.
    bool LayerShown(const engine::dxf::Layer& layer) const;

    // Clears the geometry and fills it with every model-space entity.
    void Rebuild(const engine::dxf::DrawingContent& drawing, SceneGeometry& geometry);
    // Appends the primitives of one entity (an addition). Returns whether it drew any.
    bool Append(const engine::dxf::DrawingContent& drawing, engine::dxf::EntityId id, SceneGeometry& geometry);

private:
    // Where a block's entities land: x' = a x + b y + e, y' = c x + d y + f.
    struct Affine {
        double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
        void Apply(double x, double y, double& ox, double& oy) const {
            ox = a * x + b * y + e;
            oy = c * x + d * y + f;
        }
        Affine Then(const Affine& outer) const;
    };
    struct Inherit {
        const std::string* layer = nullptr;  // the reference's layer, for entities on layer "0"
        int color = 7;                       // the reference's colour, for "by block"
    };

    void Index(const engine::dxf::DrawingContent& drawing);
    const engine::dxf::Layer* FindLayer(const std::string& name) const;
    int FindBlock(const std::string& name) const;
    // False when the entity's layer is off or frozen.
    bool Visible(const std::string& layer) const;
    int ResolveColor(const engine::dxf::DrawingEntity& e, const std::string& layer, const Inherit& in) const;
    // Adds the primitives of an entity under the key `key`; returns how many.
    std::size_t Emit(const engine::dxf::DrawingContent& drawing, const engine::dxf::DrawingEntity& e,
                     std::uint64_t key, const Affine& place, const Inherit& in, int depth, SceneGeometry& g);

    std::unordered_map<std::string, bool> shownByUser_;    // folded name -> drawn
    std::unordered_map<std::string, std::size_t> layers_;  // folded name -> index
    std::unordered_map<std::string, int> blocks_;          // folded name -> index
    static constexpr std::size_t kNoLayer = std::size_t(-1);
    mutable std::unordered_map<std::string, std::size_t> exactLayers_;  // name as entities write it -> index
    mutable std::vector<signed char> shownCache_;  // by layer index: -1 not known yet, 0 hidden, 1 drawn
    std::size_t indexedLayers_ = std::size_t(-1), indexedBlocks_ = std::size_t(-1);
    const engine::dxf::DrawingContent* indexedDrawing_ = nullptr;
};

}  // namespace desktop
