// The drawing window over a real drawing store: what a drawing turns into on screen,
// following additions and deletions, the pick the CAD bridge waits for, and the
// window steps of the bridge done with Qt.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "desktop/drawing/AciColors.h"
#include "desktop/drawing/DrawingView.h"
#include "desktop/drawing/DrawingWindow.h"
#include "desktop/drawing/QtWindowSystem.h"
#include "desktop/drawing/SceneBuilder.h"
#include "engine/cad/dxf/DxfDrawing.h"

using namespace desktop;
using engine::dxf::DxfDrawing;
using engine::dxf::EntityId;

namespace {

// Layers PERFIL (red), DESLIGADA (off), ESCURA (250, a dark grey); a polyline
// (0,0)-(100,0)-(100,50) on PERFIL, a line on the layer that is off, a point and the
// text "E 10%%d" on ESCURA, a reference of BSTC40 (base 1,0: a line on layer 0 and one
// "by block") at (50,10) turned 90 degrees in green, and a reference of an undefined block.
std::unique_ptr<DxfDrawing> OpenFixture() {
    return DxfDrawing::Open(QUANT_FIXTURES_DIR "/desenho/janela.dxf");
}

EntityId IdOf(const DxfDrawing& d, const std::string& type, const std::string& layer) {
    for (const auto& e : d.Entities())
        if (e.space == engine::dxf::Space::Model && e.type == type && e.layer == layer) return e.id;
    return 0;
}

// Runs `act` once the pick's event loop runs.
void DuringPick(std::function<void()> act) { QTimer::singleShot(0, act); }

}  // namespace

class DrawingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void drawingBecomesScene() {
        auto d = OpenFixture();
        SceneGeometry g;
        SceneBuilder().Rebuild(d->Content(), g);

        const EntityId poly = IdOf(*d, "POLYLINE", "PERFIL");
        const EntityId insert = IdOf(*d, "INSERT", "PERFIL");
        // Colour by layer, by block (the reference's own green), and the layer of the
        // reference for what its block keeps on layer 0.
        std::map<std::uint64_t, std::vector<QRgb>> colours;
        for (const auto& p : g.Primitives()) colours[p.entity].push_back(p.color);
        QCOMPARE(colours[poly], std::vector<QRgb>{AciToRgb(1)});
        QCOMPARE(colours[IdOf(*d, "POINT", "ESCURA")], std::vector<QRgb>{AciToRgb(250)});
        QCOMPARE(colours[insert], (std::vector<QRgb>{AciToRgb(1), AciToRgb(3)}));
        QVERIFY(!colours.count(IdOf(*d, "LINE", "DESLIGADA")));  // its layer is off

        // The block's lines, moved from its base point, turned and put at (50, 10).
        std::vector<std::vector<double>> lines;
        for (const auto& p : g.Primitives())
            if (p.entity == insert)
                lines.emplace_back(g.Vertices().begin() + p.first * 2, g.Vertices().begin() + (p.first + p.count) * 2);
        QCOMPARE(lines.size(), std::size_t(2));
        const double want[2][4] = {{50, 9, 50, 11}, {50, 10, 49, 10}};
        for (int l = 0; l < 2; ++l)
            for (int k = 0; k < 4; ++k) QVERIFY(qAbs(lines[l][k] - want[l][k]) < 1e-9);

        // An undefined block still shows where it is.
        const auto& prims = g.Primitives();
        auto marker = std::find_if(prims.begin(), prims.end(), [](const ScenePrimitive& p) {
            return p.kind == ScenePrimitive::Marker;
        });
        QVERIFY(marker != prims.end());
        QCOMPARE(marker->bounds.minX, 80.0);

        QCOMPARE(g.Texts().size(), std::size_t(1));
        QCOMPARE(g.Texts()[0].text, QString::fromUtf8("E 10°"));
        QCOMPARE(g.Texts()[0].height, 5.0);

        // The darkest shades are lightened against the background; bright ones kept.
        const QRgb bg = SceneRenderer::kBackground;
        QCOMPARE(LegibleOn(AciToRgb(1), bg), AciToRgb(1));
        QVERIFY(qGray(LegibleOn(AciToRgb(250), bg)) > qGray(AciToRgb(250)) + 30);
    }

    void followsTheStore() {
        auto d = OpenFixture();
        DrawingWindow w;
        w.SetDrawing(d.get());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const std::size_t before = w.Geometry().Primitives().size();

        const EntityId line = d->AddLine({0, 100, 0}, {100, 100, 0});
        QCOMPARE(w.Geometry().Primitives().size(), before + 1);
        QCOMPARE(w.Geometry().Primitives().back().entity, line);
        // Additions go on the current layer "0": white.
        QCOMPARE(w.Geometry().Primitives().back().color, AciToRgb(7));
        const EntityId poly = d->AddPolyline({0, 0, 10, 10, 20, 0});
        QCOMPARE(w.Geometry().Primitives().back().entity, poly);

        d->SetXData(poly, {{1001, "PERFILALINTELMIRA"}, {1000, "x"}});
        QCOMPARE(w.Geometry().Primitives().size(), before + 2);
        d->Delete(line);
        QCOMPARE(w.View()->EntityAt(w.View()->View().ToScreen(50, 100)), std::nullopt);

        // Letting the drawing go stops following it.
        w.SetDrawing(nullptr);
        QVERIFY(w.Geometry().Primitives().empty());
        d->AddLine({0, 0, 0}, {1, 1, 0});
        QVERIFY(w.Geometry().Primitives().empty());
    }

    // The layer list shows the drawing's layers, ticked as the drawing has them on;
    // unticking one takes its entities off the screen and out of reach of a pick.
    void layersTurnedOffOnScreen() {
        auto d = OpenFixture();
        DrawingWindow w;
        w.SetDrawing(d.get());
        QListWidget* list = w.Layers();
        QStringList names, ticked;
        for (int i = 0; i < list->count(); ++i) {
            names << list->item(i)->text();
            if (list->item(i)->checkState() == Qt::Checked) ticked << list->item(i)->text();
        }
        QCOMPARE(names, (QStringList{"0", "PERFIL", "DESLIGADA", "ESCURA"}));
        QCOMPARE(ticked, (QStringList{"0", "PERFIL", "ESCURA"}));

        const EntityId poly = IdOf(*d, "POLYLINE", "PERFIL");
        auto drawn = [&](EntityId id) {
            for (const auto& p : w.Geometry().Primitives())
                if (p.entity == id) return true;
            return false;
        };
        QVERIFY(drawn(poly));
        list->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(!drawn(poly));
        QVERIFY(!drawn(IdOf(*d, "INSERT", "PERFIL")));
        // The layer that is off in the drawing can be shown.
        w.SetLayerShown("desligada", true);
        QVERIFY(drawn(IdOf(*d, "LINE", "DESLIGADA")));
        QCOMPARE(list->item(2)->checkState(), Qt::Checked);
        // Nothing of this is the drawing's business.
        QVERIFY(!d->Modified());
        // Another drawing starts with its own layers as it has them.
        auto other = OpenFixture();
        w.SetDrawing(other.get());
        QCOMPARE(w.Layers()->item(1)->checkState(), Qt::Checked);
        QCOMPARE(w.Layers()->item(2)->checkState(), Qt::Unchecked);
    }

    void pick_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("picksPolyline");
        QTest::newRow("click near the polyline") << "click" << true;
        QTest::newRow("click on nothing, then on the polyline") << "miss-then-click" << true;
        QTest::newRow("Esc") << "esc" << false;
        QTest::newRow("window closed") << "close" << false;
    }
    void pick() {
        QFETCH(QString, how);
        QFETCH(bool, picksPolyline);
        auto d = OpenFixture();
        DrawingWindow w;
        w.SetDrawing(d.get());
        QPushButton other(QStringLiteral("Calcular Drenagem"));
        other.show();
        QSignalSpy otherClicked(&other, &QPushButton::clicked);
        bool bannerShown = false;

        DuringPick([&] {
            QVERIFY(w.isVisible());
            QVERIFY(w.Picking());
            auto* banner = w.findChild<QLabel*>(QStringLiteral("PickBanner"));
            bannerShown = banner && banner->isVisible() && banner->text().contains("Selecione o Perfil");
            // The rest of the program waits: its buttons and its close box do nothing.
            QTest::mouseClick(&other, Qt::LeftButton);
            other.close();
            DrawingView* v = w.View();
            const QPoint onPolyline = v->View().ToScreen(30, 0).toPoint() + QPoint(0, -2);
            if (how == "miss-then-click") {
                QTest::mouseClick(v, Qt::LeftButton, {}, v->View().ToScreen(30, 25).toPoint());
                QVERIFY(w.Picking());
            }
            if (how.contains("click"))
                QTest::mouseClick(v, Qt::LeftButton, {}, onPolyline);
            else if (how == "esc")
                QTest::keyClick(v, Qt::Key_Escape);
            else
                w.close();
        });
        const std::optional<EntityId> picked = w.Pick(QString::fromUtf8("Selecione o Perfil de Referência."));
        QVERIFY(bannerShown);
        QCOMPARE(otherClicked.count(), 0);
        QVERIFY(other.isVisible());
        QVERIFY(!w.Picking());
        QCOMPARE(picked, picksPolyline ? std::optional<EntityId>(IdOf(*d, "POLYLINE", "PERFIL")) : std::nullopt);
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("PickBanner"))->isVisible());
        // After the pick the rest of the program takes input again.
        QTest::mouseClick(&other, Qt::LeftButton);
        QCOMPARE(otherClicked.count(), 1);
    }

    void windowSystem() {
        QtWindowSystem ws;
        QWidget main;
        main.setWindowTitle(QStringLiteral("Principal"));
        main.show();
        auto* drawing = new DrawingWindow(&main);  // a window of its own, child of the main one
        drawing->setWindowTitle(QStringLiteral("AutoCAD - [janela.dxf]"));
        drawing->show();
        QVERIFY(QTest::qWaitForWindowExposed(drawing));

        const auto h = ws.FindTopLevelWindow("AutoCAD - [janela.dxf]");
        QCOMPARE(h, QtWindowSystem::HandleOf(drawing));
        QCOMPARE(ws.FindTopLevelWindow("AutoCAD"), engine::cad::WindowHandle(0));

        drawing->showMinimized();
        QVERIFY(ws.IsMinimised(h));
        engine::cad::ForceForegroundWindow(ws, h);  // whether it ends in front is the window manager's call
        QVERIFY(!ws.IsMinimised(h));
        QVERIFY(drawing->isVisible());

        // A handle kept after its window went is no window.
        delete drawing;
        QVERIFY(!ws.IsMinimised(h));
        QVERIFY(!ws.IsForeground(h));
        ws.BringToFront(h);  // nothing to do, nothing to crash
        QCOMPARE(ws.FindTopLevelWindow("AutoCAD - [janela.dxf]"), engine::cad::WindowHandle(0));
    }
};

QTEST_MAIN(DrawingWindowTest)
#include "tst_drawingwindow.moc"
