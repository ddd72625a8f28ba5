#include <gtest/gtest.h>

#include "engine/session/RecordingInteraction.h"
#include "engine/session/Sequence.h"

using namespace engine;

namespace {

void SetStations(Session& s, int stations) { s.project.volgrid.SetRowCount(stations + 1); }

void ComputeAll(Session& s) {
    int rows = s.project.volgrid.RowCount();
    for (Grid* g : {&s.nota.sgnt, &s.crown.sgab, &s.clearing.sglimp, &s.bumps.sglomb, &s.drainage.sgdren})
        g->SetRowCount(rows);
}

struct ButtonCase {
    const char* button;
    const char* expected;  // nullptr: passes
};

// Every button against three states: nothing computed, quantities computed, budget computed.
TEST(Sequence, EveryButtonShowsItsMessage) {
    const ButtonCase fresh[] = {
        {"Button10", nullptr},          {"Button12", nullptr},          {"Button11", kNeedServiceNote},
        {"Button4", kNeedServiceNote},  {"Button6", kNeedServiceNote},  {"Button1", kNeedServiceNote},
        {"Button3", kNeedServiceNote},  {"Button19", kNeedServiceNote}, {"Button7", kNeedServiceNote},
        {"Button8", kNeedServiceNote},  {"Button9", kNeedServiceNote},  {"Button15", kNeedQuantitiesForBudget},
        {"Button16", kNeedQuantitiesForPrint}, {"Button17", kNeedQuantitiesForPrint},
        {"Button18", nullptr},          {"Button2", nullptr},           {"Button13", nullptr},
        {"Button14", nullptr},          {"Button20", nullptr},          {"Button21", nullptr}};
    Session s;
    SetStations(s, 20);
    for (const auto& c : fresh) {
        RecordingInteraction ui;
        bool ok = CheckSequence(s, StepOfButton(c.button), ui);
        EXPECT_EQ(ok, c.expected == nullptr) << c.button;
        if (c.expected) {
            ASSERT_EQ(ui.calls.size(), 1u) << c.button;
            EXPECT_EQ(ui.calls[0].caption, "Erro de seqüência...");
            EXPECT_EQ(ui.calls[0].text, c.expected);
            EXPECT_EQ(ui.calls[0].icon, MessageIcon::None);
            EXPECT_FALSE(ui.calls[0].owned);
        } else {
            EXPECT_TRUE(ui.calls.empty()) << c.button;
        }
    }

    ComputeAll(s);
    EXPECT_EQ(SequenceFailure(s, StepOfButton("Button15")), std::nullopt);
    EXPECT_EQ(SequenceFailure(s, StepOfButton("Button16")), std::string(kNeedBudget));
    EXPECT_EQ(SequenceFailure(s, StepOfButton("Button17")), std::string(kNeedBudget));
    s.budget.Label40 = "  1234.56 ";
    EXPECT_EQ(SequenceFailure(s, StepOfButton("Button16")), std::nullopt);
    s.crown.sgab.SetRowCount(3);  // one calculator out of step is enough
    EXPECT_EQ(SequenceFailure(s, StepOfButton("Button17")), std::string(kNeedQuantitiesForPrint));
}

TEST(Sequence, FourStationProjectPassesTheServiceNoteCheckAtOnce) {
    // The state is a row-count comparison and every grid starts with 5 rows.
    for (int stations : {3, 4, 5}) {
        Session s;
        SetStations(s, stations);
        EXPECT_EQ(ServiceNoteComputed(s), stations == 4) << stations;
    }
}

TEST(Sequence, WithoutAProjectNothingButTheFreeButtonsRun) {
    Session s;  // design-time counts: everything equals 5
    EXPECT_TRUE(ServiceNoteComputed(s));
    EXPECT_TRUE(AllQuantitiesComputed(s));
    EXPECT_FALSE(BudgetComputed(s));
}

}  // namespace
