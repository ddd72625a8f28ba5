#include "engine/session/Sequence.h"

#include <map>

#include "engine/text/NumberText.h"

namespace engine {

bool ServiceNoteComputed(const Session& s) {
    return s.nota.sgnt.RowCount() == s.project.volgrid.RowCount();
}

bool AllQuantitiesComputed(const Session& s) {
    const int rows = s.project.volgrid.RowCount();
    return s.nota.sgnt.RowCount() == rows && s.crown.sgab.RowCount() == rows &&
           s.clearing.sglimp.RowCount() == rows && s.bumps.sglomb.RowCount() == rows &&
           s.drainage.sgdren.RowCount() == rows;
}

bool BudgetComputed(const Session& s) { return !Trim(s.budget.Label40).empty(); }

std::optional<std::string> SequenceFailure(const Session& s, SequenceStep step) {
    switch (step) {
        case SequenceStep::None:
            return std::nullopt;
        case SequenceStep::ServiceNote:
            if (!ServiceNoteComputed(s)) return kNeedServiceNote;
            return std::nullopt;
        case SequenceStep::QuantitiesForBudget:
            if (!AllQuantitiesComputed(s)) return kNeedQuantitiesForBudget;
            return std::nullopt;
        case SequenceStep::QuantitiesThenBudget:
            if (!AllQuantitiesComputed(s)) return kNeedQuantitiesForPrint;
            if (!BudgetComputed(s)) return kNeedBudget;
            return std::nullopt;
    }
    return std::nullopt;
}

bool CheckSequence(const Session& s, SequenceStep step, Interaction& ui) {
    if (auto msg = SequenceFailure(s, step)) {
        ui.ShowMessage(kSequenceCaption, *msg, MessageIcon::None, false);
        return false;
    }
    return true;
}

SequenceStep StepOfButton(const std::string& button) {
    static const std::map<std::string, SequenceStep> kSteps = {
        {"Button10", SequenceStep::None},        {"Button11", SequenceStep::ServiceNote},
        {"Button12", SequenceStep::None},        {"Button4", SequenceStep::ServiceNote},
        {"Button6", SequenceStep::ServiceNote},  {"Button1", SequenceStep::ServiceNote},
        {"Button3", SequenceStep::ServiceNote},  {"Button19", SequenceStep::ServiceNote},
        {"Button7", SequenceStep::ServiceNote},  {"Button8", SequenceStep::ServiceNote},
        {"Button9", SequenceStep::ServiceNote},  {"Button15", SequenceStep::QuantitiesForBudget},
        {"Button16", SequenceStep::QuantitiesThenBudget}, {"Button17", SequenceStep::QuantitiesThenBudget},
    };
    auto it = kSteps.find(button);
    return it == kSteps.end() ? SequenceStep::None : it->second;
}

}  // namespace engine
