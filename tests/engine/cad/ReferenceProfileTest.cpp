#include <gtest/gtest.h>

#include "FakeCad.h"
#include "engine/cad/ProfileBinding.h"
#include "engine/cad/ReferenceProfile.h"

using namespace fakecad;

namespace {

const std::string kProject = "/home/projetos/estrada-01.est";

// The profile polyline of the drawing: first vertex at (1000, 500).
const std::vector<double> kProfileXY{1000, 500, 1020, 503, 1040, 498};

GroupList Tag(const std::string& identity, const std::string& ve, const std::string& z0, const std::string& p) {
    return {{1001, kProfileApplication}, {1000, identity}, {1000, ve}, {1000, z0}, {1000, p}};
}

struct ProfileRig : Rig {
    ProjectModel project;
    ProfileRig() {
        project.AlignmentFileName = kProject;
        project.estgrid.SetRowCount(3);
        project.estgrid.SetCell(3, 1, "120.00");  // chainage of the first station
        project.estgrid.SetCell(6, 1, "812.35");  // ground elevation at its axis
        project.estgrid.SetCell(3, 2, "140.00");
        project.estgrid.SetCell(6, 2, "813.10");
    }
    FakeEntityPtr Profile(const GroupList& tag = {}) {
        auto e = dwg().AddPolyline("PERFIL", kProfileXY);
        if (!tag.empty()) e->xdata[kProfileApplication] = tag;
        return e;
    }
    bool Bind() { return BindReferenceProfile(bridge, project); }
    const ReferenceProfile& Bound() const { return bridge.Profile; }
};

void ExpectProfile(const ReferenceProfile& p, const std::string& ve, const std::string& z0, const std::string& chainage) {
    EXPECT_EQ(p.X0, 1000.0L);
    EXPECT_EQ(p.Y0, 500.0L);
    EXPECT_EQ(p.ExaggerationText, ve);
    EXPECT_EQ(p.InitialElevationText, z0);
    EXPECT_EQ(p.InitialChainageText, chainage);
}

// ---- The mapping ----------------------------------------------------------------------

TEST(ProfilePoint, MapsChainageAndElevationToTheDrawing) {
    ReferenceProfile p;
    p.X0 = 100;
    p.Y0 = 50;
    p.InitialChainageText = "0";
    p.InitialElevationText = "80";
    p.ExaggerationText = "10";
    MarkPoint m = ProfilePoint(p, 12, 81.5L);
    EXPECT_DOUBLE_EQ(double(m.X), 112);
    EXPECT_DOUBLE_EQ(double(m.Y), 65);
    p.InitialChainageText = "10";
    EXPECT_DOUBLE_EQ(double(ProfilePoint(p, 12, 81.5L).X), 102);
    p.InitialElevationText = " 79.5 ";  // blanks around a number pass
    EXPECT_DOUBLE_EQ(double(ProfilePoint(p, 12, 81.5L).Y), 70);
}

TEST(ProfilePoint, ATextThatIsNoNumberNamesItself) {
    for (auto [field, text] : {std::pair{"deformação vertical", "dez"}, std::pair{"cota inicial", ""},
                               std::pair{"progressiva inicial", "0,5"}}) {
        ReferenceProfile p;
        p.ExaggerationText = "10";
        p.InitialElevationText = "80";
        p.InitialChainageText = "0";
        std::string f = field;
        if (f == "deformação vertical") p.ExaggerationText = text;
        if (f == "cota inicial") p.InitialElevationText = text;
        if (f == "progressiva inicial") p.InitialChainageText = text;
        try {
            ProfilePoint(p, 1, 1);
            ADD_FAILURE() << field;
        } catch (const ConversionError& e) {
            std::string what = e.what();
            EXPECT_NE(what.find(field), std::string::npos) << what;
            EXPECT_NE(what.find("'" + std::string(text) + "'"), std::string::npos) << what;
        }
    }
}

// ---- A tagged polyline in the drawing -------------------------------------------------

TEST(BindReferenceProfile, ATaggedPolylineBindsWithoutQuestionsWhateverItsProject) {
    for (const std::string& identity : {kProject, std::string("/outro/projeto.est"), std::string()}) {
        SCOPED_TRACE(identity);
        ProfileRig rig;
        rig.dwg().AddPolyline("PERFIL", {0, 0, 1, 1});  // an untagged polyline is ignored
        rig.Profile(Tag(identity, "10", "800", "0"));
        ASSERT_TRUE(rig.Bind());
        ExpectProfile(rig.Bound(), "10", "800", "0");
        EXPECT_TRUE(rig.ui.calls.empty());
        EXPECT_FALSE(rig.script().Logged("SelectOnScreen TEMP"));
        EXPECT_FALSE(rig.script().Logged("SetXData"));
    }
}

TEST(BindReferenceProfile, ATagWithAnEmptyParameterDoesNotBindByItself) {
    ProfileRig rig;
    rig.Profile(Tag(kProject, "10", "", "0"));
    EXPECT_FALSE(rig.Bind());  // nobody picks anything
    EXPECT_TRUE(rig.script().Logged("SelectOnScreen TEMP"));
    EXPECT_TRUE(rig.Bound().ExaggerationText.empty());  // nothing bound
}

TEST(BindReferenceProfile, AFoundTagTooShortIsAnError) {
    ProfileRig rig;
    rig.Profile({{1001, kProfileApplication}, {1000, kProject}, {1000, "10"}});
    EXPECT_THROW(rig.Bind(), CadError);
}

// ---- The user's pick --------------------------------------------------------------------

// The search takes the first tagged entity; when its tag lacks a parameter the user
// picks. These drawings start with such an entity, so every pick below is reached.
struct PickRig : ProfileRig {
    FakeEntityPtr Pick(const GroupList& tag = {}) {
        dwg().AddPolyline("PERFIL", {0, 0, 1, 1})->xdata[kProfileApplication] = Tag("/outro.est", "", "", "");
        auto picked = Profile(tag);
        dwg().picks = {picked};
        return picked;
    }
};

TEST(BindReferenceProfile, PickingAPolylineOfThisProjectAsksNothingAndRewritesNothing) {
    PickRig rig;
    rig.Pick(Tag(kProject, "5", "700.5", "20"));
    ASSERT_TRUE(rig.Bind());
    ExpectProfile(rig.Bound(), "5", "700.5", "20");
    EXPECT_FALSE(rig.script().Logged("SetXData"));
    EXPECT_TRUE(rig.ui.Of("profile").empty());

    // The user was asked to pick, without owner, with the CAD window in front.
    ASSERT_EQ(rig.ui.calls.size(), 1u);
    EXPECT_EQ(rig.ui.calls[0].caption, "Selecionar");
    EXPECT_EQ(rig.ui.calls[0].text, "Selecione o Perfil de Referência.");
    EXPECT_FALSE(rig.ui.calls[0].owned);
    EXPECT_EQ(rig.windows.foreground, 77);
    ASSERT_TRUE(std::holds_alternative<SelectionSetPtr>(rig.bridge.CadObject));
    EXPECT_EQ(std::get<SelectionSetPtr>(rig.bridge.CadObject)->Name(), "TEMP");
}

TEST(BindReferenceProfile, AnUntaggedOrForeignPolylineIsAskedForAndTaggedForThisProject) {
    for (const GroupList& before : {GroupList{}, Tag("/outro/projeto.est", "1", "2", "3")}) {
        PickRig rig;
        auto picked = rig.Pick(before);
        rig.ui.profileAnswers.push_back({"790", "100", "20"});  // elevation, chainage, exaggeration
        ASSERT_TRUE(rig.Bind());

        auto dialogs = rig.ui.Of("profile");
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].text, "812.35|120.00|10");  // first station's elevation and chainage, "10"
        ExpectProfile(rig.Bound(), "20", "790", "100");
        EXPECT_EQ(picked->xdata[kProfileApplication], Tag(kProject, "20", "790", "100"));
        EXPECT_EQ(rig.script().Count("SetXData"), 1);

        // From now on the polyline binds by its tag, without a question.
        rig.dwg().entities.erase(rig.dwg().entities.begin());
        rig.ui.calls.clear();
        ASSERT_TRUE(rig.Bind());
        EXPECT_TRUE(rig.ui.calls.empty());
        ExpectProfile(rig.Bound(), "20", "790", "100");
    }
}

TEST(BindReferenceProfile, ATagOfThisProjectWithAnEmptyParameterIsAskedAgain) {
    PickRig rig;
    auto picked = rig.Pick(Tag(kProject, "", "800", "0"));
    ASSERT_TRUE(rig.Bind());
    EXPECT_EQ(rig.ui.Of("profile").size(), 1u);
    EXPECT_EQ(picked->xdata[kProfileApplication], Tag(kProject, "10", "812.35", "120.00"));
}

TEST(BindReferenceProfile, StoppingEarlyKeepsTheLastProfile) {
    ReferenceProfile last;
    last.X0 = 1;
    last.Y0 = 2;
    last.ExaggerationText = "10";
    last.InitialElevationText = "80";
    last.InitialChainageText = "0";
    auto expectLast = [&](const ReferenceProfile& p) {
        EXPECT_EQ(p.X0, 1.0L);
        EXPECT_EQ(p.ExaggerationText, "10");
        EXPECT_EQ(p.InitialElevationText, "80");
    };
    {
        // Nothing picked.
        PickRig rig;
        rig.bridge.Profile = last;
        rig.Pick();
        rig.dwg().picks.clear();
        EXPECT_FALSE(rig.Bind());
        ASSERT_EQ(rig.ui.calls.size(), 2u);
        EXPECT_EQ(rig.ui.calls[1].text, "Nada selecionado. Processo abortado.");
        expectLast(rig.Bound());
    }
    {
        // No CAD application.
        ProfileRig rig;
        rig.bridge.Profile = last;
        rig.registry.Unregister(kAutoCadIdentifier);
        EXPECT_FALSE(rig.Bind());
        EXPECT_EQ(rig.ui.calls.back().caption, "Erro: AutoCAD não encontrado!!!");
        expectLast(rig.Bound());
    }
    {
        // A picked line has no vertices to take: an error, and the line is not tagged.
        PickRig rig;
        rig.bridge.Profile = last;
        rig.Pick();
        auto line = rig.dwg().AddLineEntity("PERFIL", {0, 0, 0}, {1, 1, 0});
        rig.dwg().picks = {line};
        EXPECT_THROW(rig.Bind(), CadError);
        EXPECT_TRUE(line->xdata.empty());
        EXPECT_TRUE(rig.ui.Of("profile").empty());
        expectLast(rig.Bound());
    }
}

TEST(BindReferenceProfile, ALeftOverTempSetIsTakenWhenItCannotBeReplaced) {
    PickRig rig;
    rig.Pick(Tag(kProject, "5", "700.5", "20"));
    rig.script().failures["Delete TEMP"] = kAlways;  // the search's set stays behind
    ASSERT_TRUE(rig.Bind());
    EXPECT_EQ(rig.script().Count("Add TEMP"), 1);
    EXPECT_EQ(rig.script().Count("Sets.Item TEMP"), 1);
    ExpectProfile(rig.Bound(), "5", "700.5", "20");
}

}  // namespace
