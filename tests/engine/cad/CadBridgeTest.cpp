#include <gtest/gtest.h>

#include <set>

#include "FakeCad.h"
#include "engine/cad/NoWindowSystem.h"

using namespace fakecad;

namespace {

const std::string kNotFoundCaption = "Erro: AutoCAD não encontrado!!!";
const std::string kNotFoundText = "O AutoCAD deve estar aberto para que o sistema possa funcionar.";
const std::string kBusyCaption = "Erro no AutoCAD !!!";
const std::string kBusyText = "Existe um comando ativo no Autocad.\rFinalize o comando e execute esta função novamente.";

// The interaction calls of a refused connection: the main window first, then the box.
void ExpectRefused(const RecordingInteraction& ui, const std::string& caption, const std::string& text) {
    ASSERT_EQ(ui.calls.size(), 2u);
    EXPECT_EQ(ui.calls[0].kind, "raise");
    EXPECT_EQ(ui.calls[1].kind, "message");
    EXPECT_EQ(ui.calls[1].caption, caption);
    EXPECT_EQ(ui.calls[1].text, text);
    EXPECT_TRUE(ui.calls[1].owned);
}

// ---- Finding the application --------------------------------------------------------

TEST(CadConnect, TriesTheIdentifiersInOrderAndStopsAtTheFirstThatAnswers) {
    struct Case {
        std::set<std::string> running;
        std::string expectedLast;  // the last identifier asked
        bool bricscad, gstarcad;
    };
    const std::vector<Case> cases{
        {{"BricscadApp.AcadApplication"}, "BricscadApp.AcadApplication", true, false},
        {{"GstarCad.Application"}, "GstarCad.Application", false, true},
        {{"AutoCAD.Application.18"}, "AutoCAD.Application.18", false, false},
        {{"AutoCAD.Application.25"}, "AutoCAD.Application.25", false, false},
        {{"AutoCAD.Application", "BricscadApp.AcadApplication"}, "AutoCAD.Application", false, false},
        {{"GstarCad.Application", "AutoCAD.Application.15"}, "GstarCad.Application", false, true},
    };
    const auto order = ApplicationRegistry::ConnectionOrder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expectedLast);
        Rig rig;
        rig.registry.Unregister(kAutoCadIdentifier);
        std::vector<std::string> asked;
        for (const auto& id : order)
            rig.registry.Register(id, ApplicationRegistry::Provider([&, id]() -> ApplicationPtr {
                asked.push_back(id);
                return c.running.count(id) ? rig.app : nullptr;
            }));
        // A previous connection to the other kind must not leave its flag behind.
        rig.bridge.CadConnection.IsBricscad = !c.bricscad;
        rig.bridge.CadConnection.IsGstarcad = !c.gstarcad;

        ASSERT_TRUE(rig.bridge.ConnectCad());
        std::vector<std::string> expected;
        for (const auto& id : order) {
            expected.push_back(id);
            if (id == c.expectedLast) break;
        }
        EXPECT_EQ(asked, expected);
        EXPECT_EQ(rig.bridge.CadConnection.AcadApp, rig.app);
        EXPECT_EQ(rig.bridge.CadConnection.IsBricscad, c.bricscad);
        EXPECT_EQ(rig.bridge.CadConnection.IsGstarcad, c.gstarcad);
        EXPECT_TRUE(rig.ui.calls.empty());
    }
}

TEST(CadConnect, IdentifiersMatchWithoutRegardToCaseAndTheOrderIsComplete) {
    auto order = ApplicationRegistry::ConnectionOrder();
    ASSERT_EQ(order.size(), 15u);
    EXPECT_EQ(order[3], "AutoCAD.Application.14");
    EXPECT_EQ(order[14], "AutoCAD.Application.25");

    ApplicationRegistry registry;
    auto app = std::make_shared<FakeApplication>();
    registry.Register("autocad.application", app);
    EXPECT_EQ(registry.GetActiveObject("AutoCAD.Application"), app);
    EXPECT_EQ(registry.GetActiveObject("AutoCAD.Application.16"), nullptr);
    registry.Unregister("AUTOCAD.APPLICATION");
    EXPECT_EQ(registry.GetActiveObject("AutoCAD.Application"), nullptr);
}

TEST(CadConnect, NothingRunningTellsTheUserAndForgetsTheOldApplication) {
    Rig rig;
    ASSERT_TRUE(rig.bridge.ConnectCad());
    rig.ui.calls.clear();
    rig.registry.Unregister(kAutoCadIdentifier);
    // A provider that raises counts as not running, like one that answers nothing.
    rig.registry.Register("AutoCAD.Application.20",
                          ApplicationRegistry::Provider([]() -> ApplicationPtr { throw CadError("não registrado"); }));

    EXPECT_FALSE(rig.bridge.ConnectCad());
    ExpectRefused(rig.ui, kNotFoundCaption, kNotFoundText);
    EXPECT_EQ(rig.bridge.CadConnection.AcadApp, nullptr);
    EXPECT_THROW(rig.bridge.RefreshCad(), CadError);
}

// ---- The probe ------------------------------------------------------------------------

TEST(CadConnect, ProbeFillsTheConnectionRecord) {
    Rig rig;
    rig.dwg().AddUserSet("DO_USUARIO");
    ASSERT_TRUE(rig.bridge.ConnectCad());
    const tAcadParams& c = rig.bridge.CadConnection;
    EXPECT_EQ(c.AcadVersion, "16.2s (LMS Tech)");
    EXPECT_EQ(c.AcadFullName, rig.app->fullName);
    EXPECT_EQ(c.AcadMajorVersion, 16);
    EXPECT_EQ(c.AcadWindow, 77);
    EXPECT_EQ(c.ViewSize, (VariableValue{250}));
    EXPECT_EQ(c.ViewCtr, (VariableValue{10, 20, 0}));
    EXPECT_EQ(c.VsMax, (VariableValue{1000, 800, 0}));
    EXPECT_EQ(c.VsMin, (VariableValue{-1000, -800, 0}));
    EXPECT_EQ(c.SelectionSetName, "SELECAO00042");
    EXPECT_TRUE(rig.dwg().selectionSets.empty());  // the user's set is gone too
    EXPECT_TRUE(rig.script().Logged("Hwnd"));
    EXPECT_FALSE(rig.script().Logged("AddDocument"));
}

TEST(CadConnect, VersionDecidesTheWindowHandleProbe) {
    for (auto [version, major, hwnd] : {std::tuple{"14.01", 14, false}, std::tuple{"15.0", 15, true},
                                        std::tuple{"R15", 0, false}}) {
        SCOPED_TRACE(version);
        Rig rig;
        rig.app->version = version;
        bool connected = rig.bridge.ConnectCad();
        EXPECT_EQ(connected, major != 0);
        if (connected) {
            EXPECT_EQ(rig.bridge.CadConnection.AcadMajorVersion, major);
        }
        EXPECT_EQ(rig.script().Logged("Hwnd"), hwnd);
    }
}

TEST(CadConnect, WithoutAnOpenDrawingADrawingIsAdded) {
    Rig rig;
    rig.app->drawingOpen = false;
    ASSERT_TRUE(rig.bridge.ConnectCad());
    EXPECT_TRUE(rig.app->drawingOpen);
    EXPECT_EQ(rig.script().Count("AddDocument"), 1);
    EXPECT_TRUE(rig.ui.calls.empty());
}

TEST(CadConnect, AnyProbeFailureRefusesWithTheActiveCommandMessage) {
    struct Case {
        const char* what;
        std::function<void(Rig&)> arrange;
    };
    const std::vector<Case> cases{
        {"versão R2", [](Rig& r) { r.app->version = "R2"; }},
        {"versão ab", [](Rig& r) { r.app->version = "ab"; }},
        {"versão vazia", [](Rig& r) { r.app->version = ""; }},
        {"versão 9.", [](Rig& r) { r.app->version = "9.0"; }},
        {"Version falha", [](Rig& r) { r.script().failures["Version"] = kAlways; }},
        {"Caption falha", [](Rig& r) { r.script().failures["Caption"] = kAlways; }},
        {"nenhum desenho e Add falha",
         [](Rig& r) {
             r.app->drawingOpen = false;
             r.script().failures["AddDocument"] = kAlways;
         }},
        {"Hwnd falha", [](Rig& r) { r.script().failures["Hwnd"] = kAlways; }},
        {"VSMIN falha", [](Rig& r) { r.script().failures["GetVariable VSMIN"] = kAlways; }},
        {"conjuntos não se apagam", [](Rig& r) {
             r.dwg().AddUserSet("X");
             r.script().failures["Delete"] = kAlways;
         }},
        {"ocupado para sempre", [](Rig& r) { r.script().busy["Name"] = kAlways; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig;
        c.arrange(rig);
        EXPECT_FALSE(rig.bridge.ConnectCad());
        ExpectRefused(rig.ui, kBusyCaption, kBusyText);
    }
}

TEST(CadConnect, BusyRejectionsAreRetriedUntilTheCallGoesThrough) {
    Rig rig;
    rig.script().busy["Version"] = 3;
    rig.script().busy["GetVariable VIEWCTR"] = 2;
    ASSERT_TRUE(rig.bridge.ConnectCad());
    EXPECT_EQ(rig.script().Count("Version"), 4);
    EXPECT_EQ(rig.clock.sleeps, (std::vector<int>{99, 99, 99, 99, 99}));
    EXPECT_TRUE(rig.ui.calls.empty());

    // A call rejected for 7.5 s is given up: 76 waits of 99 ms, then the refusal.
    Rig stuck;
    stuck.script().busy["Caption"] = kAlways;
    EXPECT_FALSE(stuck.bridge.ConnectCad());
    EXPECT_EQ(stuck.clock.sleeps.size(), 76u);
    ExpectRefused(stuck.ui, kBusyCaption, kBusyText);
}

// ---- Selection sets and their names -------------------------------------------------

TEST(CadSelectionSets, AllSetsAreDeletedFromTheLastDown) {
    Rig rig;
    ASSERT_TRUE(rig.bridge.ConnectCad());
    for (const char* n : {"A", "B", "C"}) rig.dwg().AddUserSet(n);
    rig.script().log.clear();
    rig.bridge.DeleteAllSelectionSets();
    EXPECT_TRUE(rig.dwg().selectionSets.empty());
    std::vector<std::string> deletions;
    for (const auto& l : rig.script().log)
        if (l.rfind("Delete ", 0) == 0) deletions.push_back(l);
    EXPECT_EQ(deletions, (std::vector<std::string>{"Delete C", "Delete B", "Delete A"}));
}

TEST(CadSelectionSets, NamesAreSelecaoAndFiveDigitsFrom1To9999) {
    Rig rig;
    ASSERT_TRUE(rig.bridge.ConnectCad());
    for (auto [answers, name] : {std::pair{std::vector<int>{0, 0, 42}, "SELECAO00042"},
                                 std::pair{std::vector<int>{9999}, "SELECAO09999"},
                                 std::pair{std::vector<int>{1}, "SELECAO00001"}}) {
        rig.random.answers = answers;
        rig.random.next = 0;
        rig.random.bounds.clear();
        rig.dwg().AddUserSet("DO_USUARIO");
        EXPECT_EQ(rig.bridge.NewSelectionSetName(), name);
        EXPECT_TRUE(rig.dwg().selectionSets.empty());
        EXPECT_EQ(rig.random.bounds, std::vector<int>(answers.size(), 10000));
    }

    // The clock-seeded source keeps to the same shape.
    ApplicationRegistry registry;
    registry.Register(kAutoCadIdentifier, rig.app);
    NoWindowSystem windows;
    RecordingInteraction ui;
    CadBridge real(registry, windows, ui, rig.clock);
    ASSERT_TRUE(real.ConnectCad());
    EXPECT_EQ(real.CadConnection.AcadWindow, 0);
    for (int i = 0; i < 200; ++i) {
        std::string name = real.NewSelectionSetName();
        ASSERT_EQ(name.size(), 12u);
        ASSERT_EQ(name.substr(0, 7), "SELECAO");
        int number = std::stoi(name.substr(7));
        ASSERT_GE(number, 1);
        ASSERT_LE(number, 9999);
    }
}

// ---- Entity positions -----------------------------------------------------------------

TEST(CadSelectPositions, PointsByLayerAndBlockReferencesByName) {
    Rig rig;
    rig.dwg().AddPoint("ARVORE", 1.5, 2.5);
    rig.dwg().AddPoint("OUTRA", 9, 9);
    rig.dwg().AddPoint("arvore", 3.25, -4);  // the layer comparison is the application's
    rig.dwg().AddInsert("BSTC40", 100, 200);
    rig.dwg().AddInsert("BSTC60", 300, 400);
    rig.dwg().AddLineEntity("ARVORE", {0, 0, 0}, {1, 1, 0});  // not a point

    ASSERT_TRUE(rig.bridge.SelectEntityPositions("POINT", "ARVORE"));
    auto& b = rig.bridge;
    EXPECT_EQ(b.CadPositionCount, 2);
    ASSERT_EQ(b.CadPositions.size(), 4u);
    EXPECT_EQ(b.CadPositions[1].X, 1.5L);
    EXPECT_EQ(b.CadPositions[1].Y, 2.5L);
    EXPECT_EQ(b.CadPositions[2].X, 3.25L);
    EXPECT_EQ(b.CadPositions[2].Y, -4.0L);
    ASSERT_TRUE(b.WorkSelection);
    EXPECT_EQ(b.WorkSelection->Name(), "TEMP");

    ASSERT_TRUE(b.SelectEntityPositions("INSERT", "BSTC60"));
    EXPECT_EQ(b.CadPositionCount, 1);
    ASSERT_EQ(b.CadPositions.size(), 3u);
    EXPECT_EQ(b.CadPositions[1].X, 300.0L);
    EXPECT_EQ(b.CadPositions[1].Y, 400.0L);

    ASSERT_TRUE(b.SelectEntityPositions("POINT", "NADA"));
    EXPECT_EQ(b.CadPositionCount, 0);
    EXPECT_EQ(b.CadPositions.size(), 2u);
}

TEST(CadSelectPositions, AFailedConnectionLeavesTheListAsItWas) {
    Rig rig;
    rig.dwg().AddPoint("ARVORE", 1, 2);
    ASSERT_TRUE(rig.bridge.SelectEntityPositions("POINT", "ARVORE"));
    rig.app->version = "xx";
    EXPECT_FALSE(rig.bridge.SelectEntityPositions("POINT", "ARVORE"));
    EXPECT_EQ(rig.bridge.CadPositionCount, 1);
    EXPECT_EQ(rig.bridge.CadPositions.size(), 3u);
}

TEST(CadSelectPositions, FailuresOfTheSetReachTheCallerButFailedDeletionsDoNot) {
    {
        Rig rig;
        rig.script().failures["Add TEMP"] = kAlways;
        EXPECT_THROW(rig.bridge.SelectEntityPositions("POINT", "ARVORE"), CadError);
    }
    {
        Rig rig;
        rig.script().failures["Select"] = kAlways;
        EXPECT_THROW(rig.bridge.SelectEntityPositions("POINT", "ARVORE"), CadError);
    }
    {
        // The deletion of the connection goes through, the one of the selection fails.
        Rig rig;
        rig.dwg().AddPoint("ARVORE", 1, 2);
        rig.script().failNth["Sets.Count"] = {2};
        ASSERT_TRUE(rig.bridge.SelectEntityPositions("POINT", "ARVORE"));
        EXPECT_EQ(rig.script().Count("Sets.Count"), 2);
        EXPECT_EQ(rig.bridge.CadPositionCount, 1);
    }
}

// ---- Layer polylines ------------------------------------------------------------------

TEST(CadLayerPolylines, PolylinesFirstThenLinesAsTwoVertexPolylines) {
    Rig rig;
    // The line comes first in the drawing, still it ends up after every polyline.
    rig.dwg().AddLineEntity("MATA", {1, 2, 0}, {3, 4, 0});
    std::vector<double> seven;
    for (int j = 0; j < 7; ++j) seven.insert(seven.end(), {10.0 + j, 20.0 - j});
    rig.dwg().AddPolyline("MATA", seven);
    rig.dwg().AddPolyline("BORDO", {0, 0, 5, 5});
    rig.dwg().AddPoint("MATA", 7, 7);
    rig.dwg().AddPolyline("MATA", {-1, -2, -3, -4, -5, -6});

    auto& b = rig.bridge;
    ASSERT_TRUE(b.ReadLayerPolylines("MATA", b.ClearingPolylines, b.ClearingPolylineCount));
    ASSERT_EQ(b.ClearingPolylineCount, 3);
    ASSERT_EQ(b.ClearingPolylines.size(), 5u);
    const PolylineRecord& first = b.ClearingPolylines[1];
    EXPECT_EQ(first.VertexCount, 7);
    EXPECT_EQ(first.X[6], 16.0);
    EXPECT_EQ(first.Y[6], 14.0);
    EXPECT_EQ(b.ClearingPolylines[2].VertexCount, 3);
    EXPECT_EQ(b.ClearingPolylines[2].Y[2], -6.0);
    const PolylineRecord& line = b.ClearingPolylines[3];
    EXPECT_EQ(line.VertexCount, 2);
    EXPECT_EQ(line.X, (std::vector<double>{1, 3}));
    EXPECT_EQ(line.Y, (std::vector<double>{2, 4}));
    EXPECT_EQ(b.EdgePolylineCount, 0);  // the other list is untouched
}

TEST(CadLayerPolylines, EmptyLayerGivesCountZeroAndTwoEntries) {
    Rig rig;
    auto& b = rig.bridge;
    b.EdgePolylineCount = 9;
    ASSERT_TRUE(b.ReadLayerPolylines("BORDO", b.EdgePolylines, b.EdgePolylineCount));
    EXPECT_EQ(b.EdgePolylineCount, 0);
    EXPECT_EQ(b.EdgePolylines.size(), 2u);
}

TEST(CadLayerPolylines, EntriesPastTheCountKeepTheirContents) {
    Rig rig;
    auto& b = rig.bridge;
    PolylineRecord old;
    old.X = {99};
    old.Y = {98};
    old.VertexCount = 1;
    b.EdgePolylines.assign(6, old);
    b.EdgePolylineCount = 5;
    rig.dwg().AddPolyline("BORDO", {0, 0, 1, 1});
    ASSERT_TRUE(b.ReadLayerPolylines("BORDO", b.EdgePolylines, b.EdgePolylineCount));
    EXPECT_EQ(b.EdgePolylineCount, 1);
    ASSERT_EQ(b.EdgePolylines.size(), 3u);
    EXPECT_EQ(b.EdgePolylines[1].VertexCount, 2);
    EXPECT_EQ(b.EdgePolylines[0].X, std::vector<double>{99});
    EXPECT_EQ(b.EdgePolylines[2].X, std::vector<double>{99});

    // A refused connection leaves list and count alone.
    rig.app->version = "??";
    EXPECT_FALSE(b.ReadLayerPolylines("BORDO", b.EdgePolylines, b.EdgePolylineCount));
    EXPECT_EQ(b.EdgePolylineCount, 1);
    EXPECT_EQ(b.EdgePolylines.size(), 3u);
}

TEST(CadLayerPolylines, LongPolylinesAreReadWhole) {
    Rig rig;
    std::vector<double> xy;
    for (int j = 0; j < 2500; ++j) xy.insert(xy.end(), {double(j), double(2 * j)});
    rig.dwg().AddPolyline("MATA", xy);
    auto& b = rig.bridge;
    ASSERT_TRUE(b.ReadLayerPolylines("MATA", b.ClearingPolylines, b.ClearingPolylineCount));
    EXPECT_EQ(b.ClearingPolylines[1].VertexCount, 2500);
    EXPECT_EQ(b.ClearingPolylines[1].X[2499], 2499.0);
    EXPECT_EQ(b.ClearingPolylines[1].Y[2499], 4998.0);
}

TEST(CadLayerPolylines, BusyCallsAreRetriedAndFailuresReachTheCaller) {
    Rig rig;
    rig.dwg().AddPolyline("MATA", {0, 0, 1, 1});
    rig.dwg().AddLineEntity("MATA", {0, 0, 0}, {2, 2, 0});
    rig.script().busy["Coordinates"] = 2;
    rig.script().busy["EndPoint"] = 1;
    auto& b = rig.bridge;
    ASSERT_TRUE(b.ReadLayerPolylines("MATA", b.ClearingPolylines, b.ClearingPolylineCount));
    EXPECT_EQ(b.ClearingPolylineCount, 2);
    EXPECT_EQ(rig.clock.sleeps.size(), 3u);

    rig.script().failures["Select"] = 1;
    EXPECT_THROW(b.ReadLayerPolylines("MATA", b.ClearingPolylines, b.ClearingPolylineCount), CadError);
}

// ---- Drawing ---------------------------------------------------------------------------

TEST(CadDraw, LinesPolylinesAndBlocksGoToTheModelSpace) {
    Rig rig;
    rig.dwg().blocks = {"LOMBADA"};
    ASSERT_TRUE(rig.bridge.ConnectCad());
    auto& b = rig.bridge;

    b.DrawLine(1, 2, 3, 4);
    auto lines = rig.dwg().Live("LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->start.x, 1);
    EXPECT_EQ(lines[0]->start.y, 2);
    EXPECT_EQ(lines[0]->end.x, 3);
    EXPECT_EQ(lines[0]->end.y, 4);
    EXPECT_EQ(lines[0]->end.z, 0);

    b.DrawPolyline({{0, 0}, {10, 0}, {10, 5}, {0, 0}});
    auto polylines = rig.dwg().Live("LWPOLYLINE");
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0]->coords, (std::vector<double>{0, 0, 10, 0, 10, 5, 0, 0}));

    rig.script().busy["InsertBlock"] = 2;
    EntityPtr block = b.InsertBlockAt("LOMBADA", 112, 65);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->InsertionPoint().x, 112);
    EXPECT_EQ(block->InsertionPoint().y, 65);
    EXPECT_EQ(rig.dwg().insertScales, (std::vector<double>{1, 1, 1, 0}));
    EXPECT_THROW(b.InsertBlockAt("DESCONHECIDO", 0, 0), CadError);

    b.CadObject = block;
    b.DeleteEntity(block);
    EXPECT_TRUE(rig.dwg().Live("INSERT").empty());

    b.RefreshCad();
    EXPECT_EQ(rig.script().Count("Update"), 1);
    // None of them connected on its own.
    EXPECT_EQ(rig.script().Count("Version"), 1);
}

// ---- Bringing windows to the front -----------------------------------------------------

TEST(CadWindows, ForceForegroundWindow) {
    FakeWindows w;
    w.foreground = 5;
    w.minimised[7] = true;
    EXPECT_TRUE(ForceForegroundWindow(w, 5));
    EXPECT_TRUE(w.log.empty());  // already in front: nothing to do

    EXPECT_TRUE(ForceForegroundWindow(w, 7));
    EXPECT_EQ(w.log, (std::vector<std::string>{"restore 7", "front 7"}));

    w.refuseFront = true;
    EXPECT_FALSE(ForceForegroundWindow(w, 9));
    EXPECT_FALSE(ForceForegroundWindow(w, 0));
    EXPECT_EQ(w.log.back(), "front 9");
}

}  // namespace
