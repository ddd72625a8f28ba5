// The drawing workspace as the CAD bridge sees it: the application answers while a
// drawing is open, selection sets filter as the CAD application does, entities give
// their coordinates (or CadError for the wrong kind), picks go to the pick provider,
// and model space takes lines, polylines and block references of the drawing's blocks
// or of symbol files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "engine/Errors.h"
#include "engine/cad/ApplicationRegistry.h"
#include "engine/cad/dxf/DxfTestSupport.h"
#include "engine/cad/workspace/DrawingWorkspace.h"
#include "engine/cad/workspace/WorkspaceEntity.h"
#include "engine/cad/workspace/WorkspaceRegistration.h"

namespace engine::cad {
namespace {

using dxftest::Dxf;

// Model space in this order: two trees, a clearing polyline, a line of the same layer,
// two culverts, the reference profile (tagged), a 2D polyline.
const std::string kDrawing = Dxf(
    "0|SECTION|2|HEADER|9|$ACADVER|1|AC1032|9|$HANDSEED|5|100|0|ENDSEC|"
    "0|SECTION|2|BLOCKS|0|BLOCK|5|10|8|0|2|Bueiro|70|0|10|0|20|0|30|0|3|Bueiro|0|LINE|5|11|8|0|10|0|20|0|11|1|21|0|"
    "0|ENDBLK|5|12|8|0|0|ENDSEC|"
    "0|SECTION|2|ENTITIES|"
    "0|POINT|5|20|8|Árvores|10|1|20|2|30|3|"
    "0|POINT|5|21|8|ARVORES-2|10|4|20|5|30|0|"
    "0|LWPOLYLINE|5|22|8|Limpeza|90|3|70|0|10|0|20|0|10|10|20|0|10|10|20|10|"
    "0|LINE|5|23|8|LIMPEZA|10|0|20|0|11|5|21|5|"
    "0|INSERT|5|24|8|DRENAGEM|2|Bueiro|10|50|20|60|30|0|"
    "0|INSERT|5|25|8|DRENAGEM|2|CAIXA|10|70|20|80|30|0|"
    "0|LWPOLYLINE|5|26|8|PERFIL|90|2|70|0|10|100|20|50|10|200|20|60|"
    "1001|PERFILALINTELMIRA|1000|/p/eixo.alt|1000|10|1000|80|1000|0|"
    "0|POLYLINE|5|27|8|P|66|1|70|0|0|VERTEX|5|28|8|P|10|1|20|2|30|0|0|VERTEX|5|29|8|P|10|3|20|4|30|0|0|SEQEND|5|2A|8|P|"
    "0|ENDSEC|0|EOF");

class FakePicker : public PickProvider {
public:
    std::optional<dxf::EntityId> answer;
    std::vector<std::string> prompts;
    std::optional<dxf::EntityId> Pick(const std::string& prompt) override {
        prompts.push_back(prompt);
        return answer;
    }
};

class DrawingWorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.File("estrada.dxf");
        dxftest::WriteFile(path, kDrawing);
        workspace = DrawingWorkspace::Create();
        workspace->Open(path);
        app = workspace->Application();
    }
    SelectionSet& Select(const GroupList& filter) {
        SelectionSets& sets = app->ActiveDocument().Selections();
        set = sets.Add("TEMP" + std::to_string(sets.Count()));
        set->Select(5, {}, {}, filter);
        return *set;
    }
    std::vector<std::string> Handles(SelectionSet& s) {
        std::vector<std::string> out;
        auto drawing = workspace->Drawing();
        for (int i = 0; i < s.Count(); ++i) {
            auto e = std::dynamic_pointer_cast<WorkspaceEntity>(s.Item(i));
            out.push_back(dxf::HandleText(drawing->Find(e->Id())->handle));
        }
        return out;
    }

    dxftest::TempDir dir;
    std::string path;
    std::shared_ptr<DrawingWorkspace> workspace;
    ApplicationPtr app;
    SelectionSetPtr set;
};

TEST_F(DrawingWorkspaceTest, AnswersAsTheCadApplicationWhileADrawingIsOpen) {
    ApplicationRegistry registry;
    RegisterDrawingWorkspace(registry, workspace);
    ASSERT_EQ(registry.GetActiveObject("autocad.application"), app);
    EXPECT_EQ(app->Caption(), "Área de Desenho - estrada.dxf");
    EXPECT_EQ(app->Version().substr(0, 2), "23");
    EXPECT_FALSE(app->FullName().empty());
    Document& doc = app->ActiveDocument();
    EXPECT_EQ(doc.Name(), "estrada.dxf");
    EXPECT_NE(doc.Hwnd(), 0);
    EXPECT_EQ(doc.Hwnd(), app->ActiveDocument().Hwnd());
    // The view takes in everything drawn (x 0..200, y 0..80).
    VariableValue size = doc.GetVariable("VIEWSIZE"), centre = doc.GetVariable("viewctr");
    ASSERT_EQ(size.size(), 1u);
    ASSERT_EQ(centre.size(), 3u);
    EXPECT_DOUBLE_EQ(centre[0], 100);
    EXPECT_DOUBLE_EQ(centre[1], 40);
    EXPECT_GE(size[0], 150);
    EXPECT_LT(doc.GetVariable("VSMIN")[0], 0);
    EXPECT_GT(doc.GetVariable("VSMAX")[1], 80);
    EXPECT_THROW(doc.GetVariable("NAOEXISTE"), CadError);

    workspace->Close();
    EXPECT_EQ(registry.GetActiveObject("AutoCAD.Application"), nullptr);
    EXPECT_THROW(doc.Name(), CadError);
    EXPECT_THROW(app->ActiveDocument(), CadError);
}

TEST_F(DrawingWorkspaceTest, SelectionFiltersCompareAsTheCadApplication) {
    struct Case {
        GroupList filter;
        std::vector<std::string> handles;
    };
    const Case cases[] = {
        {{{0, "POINT"}, {8, "árvores"}}, {"20"}},  // any case, accented letters too
        {{{0, "point"}}, {"20", "21"}},
        {{{0, "INSERT"}, {2, "BUEIRO"}}, {"24"}},
        {{{0, "INSERT"}, {2, "Nenhum"}}, {}},
        {{{0, "LWPOLYLINE"}, {8, "limpeza"}}, {"22"}},
        {{{0, "LINE"}, {8, "Limpeza"}}, {"23"}},
        {{{1001, "perfilalintelmira"}}, {"26"}},
        {{{1001, "OUTRO"}}, {}},
        {{{0, "LINE,LWPOLYLINE"}, {8, "LIMPEZA"}}, {"22", "23"}},  // the CAD application's wildcards
        {{{8, "ARVORES-#"}}, {"21"}},
        {{{0, "INSERT"}, {2, "~Bueiro"}}, {"25"}},
        {{}, {"20", "21", "22", "23", "24", "25", "26", "27"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Handles(Select(c.filter)), c.handles) << c.filter.size();

    // Deleted entities leave the sets that held them.
    SelectionSet& points = Select({{0, "POINT"}});
    points.Item(0)->Delete();
    EXPECT_EQ(Handles(points), std::vector<std::string>{"21"});

    EXPECT_THROW(set->Select(5, {}, {}, {{62, "1"}}), CadError);
    EXPECT_THROW(set->Select(0, {}, {}, {{0, "POINT"}}), CadError);
}

TEST_F(DrawingWorkspaceTest, SelectionSetsAreACollectionOfNamedSets) {
    SelectionSets& sets = app->ActiveDocument().Selections();
    SelectionSetPtr temp = sets.Add("TEMP");
    EXPECT_THROW(sets.Add("temp"), CadError);
    sets.Add("SELECAO00042");
    EXPECT_EQ(sets.Count(), 2);
    EXPECT_EQ(sets.Item("Temp"), temp);
    EXPECT_EQ(sets.Item(1)->Name(), "SELECAO00042");
    EXPECT_THROW(sets.Item(2), CadError);
    EXPECT_THROW(sets.Item("OUTRO"), CadError);
    temp->Select(5, {}, {}, {{0, "POINT"}});
    EXPECT_EQ(temp->Count(), 2);
    EXPECT_THROW(temp->Item(2), CadError);
    temp->Clear();
    EXPECT_EQ(temp->Count(), 0);
    for (int i = sets.Count() - 1; i >= 0; --i) sets.Item(i)->Delete();
    EXPECT_EQ(sets.Count(), 0);
    EXPECT_THROW(temp->Count(), CadError);
    sets.Add("TEMP");  // the name is free again
}

TEST_F(DrawingWorkspaceTest, EntitiesGiveThePropertiesOfTheirKind) {
    auto item = [&](const char* type) { return Select({{0, type}}).Item(0); };
    EXPECT_EQ(item("POINT")->Coordinates(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(item("LWPOLYLINE")->Coordinates(), (std::vector<double>{0, 0, 10, 0, 10, 10}));
    EXPECT_EQ(item("POLYLINE")->Coordinates(), (std::vector<double>{1, 2, 3, 4}));  // 2D: x, y per vertex
    EntityPtr line = item("LINE");
    EXPECT_EQ(line->EntityType(), "LINE");
    EXPECT_DOUBLE_EQ(line->EndPoint().x, 5);
    EXPECT_DOUBLE_EQ(line->StartPoint().y, 0);
    EXPECT_DOUBLE_EQ(item("INSERT")->InsertionPoint().y, 60);
    EXPECT_THROW(line->Coordinates(), CadError);
    EXPECT_THROW(line->InsertionPoint(), CadError);
    EXPECT_THROW(item("POINT")->StartPoint(), CadError);
    EXPECT_THROW(item("INSERT")->Coordinates(), CadError);

    EntityPtr profile = Select({{1001, "PERFILALINTELMIRA"}}).Item(0);
    GroupList data = profile->GetXData("PERFILALINTELMIRA");
    ASSERT_EQ(data.size(), 5u);
    EXPECT_EQ(data[2].value, "10");
    EXPECT_TRUE(line->GetXData("PERFILALINTELMIRA").empty());
    line->SetXData({{1001, "PERFILALINTELMIRA"}, {1000, "a"}, {1000, "1"}, {1000, "2"}, {1000, "3"}});
    EXPECT_EQ(Handles(Select({{1001, "PERFILALINTELMIRA"}})), (std::vector<std::string>{"23", "26"}));
    line->Delete();
    EXPECT_THROW(line->StartPoint(), CadError);
    EXPECT_THROW(line->Delete(), CadError);
}

TEST_F(DrawingWorkspaceTest, OnScreenPicksGoToThePickProvider) {
    SelectionSet& s = Select({{0, "NADA"}});
    s.SelectOnScreen();  // no provider: nothing picked
    EXPECT_EQ(s.Count(), 0);
    FakePicker picker;
    workspace->SetPickProvider(&picker);
    s.SelectOnScreen();  // the user picks nothing
    EXPECT_EQ(s.Count(), 0);
    picker.answer = std::dynamic_pointer_cast<WorkspaceEntity>(Select({{8, "PERFIL"}}).Item(0))->Id();
    s.SelectOnScreen();
    ASSERT_EQ(s.Count(), 1);
    EXPECT_EQ(s.Item(0)->GetXData("PERFILALINTELMIRA").size(), 5u);
    EXPECT_EQ(picker.prompts, (std::vector<std::string>{"Selecione objetos:", "Selecione objetos:"}));
    workspace->SetPickProvider(nullptr);
}

TEST_F(DrawingWorkspaceTest, ModelSpaceTakesLinesPolylinesAndBlockReferences) {
    auto drawing = workspace->Drawing();
    std::vector<dxf::EntityId> added;
    int token = drawing->Subscribe([&](dxf::DxfDrawing::Change c, dxf::EntityId id) {
        if (c == dxf::DxfDrawing::Change::Added) added.push_back(id);
    });
    ModelSpace& ms = app->ActiveDocument().Model();
    EntityPtr line = ms.AddLine({1, 1, 0}, {2, 2, 0});
    EXPECT_EQ(line->EntityType(), "LINE");
    EXPECT_DOUBLE_EQ(line->EndPoint().x, 2);
    EntityPtr poly = ms.AddLightWeightPolyline({0, 0, 5, 5, 10, 0});
    EXPECT_EQ(poly->Coordinates(), (std::vector<double>{0, 0, 5, 5, 10, 0}));
    EntityPtr culvert = ms.InsertBlock({3, 4, 0}, "bueiro", 1, 1, 1, std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(culvert->InsertionPoint().x, 3);
    EXPECT_DOUBLE_EQ(drawing->Find(std::dynamic_pointer_cast<WorkspaceEntity>(culvert)->Id())->rotation, 90);

    // A symbol file named ".dwg" is served by the ".dxf" beside it.
    std::filesystem::copy_file(std::string(QUANT_FIXTURES_DIR) + "/dxf/simbolo_r2018.dxf", dir.File("CAIXA.dxf"));
    EntityPtr box = ms.InsertBlock({7, 8, 0}, dir.File("CAIXA.dwg"), 1, 1, 1, 0);
    EXPECT_EQ(box->EntityType(), "INSERT");
    ASSERT_NE(drawing->FindBlock("CAIXA"), nullptr);
    EXPECT_FALSE(drawing->FindBlock("CAIXA")->entities.empty());
    EXPECT_THROW(ms.InsertBlock({0, 0, 0}, dir.File("SUMIDO.dwg"), 1, 1, 1, 0), CadError);
    EXPECT_THROW(ms.InsertBlock({0, 0, 0}, "SUMIDO", 1, 1, 1, 0), CadError);
    drawing->Unsubscribe(token);
    EXPECT_EQ(added.size(), 4u);

    // What was added is in the saved file.
    workspace->Save();
    workspace->Open(path);
    app = workspace->Application();
    EXPECT_EQ(Handles(Select({{0, "INSERT"}, {2, "CAIXA"}})).size(), 2u);
}

TEST_F(DrawingWorkspaceTest, AddingADocumentOpensAnEmptyDrawing) {
    Document& old = app->ActiveDocument();
    std::vector<std::string> shown;  // what the drawing window is told to show
    workspace->Subscribe([&](const std::shared_ptr<dxf::DxfDrawing>& d) { shown.push_back(d ? d->Name() : "-"); });
    app->AddDocument();
    EXPECT_EQ(shown, std::vector<std::string>{"Desenho1.dxf"});
    EXPECT_THROW(old.Name(), CadError);
    Document& doc = app->ActiveDocument();
    EXPECT_EQ(doc.Name(), "Desenho1.dxf");
    doc.Model().AddLine({0, 0, 0}, {1, 1, 0});
    EXPECT_THROW(workspace->Save(), DrawingError);  // no file yet
    workspace->SaveAs(dir.File("novo.dxf"));
    EXPECT_EQ(app->ActiveDocument().Name(), "novo.dxf");
    std::vector<int> audit = dxftest::EzdxfAudit({dir.File("novo.dxf")});
    if (!audit.empty()) {
        EXPECT_EQ(audit[0], 0);
    }
}

}  // namespace
}  // namespace engine::cad
