#include "desktop/drawing/SceneRenderer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QLineF>
#include <QStringList>
#include <QPainter>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>

#include "desktop/drawing/AciColors.h"

namespace desktop {

SceneBounds ViewTransform::Visible(double marginPixels) const {
    SceneBounds b;
    double x0, y0, x1, y1;
    ToDrawing(-marginPixels, -marginPixels, x0, y0);
    ToDrawing(width + marginPixels, height + marginPixels, x1, y1);
    b.Add(x0, y0);
    b.Add(x1, y1);
    return b;
}

ViewTransform ViewTransform::Fit(const SceneBounds& box, double width, double height, double marginFraction) {
    ViewTransform v;
    v.width = std::max(1.0, width);
    v.height = std::max(1.0, height);
    if (box.empty) return v;
    v.cx = (box.minX + box.maxX) / 2;
    v.cy = (box.minY + box.maxY) / 2;
    const double usableW = v.width * (1 - 2 * marginFraction);
    const double usableH = v.height * (1 - 2 * marginFraction);
    const double w = box.Width(), h = box.Height();
    if (w <= 0 && h <= 0) {
        v.scale = std::min(usableW, usableH) / 10;
    } else {
        const double sx = w > 0 ? usableW / w : HUGE_VAL;
        const double sy = h > 0 ? usableH / h : HUGE_VAL;
        v.scale = std::min(sx, sy);
    }
    return v;
}

namespace {

// Segments and dots of one colour, sent to the painter in large batches.
class Batch {
public:
    explicit Batch(QPainter& p) : painter_(p) {
        lines_.reserve(kFlushAt);
        dots_.reserve(kFlushAt);
    }
    ~Batch() { Flush(); }

    void SetColor(QRgb c) {
        if (c == color_ && started_) return;
        Flush();
        color_ = c;
        started_ = true;
        QPen pen{QColor::fromRgba(LegibleOn(c, SceneRenderer::kBackground))};
        pen.setCosmetic(true);
        pen.setWidth(1);
        painter_.setPen(pen);
    }
    void Line(const QPointF& a, const QPointF& b) {
        lines_.emplace_back(a, b);
        if (lines_.size() >= kFlushAt) Flush();
    }
    void Dot(const QPointF& p) {
        dots_.push_back(p);
        if (dots_.size() >= kFlushAt) Flush();
    }
    void Flush() {
        if (!lines_.empty()) painter_.drawLines(lines_.data(), int(lines_.size()));
        if (!dots_.empty()) painter_.drawPoints(dots_.data(), int(dots_.size()));
        lines_.clear();
        dots_.clear();
    }

private:
    static constexpr std::size_t kFlushAt = 8192;
    QPainter& painter_;
    std::vector<QLineF> lines_;
    std::vector<QPointF> dots_;
    QRgb color_ = 0;
    bool started_ = false;
};

// Clips the segment to the rectangle (Liang-Barsky); false when nothing of it is
// inside. Keeps the painter away from coordinates of billions of pixels when the
// view is zoomed far into a long polyline.
bool Clip(double xmin, double ymin, double xmax, double ymax, double& x0, double& y0, double& x1, double& y1) {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
    }
    const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = nx0;
    y0 = ny0;
    return true;
}

void DrawPrimitives(QPainter& painter, const SceneGeometry& geometry, const ViewTransform& view, std::size_t from,
                    RenderStats& stats) {
    const SceneBounds visible = view.Visible(8);
    const double margin = 16;  // pixels beyond the viewport still passed to the painter
    const double cxmin = -margin, cymin = -margin, cxmax = view.width + margin, cymax = view.height + margin;
    const double* xy = geometry.Vertices().data();
    const auto& prims = geometry.Primitives();
    // Below this many pixels between two vertices the second adds nothing visible.
    const double kStep = 0.75;

    Batch batch(painter);
    for (std::size_t i = from; i < prims.size(); ++i) {
        const ScenePrimitive& p = prims[i];
        if (p.hidden || !p.bounds.Intersects(visible)) continue;
        ++stats.primitivesDrawn;
        batch.SetColor(p.color);
        const double* v = xy + std::size_t(p.first) * 2;
        if (p.kind == ScenePrimitive::Point) {
            const QPointF c = view.ToScreen(v[0], v[1]);
            batch.Line(c + QPointF(-3, 0), c + QPointF(3, 0));
            batch.Line(c + QPointF(0, -3), c + QPointF(0, 3));
            continue;
        }
        if (p.kind == ScenePrimitive::Marker) {
            const QPointF c = view.ToScreen(v[0], v[1]);
            const QPointF n(0, -5), e(5, 0), s(0, 5), w(-5, 0);
            batch.Line(c + n, c + e);
            batch.Line(c + e, c + s);
            batch.Line(c + s, c + w);
            batch.Line(c + w, c + n);
            batch.Dot(c);
            continue;
        }
        if (p.count == 1 || std::max(p.bounds.Width(), p.bounds.Height()) * view.scale < 1.0) {
            batch.Dot(view.ToScreen((p.bounds.minX + p.bounds.maxX) / 2, (p.bounds.minY + p.bounds.maxY) / 2));
            ++stats.dotsDrawn;
            continue;
        }
        const std::uint32_t n = p.count + (p.closed && p.count > 2 ? 1 : 0);
        QPointF last = view.ToScreen(v[0], v[1]);
        for (std::uint32_t k = 1; k < n; ++k) {
            const std::uint32_t j = k < p.count ? k : 0;
            const QPointF cur = view.ToScreen(v[2 * j], v[2 * j + 1]);
            if (k + 1 < n && std::abs(cur.x() - last.x()) < kStep && std::abs(cur.y() - last.y()) < kStep) continue;
            double x0 = last.x(), y0 = last.y(), x1 = cur.x(), y1 = cur.y();
            if (Clip(cxmin, cymin, cxmax, cymax, x0, y0, x1, y1)) {
                batch.Line(QPointF(x0, y0), QPointF(x1, y1));
                ++stats.segmentsDrawn;
            }
            last = cur;
        }
    }
}

// Texts are drawn from a font of 100 pixels scaled to the size the drawing asks for:
// the height of a drawing's text is that of its capitals.
void DrawTexts(QPainter& painter, const SceneGeometry& geometry, const ViewTransform& view, std::size_t from,
               RenderStats& stats) {
    const auto& texts = geometry.Texts();
    if (from >= texts.size()) return;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    const double capHeight = metrics.capHeight() > 0 ? metrics.capHeight() : 72;
    const double lineStep = 1.66 * capHeight;  // MTEXT's line spacing
    painter.save();
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const SceneBounds visible = view.Visible(0);
    QRgb lastColor = 0;
    bool colorSet = false;
    for (std::size_t i = from; i < texts.size(); ++i) {
        const SceneText& t = texts[i];
        if (t.hidden) continue;
        const double pixels = t.height * view.scale;
        if (pixels < SceneRenderer::kMinTextPixels || pixels > 4 * view.height) continue;
        const QStringList lines = t.text.split('\n');
        qsizetype longest = 0;
        for (const QString& l : lines) longest = std::max(longest, l.size());
        // A box sure to hold the text whatever its alignment and rotation.
        const double reach = t.height * (double(longest) + 1.66 * double(lines.size()) + 1);
        SceneBounds around;
        around.Add(t.x - reach, t.y - reach);
        around.Add(t.x + reach, t.y + reach);
        if (!around.Intersects(visible)) continue;
        if (!colorSet || t.color != lastColor) {
            painter.setPen(QColor::fromRgba(LegibleOn(t.color, SceneRenderer::kBackground)));
            lastColor = t.color;
            colorSet = true;
        }
        const QPointF at = view.ToScreen(t.x, t.y);
        const double k = pixels / capHeight;
        painter.save();
        painter.translate(at);
        painter.rotate(-t.rotation);
        painter.scale(k, k);
        const double blockHeight = capHeight + lineStep * double(lines.size() - 1);
        double top;  // baseline of the first line, relative to the alignment point
        switch (t.vAlign) {
            case 1: top = -metrics.descent() - lineStep * double(lines.size() - 1); break;  // bottom
            case 2: top = capHeight - blockHeight / 2; break;                                 // middle
            case 3: top = capHeight; break;                                                   // top
            default: top = -lineStep * double(lines.size() - 1); break;                      // baseline
        }
        for (qsizetype l = 0; l < lines.size(); ++l) {
            const double w = metrics.horizontalAdvance(lines[l]);
            const double x = t.hAlign == 1 ? -w / 2 : t.hAlign == 2 ? -w : 0;
            painter.drawText(QPointF(x, top + lineStep * double(l)), lines[l]);
        }
        painter.restore();
        ++stats.textsDrawn;
    }
    painter.restore();
}

}  // namespace

RenderStats SceneRenderer::Render(QPainter& painter, const SceneGeometry& geometry, const ViewTransform& view,
                                  SceneMark from) {
    RenderStats stats;
    painter.setRenderHint(QPainter::Antialiasing, geometry.VertexCount() <= kAntialiasVertexLimit);
    DrawPrimitives(painter, geometry, view, from.primitives, stats);
    DrawTexts(painter, geometry, view, from.texts, stats);
    return stats;
}

}  // namespace desktop
