// The painted drawing view: fitting, zooming around the cursor, panning, picking the
// nearest entity, colours on screen, and the level of detail on a big drawing.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "desktop/drawing/DrawingView.h"
#include "desktop/drawing/SceneGeometry.h"
#include "desktop/drawing/SceneRenderer.h"

using namespace desktop;

namespace {

constexpr QRgb kRed = 0xffff0000, kYellow = 0xffffff00, kCyan = 0xff00ffff;

// A road-like drawing at UTM coordinates, where float precision would already fail.
SceneGeometry SmallDrawing() {
    SceneGeometry g;
    const double x0 = 500000, y0 = 7400000;
    g.AddPolyline(1, kRed, {x0, y0, x0 + 100, y0, x0 + 100, y0 + 50}, false);   // L shape
    g.AddPolyline(2, kYellow, {x0 + 20, y0 + 20, x0 + 40, y0 + 20, x0 + 40, y0 + 40, x0 + 20, y0 + 40}, true);
    g.AddPoint(3, kCyan, x0 + 70, y0 + 30);
    g.AddMarker(4, kCyan, x0 + 90, y0 + 40);
    return g;
}

QImage Grab(DrawingView& v) { return v.grab().toImage().convertToFormat(QImage::Format_RGB32); }

int Distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Pixels within `radius` of the position that show the colour: moved from the
// background towards it (antialiasing blends thin lines with the background).
int CountNear(const QImage& img, QPointF at, QRgb color, int radius = 2) {
    const QRgb bg = DrawingView::Background().rgb();
    int n = 0;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int x = int(std::lround(at.x())) + dx, y = int(std::lround(at.y())) + dy;
            if (img.rect().contains(x, y) && Distance(img.pixel(x, y), color) < Distance(bg, color) - 60) ++n;
        }
    return n;
}

}  // namespace

class DrawingViewTest : public QObject {
    Q_OBJECT
private slots:
    void geometryBoundsAndNearest() {
        SceneGeometry g = SmallDrawing();
        SceneBounds b = g.Extents();
        QCOMPARE(b.minX, 500000.0);
        QCOMPARE(b.maxY, 7400050.0);
        struct Case {
            double x, y, tol;
            std::optional<std::uint64_t> want;
        };
        const Case cases[] = {
            {500050, 7400000.4, 1, 1},    // on the first leg of the L
            {500100.3, 7400025, 1, 1},    // beside its second leg
            {500030, 7400020.2, 1, 2},    // on the square's bottom edge
            {500020.1, 7400030, 1, 2},    // on its closing edge (last vertex back to the first)
            {500030, 7400030, 1, std::nullopt},  // inside the square, far from its edges
            {500070.5, 7400030.5, 1, 3},  // the point
            {500090, 7400039, 2, 4},      // the marker
            {500050, 7400010, 5, std::nullopt},
        };
        for (const auto& c : cases) QCOMPARE(g.Nearest(c.x, c.y, c.tol), c.want);
        QVERIFY(g.Hide(2));
        QCOMPARE(g.Nearest(500030, 7400020.2, 1), std::nullopt);
        QVERIFY(!g.Hide(99));
    }

    void fitsZoomsAndPans() {
        SceneGeometry g = SmallDrawing();
        DrawingView v;
        v.resize(400, 300);
        v.SetGeometry(&g);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        // Extents fill the view with a margin, centred.
        const ViewTransform& t = v.View();
        QPointF a = t.ToScreen(500000, 7400000), b = t.ToScreen(500100, 7400050);
        QVERIFY(a.x() > 0 && a.x() < 30 && b.x() > 370 && b.x() < 400);
        QVERIFY(qAbs((a.y() + b.y()) / 2 - 150) < 1);

        // The wheel zooms around the cursor: the drawing point under it stays.
        const QPointF cursor(100, 80);
        double x0, y0, x1, y1;
        v.View().ToDrawing(cursor.x(), cursor.y(), x0, y0);
        const double scale = v.View().scale;
        QWheelEvent wheel(cursor, v.mapToGlobal(cursor), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&v, &wheel);
        QVERIFY(qAbs(v.View().scale / scale - 1.5625) < 1e-9);
        v.View().ToDrawing(cursor.x(), cursor.y(), x1, y1);
        QVERIFY(qAbs(x1 - x0) < 1e-6 && qAbs(y1 - y0) < 1e-6);

        // Dragging moves the drawing with the mouse and is not a click.
        QSignalSpy clicks(&v, &DrawingView::Clicked);
        const QPointF before = v.View().ToScreen(500050, 7400025);
        QTest::mousePress(&v, Qt::LeftButton, {}, QPoint(200, 150));
        QTest::mouseMove(&v, QPoint(230, 150));
        QTest::mouseMove(&v, QPoint(260, 170));
        QTest::mouseRelease(&v, Qt::LeftButton, {}, QPoint(260, 170));
        const QPointF after = v.View().ToScreen(500050, 7400025);
        QVERIFY(qAbs(after.x() - before.x() - 60) < 1e-6 && qAbs(after.y() - before.y() - 20) < 1e-6);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(clicks.count(), 1);

        // Home fits again, and the fit follows the window's size until the user moves
        // the view; after that a resize keeps the scale.
        QTest::keyClick(&v, Qt::Key_Home);
        QCOMPARE(v.View().ToScreen(500000, 7400000), a);
        v.resize(800, 600);
        QVERIFY(qAbs(v.View().ToScreen(500100, 7400050).x() - 800 * 0.96) < 1e-6);
        v.PanBy(QPointF(10, 0));
        const double fitted = v.View().scale;
        v.resize(400, 300);
        QCOMPARE(v.View().scale, fitted);
    }

    // What is on screen: layer colours where the entities are, the background elsewhere,
    // and a pick lands on the entity drawn nearest to the click.
    void paintsColoursAndPicks() {
        SceneGeometry g = SmallDrawing();
        DrawingView v;
        v.resize(400, 300);
        v.SetGeometry(&g);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        const ViewTransform& t = v.View();
        QImage img = Grab(v);
        QVERIFY(CountNear(img, t.ToScreen(500050, 7400000), kRed) > 0);
        QVERIFY(CountNear(img, t.ToScreen(500030, 7400040), kYellow) > 0);
        QVERIFY(CountNear(img, t.ToScreen(500020, 7400030), kYellow) > 0);  // closing edge
        QVERIFY(CountNear(img, t.ToScreen(500070, 7400030), kCyan, 0) > 0);  // centre of the cross
        QCOMPARE(img.pixel(5, 295) | 0xff000000, DrawingView::Background().rgb());

        QCOMPARE(v.EntityAt(t.ToScreen(500050, 7400000) + QPointF(0, 3)), std::optional<std::uint64_t>(1));
        QCOMPARE(v.EntityAt(t.ToScreen(500070, 7400030) + QPointF(2, -2)), std::optional<std::uint64_t>(3));
        QCOMPARE(v.EntityAt(t.ToScreen(500050, 7400000) + QPointF(0, -12)), std::nullopt);

        // An addition shows at once; a hidden entity disappears on reset.
        const SceneMark mark = g.Mark();
        g.AddPolyline(5, kCyan, {500000, 7400050, 500060, 7400050}, false);
        v.Appended(mark);
        img = Grab(v);
        QVERIFY(CountNear(img, t.ToScreen(500030, 7400050), kCyan) > 0);
        g.Hide(1);
        v.GeometryReset();
        img = Grab(v);
        QCOMPARE(CountNear(img, t.ToScreen(500050, 7400000), kRed), 0);
    }

    // A million vertices at extents: what reaches the painter follows the pixels, not
    // the vertices, and a far zoom into a long polyline still draws it.
    void levelOfDetail() {
        SceneGeometry g;
        std::vector<double> xy;
        for (int k = 0; k < 1000; ++k) {
            xy.clear();
            for (int i = 0; i < 1000; ++i) {
                xy.push_back(300000 + i * 0.5);
                xy.push_back(7000000 + k * 2 + std::sin(i * 0.1));
            }
            g.AddPolyline(std::uint64_t(k + 1), kRed, xy, false);
        }
        QCOMPARE(g.VertexCount(), std::size_t(1000000));
        QImage img(800, 600, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::black);
        ViewTransform t = ViewTransform::Fit(g.Extents(), 800, 600);
        RenderStats s;
        {
            QPainter p(&img);
            s = SceneRenderer::Render(p, g, t);
        }
        QCOMPARE(s.primitivesDrawn, std::size_t(1000));
        QVERIFY2(s.segmentsDrawn < 200000, qPrintable(QString::number(s.segmentsDrawn)));
        QVERIFY(img.pixel(400, 300) != QColor(Qt::black).rgb());

        // Zoomed so far that one segment is a million pixels long, half of it on screen.
        t.scale = 2e6;
        t.cx = 300000.25;
        t.cy = 7000000 + std::sin(0.05);
        img.fill(Qt::black);
        {
            QPainter p(&img);
            s = SceneRenderer::Render(p, g, t);
        }
        QVERIFY(s.segmentsDrawn >= 1);
        int red = 0;
        for (int x = 0; x < 800; ++x)
            for (int y = 0; y < 600; ++y)
                if ((img.pixel(x, y) & 0xffffff) == 0xff0000 || qRed(img.pixel(x, y)) > 128) ++red;
        QVERIFY(red > 100);
    }
};

QTEST_MAIN(DrawingViewTest)
#include "tst_drawingview.moc"
