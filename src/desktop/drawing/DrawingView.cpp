#include "desktop/drawing/DrawingView.h"

#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace desktop {

namespace {

bool SameView(const ViewTransform& a, const ViewTransform& b) {
    return a.cx == b.cx && a.cy == b.cy && a.scale == b.scale && a.width == b.width && a.height == b.height;
}

// A frame that took longer than this is not redrawn while the view moves: the cached
// image is moved instead, and the drawing is redrawn once the view settles.
constexpr qint64 kLiveRenderMs = 30;
constexpr int kSettleMs = 150;
// While a calculation adds entities without returning to the event loop, the view is
// repainted at most this often.
constexpr qint64 kLiveRepaintMs = 100;

}  // namespace

QColor DrawingView::Background() { return QColor::fromRgb(SceneRenderer::kBackground); }

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DrawingView"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setMinimumSize(200, 150);
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(kSettleMs);
    connect(&settleTimer_, &QTimer::timeout, this, [this] { update(); });
    sinceRepaint_.start();
}

void DrawingView::SetGeometry(const SceneGeometry* geometry) {
    geometry_ = geometry;
    fitted_ = false;
    GeometryReset();
}

void DrawingView::GeometryReset() {
    cacheValid_ = false;
    if (!fitted_ && geometry_ && !geometry_->Extents().empty)
        ZoomExtents();
    else
        update();
}

void DrawingView::Appended(SceneMark mark) {
    if (!geometry_) return;
    if (!fitted_ && !geometry_->Extents().empty) {
        ZoomExtents();
    } else if (cacheValid_ && SameView(cacheView_, view_) && !cache_.isNull()) {
        QPainter p(&cache_);
        SceneRenderer::Render(p, *geometry_, cacheView_, mark);
    } else {
        cacheValid_ = false;
    }
    if (isVisible() && sinceRepaint_.elapsed() >= kLiveRepaintMs)
        repaint();
    else
        update();
}

void DrawingView::SetView(const ViewTransform& v) {
    showsExtents_ = false;
    view_ = v;
    view_.width = std::max(1, width());
    view_.height = std::max(1, height());
    update();
}

void DrawingView::ZoomExtents() {
    const SceneBounds box = geometry_ ? geometry_->Extents() : SceneBounds{};
    view_ = ViewTransform::Fit(box, std::max(1, width()), std::max(1, height()));
    fitted_ = !box.empty;
    showsExtents_ = fitted_;
    settleTimer_.stop();
    update();
}

void DrawingView::ZoomAt(const QPointF& anchor, double factor) {
    if (!(factor > 0)) return;
    double x, y;
    view_.ToDrawing(anchor.x(), anchor.y(), x, y);
    const double scale = view_.scale * factor;
    // Beyond these the numbers of the transform stop meaning anything.
    if (scale > 1e9 || scale < 1e-9) return;
    showsExtents_ = false;
    view_.scale = scale;
    // Put (x, y) back under the anchor.
    view_.cx = x - (anchor.x() - view_.width / 2) / scale;
    view_.cy = y + (anchor.y() - view_.height / 2) / scale;
    settleTimer_.start();
    update();
}

void DrawingView::PanBy(const QPointF& pixels) {
    showsExtents_ = false;
    view_.cx -= pixels.x() / view_.scale;
    view_.cy += pixels.y() / view_.scale;
    update();
}

std::optional<std::uint64_t> DrawingView::EntityAt(const QPointF& pos) const {
    if (!geometry_) return std::nullopt;
    double x, y;
    view_.ToDrawing(pos.x(), pos.y(), x, y);
    return geometry_->Nearest(x, y, kPickPixels / view_.scale);
}

void DrawingView::RenderCache() {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (cache_.size() != pixels) cache_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    cache_.setDevicePixelRatio(dpr);
    cache_.fill(Background());
    cacheView_ = view_;
    QElapsedTimer t;
    t.start();
    if (geometry_) {
        QPainter p(&cache_);
        lastStats_ = SceneRenderer::Render(p, *geometry_, cacheView_);
    } else {
        lastStats_ = {};
    }
    lastRenderMs_ = t.elapsed();
    cacheValid_ = true;
}

void DrawingView::paintEvent(QPaintEvent*) {
    const bool moving = dragging_ || settleTimer_.isActive();
    if (!cacheValid_ || (!SameView(cacheView_, view_) && (!moving || lastRenderMs_ < kLiveRenderMs)))
        RenderCache();
    QPainter p(this);
    if (SameView(cacheView_, view_)) {
        p.drawImage(QPointF(0, 0), cache_);
    } else {
        // Show the cached frame where the current view puts it until the view settles.
        p.fillRect(rect(), Background());
        const double k = view_.scale / cacheView_.scale;
        const double left = view_.width / 2 + (cacheView_.cx - view_.cx) * view_.scale - cacheView_.width / 2 * k;
        const double top = view_.height / 2 - (cacheView_.cy - view_.cy) * view_.scale - cacheView_.height / 2 * k;
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(QRectF(left, top, cacheView_.width * k, cacheView_.height * k), cache_);
    }
    sinceRepaint_.restart();
}

void DrawingView::resizeEvent(QResizeEvent*) {
    view_.width = std::max(1, width());
    view_.height = std::max(1, height());
    cacheValid_ = false;
    if ((!fitted_ || showsExtents_) && geometry_ && !geometry_->Extents().empty) ZoomExtents();
}

void DrawingView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton && e->button() != Qt::MiddleButton) return;
    dragButton_ = e->button();
    pressPos_ = lastPos_ = e->position();
    dragging_ = false;
}

void DrawingView::mouseMoveEvent(QMouseEvent* e) {
    double x, y;
    view_.ToDrawing(e->position().x(), e->position().y(), x, y);
    emit CursorMoved(x, y);
    if (dragButton_ == Qt::NoButton) return;
    if (!dragging_ && (e->position() - pressPos_).manhattanLength() < 4) return;
    if (!dragging_) setCursor(Qt::ClosedHandCursor);
    dragging_ = true;
    PanBy(e->position() - lastPos_);
    lastPos_ = e->position();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != dragButton_) return;
    const bool wasDrag = dragging_;
    dragButton_ = Qt::NoButton;
    dragging_ = false;
    if (wasDrag) {
        setCursor(Qt::CrossCursor);
        update();  // the view has settled: redraw it in full
    } else if (e->button() == Qt::LeftButton) {
        emit Clicked(e->position());
    }
}

void DrawingView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton)
        ZoomExtents();
    else
        mousePressEvent(e);
}

void DrawingView::wheelEvent(QWheelEvent* e) {
    const double steps = e->angleDelta().y() / 120.0;
    if (steps == 0) return;
    ZoomAt(e->position(), std::pow(1.25, steps));
    e->accept();
}

void DrawingView::keyPressEvent(QKeyEvent* e) {
    const QPointF centre(width() / 2.0, height() / 2.0);
    switch (e->key()) {
        case Qt::Key_Escape: emit EscapePressed(); break;
        case Qt::Key_Home: ZoomExtents(); break;
        case Qt::Key_Plus:
        case Qt::Key_Equal: ZoomAt(centre, 1.25); break;
        case Qt::Key_Minus: ZoomAt(centre, 1 / 1.25); break;
        case Qt::Key_Left: PanBy(QPointF(width() / 8.0, 0)); break;
        case Qt::Key_Right: PanBy(QPointF(-width() / 8.0, 0)); break;
        case Qt::Key_Up: PanBy(QPointF(0, height() / 8.0)); break;
        case Qt::Key_Down: PanBy(QPointF(0, -height() / 8.0)); break;
        default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
}

}  // namespace desktop
