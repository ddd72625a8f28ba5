#pragma once
// Paints a SceneGeometry through a view, with level of detail: vertices closer than a
// pixel to the last one drawn are skipped, primitives smaller than a pixel become one
// dot, primitives outside the view are skipped by their boxes, segments are batched
// per colour, and texts too small to read are left out. The cost of a frame so follows what is visible on screen more
// than the size of the drawing.
#include <cstddef>

#include <QPointF>
#include <QRgb>
#include <QSize>

#include "desktop/drawing/SceneGeometry.h"

class QPainter;

namespace desktop {

// Drawing units to pixels: the drawing point (cx, cy) sits at the centre of a
// width x height viewport, `scale` pixels per unit, y up on the drawing, down on screen.
struct ViewTransform {
    double cx = 0, cy = 0;
    double scale = 1;
    double width = 1, height = 1;

    QPointF ToScreen(double x, double y) const {
        return {width / 2 + (x - cx) * scale, height / 2 - (y - cy) * scale};
    }
    void ToDrawing(double sx, double sy, double& x, double& y) const {
        x = cx + (sx - width / 2) / scale;
        y = cy - (sy - height / 2) / scale;
    }
    // The drawing area the viewport shows, grown by `marginPixels` on every side.
    SceneBounds Visible(double marginPixels = 0) const;
    // A view of the whole box with a margin of `marginFraction` of the viewport. A box
    // of no extent (a lone point) is shown with 10 units across the viewport, an empty
    // one centred on the origin.
    static ViewTransform Fit(const SceneBounds& box, double width, double height, double marginFraction = 0.04);
};

struct RenderStats {
    std::size_t primitivesDrawn = 0;
    std::size_t segmentsDrawn = 0;
    std::size_t dotsDrawn = 0;  // primitives below a pixel
    std::size_t textsDrawn = 0;
};

class SceneRenderer {
public:
    // The colour behind the drawing: dark, as in CAD programs, so that the index
    // colours read as their users know them.
    static constexpr QRgb kBackground = 0xff212830;

    // Antialiasing is worth its cost only up to this many vertices in the drawing.
    static constexpr std::size_t kAntialiasVertexLimit = 250000;

    // Texts smaller than this on screen are not drawn: they would be a smudge.
    static constexpr double kMinTextPixels = 4;

    // Paints what the geometry holds after `from` (everything by default). The
    // painter's device has the viewport's size in logical pixels.
    static RenderStats Render(QPainter& painter, const SceneGeometry& geometry, const ViewTransform& view,
                              SceneMark from = {});
};

}  // namespace desktop
