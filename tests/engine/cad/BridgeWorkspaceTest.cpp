// The bridge against the drawing workspace on a small DXF drawing: connection, points by
// layer, block references by name, a layer's polylines and lines, drawing back, and the
// reference profile bound from its tag, picked, tagged, saved and found again.
#include <gtest/gtest.h>

#include "FakeCad.h"
#include "engine/cad/ProfileBinding.h"
#include "engine/cad/dxf/DxfTestSupport.h"
#include "engine/cad/workspace/DrawingWorkspace.h"
#include "engine/cad/workspace/WorkspaceRegistration.h"

using namespace fakecad;

namespace {

using dxftest::Dxf;

// Two trees and a bush point, a bush outline and a line of the same layer, the tagged
// profile polyline (of another project) and a reference of the block LOMBADA.
const std::string kDrawing = Dxf(
    "0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|9|$CLAYER|8|0|0|ENDSEC|"
    "0|SECTION|2|TABLES|0|TABLE|2|APPID|70|2|0|APPID|2|ACAD|70|0|0|APPID|2|PERFILALINTELMIRA|70|0|0|ENDTAB|0|ENDSEC|"
    "0|SECTION|2|BLOCKS|0|BLOCK|8|0|2|LOMBADA|70|0|10|0|20|0|30|0|3|LOMBADA|1||"
    "0|LINE|8|0|10|-1|20|0|30|0|11|1|21|0|31|0|0|ENDBLK|8|0|0|ENDSEC|"
    "0|SECTION|2|ENTITIES|"
    "0|POINT|8|ARVORE|10|10.5|20|20.25|30|0|"
    "0|POINT|8|ARVORE|10|-3|20|4|30|0|"
    "0|POINT|8|MATA|10|99|20|99|30|0|"
    "0|LWPOLYLINE|8|MATA|90|3|70|1|10|0|20|0|10|50|20|0|10|50|20|30|"
    "0|LINE|8|MATA|10|5|20|6|30|0|11|7|21|8|31|0|"
    "0|LWPOLYLINE|8|PERFIL|90|3|70|0|10|1000|20|500|10|1020|20|503|10|1040|20|498|"
    "1001|PERFILALINTELMIRA|1000|/outro/projeto.est|1000|10|1000|800|1000|0|"
    "0|INSERT|8|0|2|LOMBADA|10|200|20|300|30|0|"
    "0|ENDSEC|0|EOF");

class FakePicker : public PickProvider {
public:
    std::optional<dxf::EntityId> answer;
    std::optional<dxf::EntityId> Pick(const std::string&) override { return answer; }
};

class BridgeOnWorkspace : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.File("estrada.dxf");
        dxftest::WriteFile(path, kDrawing);
        RegisterDrawingWorkspace(registry, workspace);
        workspace->SetPickProvider(&picker);
        workspace->Open(path);
        windows.byTitle[workspace->Caption()] = 21;
        project.AlignmentFileName = "/home/projetos/estrada.est";
        project.estgrid.SetRowCount(2);
        project.estgrid.SetCell(3, 1, "0.00");
        project.estgrid.SetCell(6, 1, "801.20");
    }
    void TearDown() override { workspace->SetPickProvider(nullptr); }

    // The first model-space entity of a type on a layer.
    dxf::EntityId Find(const std::string& type, const std::string& layer) {
        for (const auto& e : workspace->Drawing()->Entities())
            if (e.type == type && e.layer == layer && e.space == dxf::Space::Model) return e.id;
        ADD_FAILURE() << type << " " << layer;
        return 0;
    }
    std::size_t Count(const std::string& type) {
        std::size_t n = 0;
        for (const auto& e : workspace->Drawing()->Entities())
            n += e.type == type && !e.deleted && e.space == dxf::Space::Model;
        return n;
    }

    dxftest::TempDir dir;
    std::string path;
    std::shared_ptr<DrawingWorkspace> workspace = DrawingWorkspace::Create();
    FakePicker picker;
    ApplicationRegistry registry;
    FakeWindows windows;
    RecordingInteraction ui;
    FakeClock clock;
    CadBridge bridge{registry, windows, ui, clock};
    ProjectModel project;
};

TEST_F(BridgeOnWorkspace, ConnectsOnlyWhileADrawingIsOpen) {
    ASSERT_TRUE(bridge.ConnectCad());
    EXPECT_EQ(bridge.CadConnection.AcadWindow, 21);
    EXPECT_EQ(bridge.CadConnection.AcadMajorVersion, 23);
    EXPECT_EQ(bridge.CadConnection.SelectionSetName.size(), 12u);
    EXPECT_TRUE(ui.calls.empty());

    workspace->Close();
    EXPECT_FALSE(bridge.ConnectCad());
    EXPECT_EQ(ui.calls.back().caption, "Erro: AutoCAD não encontrado!!!");
}

TEST_F(BridgeOnWorkspace, ReadsPointsBlocksPolylinesAndLines) {
    ASSERT_TRUE(bridge.SelectEntityPositions("POINT", "ARVORE"));
    ASSERT_EQ(bridge.CadPositionCount, 2);
    EXPECT_EQ(bridge.CadPositions[1].X, 10.5L);
    EXPECT_EQ(bridge.CadPositions[1].Y, 20.25L);
    EXPECT_EQ(bridge.CadPositions[2].X, -3.0L);

    ASSERT_TRUE(bridge.SelectEntityPositions("INSERT", "LOMBADA"));
    ASSERT_EQ(bridge.CadPositionCount, 1);
    EXPECT_EQ(bridge.CadPositions[1].X, 200.0L);
    EXPECT_EQ(bridge.CadPositions[1].Y, 300.0L);

    ASSERT_TRUE(bridge.ReadLayerPolylines("MATA", bridge.ClearingPolylines, bridge.ClearingPolylineCount));
    ASSERT_EQ(bridge.ClearingPolylineCount, 2);
    EXPECT_EQ(bridge.ClearingPolylines[1].VertexCount, 3);
    EXPECT_EQ(bridge.ClearingPolylines[1].X, (std::vector<double>{0, 50, 50}));
    EXPECT_EQ(bridge.ClearingPolylines[1].Y, (std::vector<double>{0, 0, 30}));
    EXPECT_EQ(bridge.ClearingPolylines[2].VertexCount, 2);
    EXPECT_EQ(bridge.ClearingPolylines[2].X, (std::vector<double>{5, 7}));
    EXPECT_EQ(bridge.ClearingPolylines[2].Y, (std::vector<double>{6, 8}));

    ASSERT_TRUE(bridge.ReadLayerPolylines("BORDO", bridge.EdgePolylines, bridge.EdgePolylineCount));
    EXPECT_EQ(bridge.EdgePolylineCount, 0);
    EXPECT_EQ(bridge.EdgePolylines.size(), 2u);
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(BridgeOnWorkspace, DrawsIntoTheDrawing) {
    ASSERT_TRUE(bridge.ConnectCad());
    const std::size_t inserts = Count("INSERT"), lines = Count("LINE");
    EntityPtr block = bridge.InsertBlockAt("LOMBADA", 112, 65);
    EXPECT_EQ(Count("INSERT"), inserts + 1);
    EXPECT_EQ(block->InsertionPoint().x, 112);
    EXPECT_EQ(block->InsertionPoint().y, 65);
    EXPECT_THROW(bridge.InsertBlockAt("NAO_EXISTE", 0, 0), CadError);
    bridge.DeleteEntity(block);
    EXPECT_EQ(Count("INSERT"), inserts);

    bridge.DrawLine(0, 0, 10, 10);
    bridge.DrawPolyline({{0, 0}, {5, 0}, {5, 5}});
    bridge.RefreshCad();
    EXPECT_EQ(Count("LINE"), lines + 1);
    ASSERT_TRUE(bridge.SelectEntityPositions("INSERT", "LOMBADA"));
    EXPECT_EQ(bridge.CadPositionCount, 1);
    ASSERT_TRUE(bridge.ReadLayerPolylines("0", bridge.EdgePolylines, bridge.EdgePolylineCount));
    EXPECT_EQ(bridge.EdgePolylineCount, 2);  // the new polyline, then the new line
    EXPECT_EQ(bridge.EdgePolylines[1].VertexCount, 3);
}

TEST_F(BridgeOnWorkspace, BindsTheTaggedProfileWithoutQuestions) {
    ASSERT_TRUE(BindReferenceProfile(bridge, project));
    EXPECT_EQ(bridge.Profile.X0, 1000.0L);
    EXPECT_EQ(bridge.Profile.Y0, 500.0L);
    EXPECT_EQ(bridge.Profile.ExaggerationText, "10");
    EXPECT_EQ(bridge.Profile.InitialElevationText, "800");
    EXPECT_EQ(bridge.Profile.InitialChainageText, "0");
    EXPECT_TRUE(ui.calls.empty());
    MarkPoint m = ProfilePoint(bridge.Profile, 12, 801.5L);
    EXPECT_DOUBLE_EQ(double(m.X), 1012);
    EXPECT_DOUBLE_EQ(double(m.Y), 515);
}

TEST_F(BridgeOnWorkspace, APickedProfileIsTaggedAndFoundAgainAfterSaving) {
    // Strip the tag: the profile must be picked.
    const dxf::EntityId profile = Find("LWPOLYLINE", "PERFIL");
    workspace->Drawing()->SetXData(profile, {{1001, kProfileApplication}});

    picker.answer = std::nullopt;
    EXPECT_FALSE(BindReferenceProfile(bridge, project));
    EXPECT_EQ(ui.calls.back().text, "Nada selecionado. Processo abortado.");

    picker.answer = profile;
    ui.profileAnswers.push_back({"801.20", "0.00", "5"});
    ui.calls.clear();
    ASSERT_TRUE(BindReferenceProfile(bridge, project));
    ASSERT_EQ(ui.Of("profile").size(), 1u);
    EXPECT_EQ(ui.Of("profile")[0].text, "801.20|0.00|10");
    EXPECT_EQ(bridge.Profile.X0, 1000.0L);
    EXPECT_EQ(bridge.Profile.ExaggerationText, "5");
    EXPECT_EQ(workspace->Drawing()->XDataOf(profile, kProfileApplication),
              (GroupList{{1001, kProfileApplication},
                         {1000, project.AlignmentFileName},
                         {1000, "5"},
                         {1000, "801.20"},
                         {1000, "0.00"}}));

    // Saved and opened again, the tag binds without a question.
    workspace->Save();
    workspace->Open(path);
    ui.calls.clear();
    bridge.Profile = {};
    ASSERT_TRUE(BindReferenceProfile(bridge, project));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(bridge.Profile.ExaggerationText, "5");
    EXPECT_EQ(bridge.Profile.InitialElevationText, "801.20");
    EXPECT_EQ(bridge.Profile.Y0, 500.0L);
}

}  // namespace
