#include "desktop/drawing/SceneGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace desktop {

void SceneBounds::Add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (empty) {
        minX = maxX = x;
        minY = maxY = y;
        empty = false;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

void SceneBounds::Add(const SceneBounds& b) {
    if (b.empty) return;
    Add(b.minX, b.minY);
    Add(b.maxX, b.maxY);
}

void SceneGeometry::Clear() {
    primitives_.clear();
    xy_.clear();
    texts_.clear();
}

void SceneGeometry::AddText(const SceneText& text) {
    if (text.text.isEmpty() || !std::isfinite(text.x) || !std::isfinite(text.y) || !(text.height > 0)) return;
    texts_.push_back(text);
}

void SceneGeometry::AddPolyline(std::uint64_t entity, QRgb color, const std::vector<double>& xy, bool closed) {
    if (xy.size() < 2) return;
    ScenePrimitive p;
    p.entity = entity;
    p.color = color;
    p.kind = ScenePrimitive::Polyline;
    p.closed = closed;
    p.first = std::uint32_t(xy_.size() / 2);
    p.count = std::uint32_t(xy.size() / 2);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) p.bounds.Add(xy[i], xy[i + 1]);
    xy_.insert(xy_.end(), xy.begin(), xy.begin() + std::ptrdiff_t(p.count) * 2);
    primitives_.push_back(p);
}

void SceneGeometry::AddPoint(std::uint64_t entity, QRgb color, double x, double y) {
    ScenePrimitive p;
    p.entity = entity;
    p.color = color;
    p.kind = ScenePrimitive::Point;
    p.first = std::uint32_t(xy_.size() / 2);
    p.count = 1;
    p.bounds.Add(x, y);
    xy_.push_back(x);
    xy_.push_back(y);
    primitives_.push_back(p);
}

void SceneGeometry::AddMarker(std::uint64_t entity, QRgb color, double x, double y) {
    AddPoint(entity, color, x, y);
    primitives_.back().kind = ScenePrimitive::Marker;
}

bool SceneGeometry::Hide(std::uint64_t entity) {
    bool any = false;
    for (auto& p : primitives_)
        if (p.entity == entity && !p.hidden) {
            p.hidden = true;
            any = true;
        }
    for (auto& t : texts_)
        if (t.entity == entity && !t.hidden) {
            t.hidden = true;
            any = true;
        }
    return any;
}

SceneBounds SceneGeometry::Extents() const {
    SceneBounds b;
    for (const auto& p : primitives_)
        if (!p.hidden) b.Add(p.bounds);
    for (const auto& t : texts_)
        if (!t.hidden) b.Add(t.x, t.y);
    return b;
}

namespace {

double SegmentDistance2(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double cx = ax + t * dx - px, cy = ay + t * dy - py;
    return cx * cx + cy * cy;
}

}  // namespace

std::optional<std::uint64_t> SceneGeometry::Nearest(double x, double y, double tolerance) const {
    SceneBounds probe;
    probe.Add(x - tolerance, y - tolerance);
    probe.Add(x + tolerance, y + tolerance);
    double best = tolerance * tolerance;
    std::optional<std::uint64_t> found;
    for (const auto& p : primitives_) {
        if (p.hidden || !p.bounds.Intersects(probe)) continue;
        const double* v = xy_.data() + std::size_t(p.first) * 2;
        double d2 = std::numeric_limits<double>::infinity();
        if (p.count == 1) {
            d2 = (v[0] - x) * (v[0] - x) + (v[1] - y) * (v[1] - y);
        } else {
            for (std::uint32_t i = 0; i + 1 < p.count; ++i)
                d2 = std::min(d2, SegmentDistance2(x, y, v[2 * i], v[2 * i + 1], v[2 * i + 2], v[2 * i + 3]));
            if (p.closed) {
                const std::size_t l = std::size_t(p.count - 1) * 2;
                d2 = std::min(d2, SegmentDistance2(x, y, v[l], v[l + 1], v[0], v[1]));
            }
        }
        // Ties go to the later entity: it is drawn on top, so it is what the user sees.
        if (d2 <= best) {
            best = d2;
            found = p.entity;
        }
    }
    return found;
}

}  // namespace desktop
