#pragma once
// What the drawing window paints, flattened: every entity of the drawing becomes one or
// more primitives (a run of vertices, a point, or a marker), each with its colour, its
// bounding box and the key of the entity it belongs to. Block references are expanded
// into the primitives of their block, transformed, under the key of the reference.
// Coordinates stay in drawing units (doubles: projects sit at UTM coordinates of
// millions of metres, where floats would lose the centimetres).
#include <cstdint>
#include <optional>
#include <vector>

#include <QRgb>
#include <QString>

namespace desktop {

struct SceneBounds {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool empty = true;
    void Add(double x, double y);
    void Add(const SceneBounds& b);
    bool Intersects(const SceneBounds& b) const {
        return !empty && !b.empty && minX <= b.maxX && b.minX <= maxX && minY <= b.maxY && b.minY <= maxY;
    }
    double Width() const { return empty ? 0 : maxX - minX; }
    double Height() const { return empty ? 0 : maxY - minY; }
};

struct ScenePrimitive {
    enum Kind : std::uint8_t { Polyline, Point, Marker };
    std::uint64_t entity = 0;  // key of the drawing entity, what a pick answers
    QRgb color = 0xffffffff;
    Kind kind = Polyline;
    bool closed = false;
    bool hidden = false;       // the entity was deleted
    std::uint32_t first = 0;   // first vertex in Vertices()
    std::uint32_t count = 0;   // vertices
    SceneBounds bounds;
};

// A text of the drawing (TEXT, MTEXT), painted but not picked: the labels of the
// stations and the profile are what tells the user where a drawing is.
struct SceneText {
    std::uint64_t entity = 0;
    QRgb color = 0xffffffff;
    double x = 0, y = 0;   // the alignment point
    double height = 1;     // of the capitals, in drawing units
    double rotation = 0;   // degrees, counter-clockwise
    // Which point of the text (x, y) is: horizontally 0 left, 1 centre, 2 right;
    // vertically 0 baseline, 1 bottom, 2 middle, 3 top.
    int hAlign = 0, vAlign = 0;
    QString text;          // lines separated by '\n'
    bool hidden = false;
};

// How far the geometry went at one moment: what was appended since is drawn on its own.
struct SceneMark {
    std::size_t primitives = 0;
    std::size_t texts = 0;
};

class SceneGeometry {
public:
    SceneMark Mark() const { return {primitives_.size(), texts_.size()}; }
    void Clear();

    // Vertices as x0, y0, x1, y1, ...; fewer than one vertex adds nothing.
    void AddPolyline(std::uint64_t entity, QRgb color, const std::vector<double>& xy, bool closed);
    void AddPoint(std::uint64_t entity, QRgb color, double x, double y);
    // A block reference whose block has nothing to draw: a marker at its insertion point.
    void AddMarker(std::uint64_t entity, QRgb color, double x, double y);

    void AddText(const SceneText& text);

    // Hides every primitive and text of the entity; returns whether there was any.
    bool Hide(std::uint64_t entity);

    const std::vector<ScenePrimitive>& Primitives() const { return primitives_; }
    const std::vector<double>& Vertices() const { return xy_; }  // x, y interleaved
    std::size_t VertexCount() const { return xy_.size() / 2; }
    const std::vector<SceneText>& Texts() const { return texts_; }
    // Box of every visible primitive; empty for an empty drawing.
    SceneBounds Extents() const;

    // The entity nearest to (x, y) within `tolerance` drawing units: distance to the
    // segments of a polyline, to the position of a point or marker. nullopt when
    // nothing is that close.
    std::optional<std::uint64_t> Nearest(double x, double y, double tolerance) const;

private:
    std::vector<ScenePrimitive> primitives_;
    std::vector<double> xy_;
    std::vector<SceneText> texts_;
};

}  // namespace desktop
