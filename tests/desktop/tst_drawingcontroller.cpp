// The drawing side of the desktop program: the "Desenho" menu, the question before
// unsaved additions are let go, drawings refused with their message, the drawing found
// beside the project at start-up, and the CAD bridge binding the reference profile
// through the drawing window's pick.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "desktop/Startup.h"
#include "desktop/TForm1.h"
#include "desktop/drawing/DrawingController.h"
#include "desktop/drawing/DrawingView.h"
#include "desktop/drawing/DrawingWindow.h"
#include "engine/cad/CadBridge.h"
#include "engine/cad/ProfileBinding.h"
#include "engine/session/RecordingInteraction.h"
#include "engine/text/AtomicFile.h"

using namespace desktop;
namespace fs = std::filesystem;

namespace {

const std::string kFixture = QUANT_FIXTURES_DIR "/desenho/janela.dxf";

std::string Copy(const QTemporaryDir& dir, const std::string& name) {
    const std::string to = dir.filePath(QString::fromStdString(name)).toStdString();
    fs::copy_file(kFixture, to, fs::copy_options::overwrite_existing);
    return to;
}

std::string Slurp(const std::string& path) { return engine::ReadWholeFile(path); }

QAction* MenuAction(QMainWindow& w, const char* name) { return w.findChild<QAction*>(QString::fromLatin1(name)); }

}  // namespace

class DrawingControllerTest : public QObject {
    Q_OBJECT
private slots:
    void menuOpensAndRegisters() {
        QTemporaryDir dir;
        const std::string path = Copy(dir, "estrada.dxf");
        QMainWindow main;
        engine::RecordingInteraction ui;
        DrawingController c(&main, ui);
        QMenu* menu = c.InstallMenu(main.menuBar());
        QCOMPARE(menu->title(), QString::fromUtf8("Desenho"));
        QStringList texts;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) texts << a->text();
        QCOMPARE(texts, (QStringList{"Abrir Desenho...", "Salvar Desenho", "Salvar Desenho Como...",
                                     "Mostrar Desenho"}));
        QVERIFY(!MenuAction(main, "SalvarDesenho1")->isEnabled());
        QVERIFY(!c.Registry().GetActiveObject("AutoCAD.Application"));

        ui.fileAnswers.push_back(path);
        MenuAction(main, "AbrirDesenho1")->trigger();
        const auto open = ui.Of("open");
        QCOMPARE(open.size(), std::size_t(1));
        QCOMPARE(open[0].text, std::string(kDrawingFilter));
        QVERIFY(c.Window()->isVisible());
        QCOMPARE(c.Window()->windowTitle(), QString::fromUtf8("Área de Desenho - estrada.dxf"));
        QVERIFY(!c.Window()->Geometry().Primitives().empty());
        QVERIFY(MenuAction(main, "SalvarDesenho1")->isEnabled());
        // The bridge finds the workspace, and the workspace's window by its caption.
        engine::cad::ApplicationPtr app = c.Registry().GetActiveObject("AutoCAD.Application");
        QVERIFY(app);
        QCOMPARE(c.Windows().FindTopLevelWindow(app->Caption()), QtWindowSystem::HandleOf(c.Window()));
        QVERIFY(ui.Of("message").empty());

        // A drawing the CAD bridge opens by itself (a new document) is followed too.
        app->AddDocument();
        QCOMPARE(c.Window()->Drawing(), c.Workspace()->Drawing().get());
        QCOMPARE(c.Window()->windowTitle(), QString::fromStdString(app->Caption()));
    }

    // What cannot be opened is told with the reader's message, and the open drawing stays.
    void refusedDrawings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        QTest::newRow("binary DXF") << QByteArray("AutoCAD Binary DXF\r\n\x1a\0\0\0", 26) << "binário";
        QTest::newRow("DWG") << QByteArray("AC1015\0\0\0\0\0\0", 12) << "DWG";
        QTest::newRow("empty") << QByteArray() << "vazio";
    }
    void refusedDrawings() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const std::string good = Copy(dir, "estrada.dxf");
        const std::string bad = dir.filePath("ruim.dxf").toStdString();
        std::ofstream(bad, std::ios::binary).write(bytes.constData(), bytes.size());
        QMainWindow main;
        engine::RecordingInteraction ui;
        DrawingController c(&main, ui);
        QVERIFY(c.Open(good));
        QVERIFY(!c.Open(bad));
        const auto msgs = ui.Of("message");
        QCOMPARE(msgs.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(msgs[0].text).contains(says, Qt::CaseInsensitive), msgs[0].text.c_str());
        QVERIFY2(QString::fromStdString(msgs[0].text).contains("ruim.dxf"), msgs[0].text.c_str());
        QCOMPARE(c.Window()->windowTitle(), QString::fromUtf8("Área de Desenho - estrada.dxf"));
    }

    // Additions not saved: the user is asked before another drawing replaces them.
    void unsavedAdditions_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opensOther");
        QTest::addColumn<bool>("savedFirst");
        QTest::newRow("Sim") << int(DrawingController::SaveAnswer::Save) << true << true;
        QTest::newRow("Não") << int(DrawingController::SaveAnswer::Discard) << true << false;
        QTest::newRow("Cancelar") << int(DrawingController::SaveAnswer::Cancel) << false << false;
    }
    void unsavedAdditions() {
        QFETCH(int, answer);
        QFETCH(bool, opensOther);
        QFETCH(bool, savedFirst);
        QTemporaryDir dir;
        const std::string first = Copy(dir, "primeiro.dxf");
        const std::string other = Copy(dir, "outro.dxf");
        const std::string before = Slurp(first);
        QMainWindow main;
        engine::RecordingInteraction ui;
        DrawingController c(&main, ui);
        QStringList asked;
        c.SetSaveQuestion([&](const QString& text) {
            asked << text;
            return DrawingController::SaveAnswer(answer);
        });
        QVERIFY(c.Open(first));
        QVERIFY(c.ConfirmRelease());  // nothing changed: nothing to ask
        c.Workspace()->Drawing()->AddLine({0, 0, 0}, {5, 5, 0});
        QVERIFY(c.Modified());

        QCOMPARE(c.Open(other), opensOther);
        QCOMPARE(asked, QStringList{QString::fromUtf8(kUnsavedDrawingQuestion)});
        QCOMPARE(Slurp(first) != before, savedFirst);
        QCOMPARE(c.Window()->windowTitle().endsWith("outro.dxf"), opensOther);
    }

    // A save that fails is told, and the file keeps what it had.
    void failedSaveKeepsTheFile() {
        QTemporaryDir dir;
        const std::string path = Copy(dir, "estrada.dxf");
        const std::string before = Slurp(path);
        QMainWindow main;
        engine::RecordingInteraction ui;
        DrawingController c(&main, ui);
        QVERIFY(c.Open(path));
        c.Workspace()->Drawing()->AddLine({0, 0, 0}, {5, 5, 0});
        ui.fileAnswers.push_back(dir.filePath("sem-pasta/estrada.dxf").toStdString());
        QVERIFY(!c.SaveAsChosen());
        QCOMPARE(ui.Of("message").size(), std::size_t(1));
        QCOMPARE(Slurp(path), before);
        QVERIFY(c.Modified());
        // Saved for real, the addition is in the file, which opens again.
        QVERIFY(c.Save());
        QVERIFY(!c.Modified());
        QVERIFY(Slurp(path) != before);
        QVERIFY(engine::dxf::DxfDrawing::Open(path));
    }

    void opensAtStartup() {
        QTemporaryDir dir;
        Copy(dir, "Estrada.dxf");
        QMainWindow main;
        engine::RecordingInteraction ui;
        DrawingController c(&main, ui);
        engine::ProjectModel project;
        project.AlignmentFileName = dir.filePath("Estrada.alg").toStdString();
        // A drawing named on the command line that is not there is told.
        QVERIFY(!c.OpenAtStartup(dir.filePath("nao-existe.dxf").toStdString(), project));
        QCOMPARE(ui.Of("message").size(), std::size_t(1));
        QVERIFY(!c.Workspace()->IsOpen());
        // Else the drawing of the project's name beside its alignment file.
        QVERIFY(c.OpenAtStartup("", project));
        QVERIFY(c.Window()->windowTitle().endsWith("Estrada.dxf"));
        // No drawing beside: nothing opened, nothing said.
        DrawingController none(&main, ui);
        project.AlignmentFileName = dir.filePath("Outra.alg").toStdString();
        QVERIFY(!none.OpenAtStartup("", project));
        QCOMPARE(ui.Of("message").size(), std::size_t(1));
    }

    // The main window carries the menu after "Arquivo", takes --desenho, and does not
    // close over unsaved additions unless told to.
    void mainWindowWiring() {
        const desktop::CommandLine cmd =
            desktop::ParseCommandLine({"quantitativos", "--desenho", "d.dxf", "/p/Estrada.alg"});
        QCOMPARE(cmd.drawingFile, std::string("d.dxf"));
        QCOMPARE(cmd.alignmentFile, std::string("/p/Estrada.alg"));
        QVERIFY(!desktop::ParseCommandLine({"quantitativos", "--desenho"}).error.empty());

        QTemporaryDir dir;
        const std::string path = Copy(dir, "estrada.dxf");
        engine::Session session;
        engine::RecordingInteraction ui;
        TForm1 w(session, ui);
        QStringList menus;
        for (QAction* a : w.menuBar()->actions()) menus << a->text();
        QCOMPARE(menus.mid(0, 2), (QStringList{"Arquivo", "Desenho"}));

        DrawingController::SaveAnswer answer = DrawingController::SaveAnswer::Cancel;
        int asked = 0;
        w.Drawing()->SetSaveQuestion([&](const QString&) {
            ++asked;
            return answer;
        });
        w.show();
        QVERIFY(w.Drawing()->Open(path));
        w.Drawing()->Workspace()->Drawing()->AddLine({0, 0, 0}, {5, 5, 0});
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        answer = DrawingController::SaveAnswer::Discard;
        QVERIFY(w.close());
        QCOMPARE(asked, 2);
    }

    // The whole way of a profile binding: the bridge connects to the workspace, asks the
    // user to pick, the drawing window takes the click, the dialog's answers tag the
    // polyline in the drawing.
    void bridgePicksThroughTheWindow() {
        QTemporaryDir dir;
        const std::string path = Copy(dir, "estrada.dxf");
        QMainWindow main;
        engine::RecordingInteraction ui;
        ui.profileAnswers.push_back({"812.35", "0", "10"});
        DrawingController c(&main, ui);
        QVERIFY(c.Open(path));
        engine::cad::CadBridge bridge(c.Registry(), c.Windows(), ui);
        engine::ProjectModel project;
        project.AlignmentFileName = "/projetos/Estrada.alg";

        QTimer::singleShot(0, [&] {
            QVERIFY(c.Window()->Picking());
            DrawingView* v = c.Window()->View();
            QTest::mouseClick(v, Qt::LeftButton, {}, v->View().ToScreen(100, 25).toPoint() + QPoint(2, 0));
        });
        QVERIFY(engine::cad::BindReferenceProfile(bridge, project));
        QCOMPARE(double(bridge.Profile.X0), 0.0);
        QCOMPARE(bridge.Profile.InitialElevationText, std::string("812.35"));
        QCOMPARE(ui.Of("profile").size(), std::size_t(1));
        // The polyline is tagged in the drawing: saved and read again it binds alone.
        QVERIFY(c.Save());
        auto reread = engine::dxf::DxfDrawing::Open(path);
        bool tagged = false;
        for (const auto& e : reread->Entities())
            if (e.type == "POLYLINE")
                tagged = reread->XDataOf(e.id, "PERFILALINTELMIRA").size() == 5;
        QVERIFY(tagged);
    }
};

QTEST_MAIN(DrawingControllerTest)
#include "tst_drawingcontroller.moc"
