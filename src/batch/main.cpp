// quantitativos-lote: loads a project, runs the calculations asked for and writes
// their grids, without a window.
#include <filesystem>
#include <iostream>
#include <optional>

#include "batch/BatchCad.h"
#include "batch/BatchOptions.h"
#include "batch/BatchSteps.h"
#include "batch/ConsoleInteraction.h"
#include "batch/ProfileOption.h"
#include "engine/Errors.h"
#include "engine/project/ProjectReader.h"
#include "engine/session/Sequence.h"
#include "engine/session/Session.h"
#include "engine/session/SessionExport.h"
#include "engine/session/SuiteFolder.h"

namespace {

constexpr int kExitFailure = 1;  // a failed sequence check or an error in a calculation
constexpr int kExitUsage = 2;    // bad command line or missing file

int Usage(const std::string& message) {
    std::cerr << "quantitativos-lote: " << message << "\n";
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    batch::BatchOptions opt = batch::ParseBatchOptions(args, error);
    if (!error.empty()) return Usage(error);
    if (opt.help) {
        std::cout << batch::kBatchUsage;
        return 0;
    }
    if (opt.alignmentFile.empty()) return Usage("Informe o arquivo de alinhamento. Use --help para ver as opções.");
    if (!std::filesystem::is_regular_file(opt.alignmentFile))
        return Usage("O arquivo de alinhamento " + opt.alignmentFile + " não existe.");
    if (!opt.suiteDir.empty() && !std::filesystem::is_directory(opt.suiteDir))
        return Usage("A pasta do sistema " + opt.suiteDir + " não existe.");
    for (const auto& step : opt.steps)
        if (!batch::FindBatchStep(step)) return Usage("Cálculo desconhecido em --run: " + step + ".");
    std::optional<engine::ProfileDialogTexts> profile;
    if (opt.profile && !(profile = batch::ParseProfileOption(*opt.profile, error))) return Usage(error);
    if (!opt.saveDrawingFile.empty() && opt.drawingFile.empty())
        return Usage("A opção --salvar-desenho precisa de um desenho aberto com --desenho.");
    if (!opt.drawingFile.empty() && !std::filesystem::is_regular_file(opt.drawingFile))
        return Usage("O desenho " + opt.drawingFile + " não existe.");

    engine::Session session;
    session.suiteDir = engine::ResolveSuiteDir(opt.suiteDir);
    session.project.AlignmentFileName = opt.alignmentFile;
    batch::ConsoleInteraction ui;
    ui.profileAnswer = profile;

    // The drawing of --desenho stands in for the CAD application's open drawing.
    batch::BatchCad cad(ui);
    if (!opt.drawingFile.empty()) {
        try {
            cad.OpenDrawing(opt.drawingFile);
        } catch (const engine::EngineError& e) {
            return Usage(e.what());
        }
    }

    int status = 0;
    try {
        // A refused alignment file ends the run, as it ends the desktop program.
        if (engine::LoadProject(session, ui) == engine::LoadOutcome::Rejected) return kExitFailure;
        for (const auto& name : opt.steps) {
            const batch::BatchStep* step = batch::FindBatchStep(name);
            if (!engine::CheckSequence(session, engine::StepOfButton(step->button), ui)) {
                status = kExitFailure;
                break;
            }
            step->run(session, ui);
        }
    } catch (const std::exception& e) {  // engine errors, and anything else a step lets through
        std::cerr << "ERRO: " << e.what() << "\n";
        status = kExitFailure;
    }
    if (ui.errorsShown > 0) status = kExitFailure;

    // What the calculations drew is saved whatever became of them, as the grids are.
    if (!opt.saveDrawingFile.empty()) {
        try {
            cad.SaveDrawingAs(opt.saveDrawingFile);
        } catch (const engine::EngineError& e) {
            std::cerr << "ERRO: " << e.what() << "\n";
            status = kExitFailure;
        }
    }

    if (!opt.gridsDir.empty()) {
        try {
            engine::WriteSessionTsv(session, opt.gridsDir);
        } catch (const engine::EngineError& e) {
            std::cerr << "ERRO: " << e.what() << "\n";
            return kExitFailure;
        }
    }
    return status;
}
