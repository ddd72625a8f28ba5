// Loading a 50 km project (2,500 stations, 60 points per section) and computing its
// service note, against the floor of merely reading the same files line by line.
//
// The project comes from the sample generator (tools/gerar_amostra.py --grande),
// written once into a temporary folder; set QUANT_GRANDE=DIR to reuse one that
// already holds projeto/Estrada-Grande.alg and telmira/.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "engine/calc/ServiceNote.h"
#include "engine/project/ProjectReader.h"
#include "engine/session/RecordingInteraction.h"

namespace fs = std::filesystem;

namespace {

struct LargeProject {
    std::string alignment, sections, suite;
    std::string problem;  // why there is none
    fs::path owned;       // temporary folder to remove at the end
};

LargeProject Generate() {
    LargeProject p;
    fs::path dir;
    if (const char* given = std::getenv("QUANT_GRANDE"); given && *given) {
        dir = given;
    } else {
        const fs::path tool = fs::path(QUANT_SOURCE_DIR) / "tools" / "gerar_amostra.py";
        if (!fs::exists(tool)) {
            p.problem = "gerador " + tool.string() + " não encontrado";
            return p;
        }
        dir = fs::temp_directory_path() / ("quant-bench-grande-" + std::to_string(::getpid()));
        std::string cmd = "/usr/bin/python3 '" + tool.string() + "' --grande '" + dir.string() + "' >/dev/null";
        if (std::system(cmd.c_str()) != 0) {
            p.problem = "o gerador falhou: " + cmd;
            fs::remove_all(dir);
            return p;
        }
        p.owned = dir;
    }
    p.alignment = (dir / "projeto" / "Estrada-Grande.alg").string();
    p.sections = (dir / "projeto" / "Estrada-Grande-Projeto.scc").string();
    p.suite = (dir / "telmira").string();
    if (!fs::exists(p.alignment) || !fs::exists(p.sections)) p.problem = "projeto grande incompleto em " + dir.string();
    return p;
}

LargeProject& Project() {
    static LargeProject p = Generate();
    return p;
}

bool Ready(benchmark::State& state) {
    if (Project().problem.empty()) return true;
    state.SkipWithError(("sem projeto grande: " + Project().problem).c_str());
    return false;
}

void LoadAndServiceNote(benchmark::State& state) {
    if (!Ready(state)) return;
    for (auto _ : state) {
        engine::Session session;
        session.project.AlignmentFileName = Project().alignment;
        session.suiteDir = Project().suite;
        engine::RecordingInteraction ui;
        if (engine::LoadProject(session, ui) != engine::LoadOutcome::Loaded) {
            state.SkipWithError("projeto recusado");
            return;
        }
        engine::ComputeServiceNote(session);
        benchmark::DoNotOptimize(session.nota.sgnt.Cell(7, session.project.SectionCount));
        state.counters["estacas"] = session.project.StationCount;
        state.counters["secoes"] = session.project.SectionCount;
    }
}

// The baseline: every line of both files through std::getline, nothing else.
void ReadLinesOnly(benchmark::State& state) {
    if (!Ready(state)) return;
    for (auto _ : state) {
        std::size_t lines = 0, bytes = 0;
        for (const std::string& path : {Project().alignment, Project().sections}) {
            std::ifstream in(path, std::ios::binary);
            for (std::string line; std::getline(in, line);) {
                ++lines;
                bytes += line.size();
            }
        }
        benchmark::DoNotOptimize(bytes);
        state.counters["linhas"] = static_cast<double>(lines);
    }
}

BENCHMARK(LoadAndServiceNote)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ReadLinesOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!Project().owned.empty()) fs::remove_all(Project().owned);
    return 0;
}
