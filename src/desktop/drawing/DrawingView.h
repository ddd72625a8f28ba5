#pragma once
// The painted view of a drawing: pan by dragging (left or middle button), wheel zoom
// around the cursor, zoom to extents (Home, or a double click of the middle button).
// What it paints is cached in an image that is only redrawn when the view settles or
// the drawing changes; while the user drags or turns the wheel the cached image is
// moved and scaled, so big drawings stay responsive. Additions are painted onto the
// cache as they come.
#include <cstdint>
#include <optional>

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "desktop/drawing/SceneGeometry.h"
#include "desktop/drawing/SceneRenderer.h"

namespace desktop {

class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(QWidget* parent = nullptr);

    // The geometry painted; the view does not own it. nullptr shows an empty view.
    void SetGeometry(const SceneGeometry* geometry);
    // The geometry changed as a whole (a drawing was opened, an entity deleted).
    void GeometryReset();
    // What the geometry holds beyond `mark` was appended: painted over what is shown.
    void Appended(SceneMark mark);

    void ZoomExtents();
    // Zooms by `factor` (> 1 closer) keeping the drawing point under `anchor` in place.
    void ZoomAt(const QPointF& anchor, double factor);
    void PanBy(const QPointF& pixels);

    const ViewTransform& View() const { return view_; }
    void SetView(const ViewTransform& v);

    // The entity under a widget position: nearest within a few pixels.
    std::optional<std::uint64_t> EntityAt(const QPointF& pos) const;

    // Statistics of the last full repaint of the cache, for the status bar and tests.
    const RenderStats& LastStats() const { return lastStats_; }
    qint64 LastRenderMilliseconds() const { return lastRenderMs_; }

    static constexpr double kPickPixels = 5;
    static QColor Background();

signals:
    // A click (press and release without dragging) of the left button.
    void Clicked(QPointF pos);
    void EscapePressed();
    // The drawing coordinates under the cursor.
    void CursorMoved(double x, double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void RenderCache();
    // Asks for a full repaint of the cache once the user stops moving the view.
    void Settle();

    const SceneGeometry* geometry_ = nullptr;
    ViewTransform view_;
    bool fitted_ = false;  // the view has been fitted once to a drawing with content
    // The view shows the extents and the user has not moved it since: a resize fits
    // it again (the window's first layout, a maximised window).
    bool showsExtents_ = false;

    QImage cache_;
    ViewTransform cacheView_;  // the view the cache was painted with
    bool cacheValid_ = false;
    QTimer settleTimer_;
    QElapsedTimer sinceRepaint_;

    // Mouse state.
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPointF pressPos_, lastPos_;
    bool dragging_ = false;

    RenderStats lastStats_;
    qint64 lastRenderMs_ = 0;
};

}  // namespace desktop
