#pragma once
// The order of work is read from grid row counts, not kept in flags: the service
// note counts as computed when sgnt has as many rows as volgrid, all quantities
// when every result grid has, the budget when the total-per-km caption is not blank.
#include <optional>
#include <string>

#include "engine/session/Interaction.h"
#include "engine/session/Session.h"

namespace engine {

inline constexpr const char* kSequenceCaption = "Erro de seqüência...";
inline constexpr const char* kNeedServiceNote =
    "É necessário calcular a nota de serviço antes de executar esta função";
inline constexpr const char* kNeedQuantitiesForBudget =
    "É necessário calcular todos os quantitativos antes de executar o orçamento ";
inline constexpr const char* kNeedQuantitiesForPrint =
    "É necessário calcular todos os quantitativos antes de imprimir o relatório de orçamento ";
inline constexpr const char* kNeedBudget = "É necessário calcular o orçamento antes de imprimir";

bool ServiceNoteComputed(const Session& s);
bool AllQuantitiesComputed(const Session& s);
bool BudgetComputed(const Session& s);

// What a button handler checks before doing anything else.
enum class SequenceStep {
    None,                  // Button10, Button12, drawing and configuration buttons
    ServiceNote,           // calculators and work-item prints
    QuantitiesForBudget,   // Button15 "Calcular Orçamento"
    QuantitiesThenBudget,  // Button16, Button17: all quantities, then the budget
};

// The message of the first failed check, or nullopt when the step may run.
std::optional<std::string> SequenceFailure(const Session& s, SequenceStep step);

// Makes the check; on failure shows the plain message box (no owner, no icon,
// caption "Erro de seqüência...") and returns false.
bool CheckSequence(const Session& s, SequenceStep step, Interaction& ui);

// The step each button of the main window checks, by component name ("Button11").
SequenceStep StepOfButton(const std::string& button);

}  // namespace engine
