// The batch runner driven as a user drives it: the real executable on the small
// hand-made project of the fixtures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/BatchHarness.h"

namespace fs = std::filesystem;

namespace {

using batchtest::kAlignment;
using batchtest::kProject;
using batchtest::kSuite;
using batchtest::Slurp;
using Result = batchtest::RunResult;

class BatchRunner : public ::testing::Test {
protected:
    void SetUp() override { dir_ = batchtest::FreshTestDir("quant-lote-"); }
    void TearDown() override { fs::remove_all(dir_); }

    Result Run(const std::vector<std::string>& args) { return batchtest::RunBatch(args, dir_); }

    // Lines of a grid file, each split at its TABs; fails on CR or a missing final LF.
    std::vector<std::vector<std::string>> Tsv(const std::string& name) {
        std::string text = Slurp(dir_ / "grades" / name);
        EXPECT_EQ(text.find('\r'), std::string::npos) << name;
        EXPECT_TRUE(!text.empty() && text.back() == '\n') << name;
        return batchtest::SplitTsv(text);
    }

    fs::path dir_;
};

}  // namespace

TEST_F(BatchRunner, CommandLineMistakesExitWithTwo) {
    Result help = Run({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* option : {"--suite", "--run", "--grids", "nota", "Códigos de saída"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{kAlignment, "--inexistente"}, "Opção desconhecida: --inexistente"},
        {{kProject + "/nada.alg", "--suite", kSuite}, "não existe"},
        {{kAlignment, "--suite", kSuite, "--run", "nota,voar"}, "Cálculo desconhecido em --run: voar"},
        {{}, "Informe o arquivo de alinhamento"},
    };
    for (const Case& c : cases) {
        Result r = Run(c.args);
        EXPECT_EQ(r.code, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST_F(BatchRunner, ServiceNoteWritesEveryGridAsUtf8Tsv) {
    Result r = Run({kAlignment, "--suite", kSuite, "--run", "nota", "--grids", (dir_ / "grades").string()});
    ASSERT_EQ(r.code, 0) << r.err;

    auto sgnt = Tsv("sgnt.tsv");
    ASSERT_EQ(sgnt.size(), 7u) << "title row and six stations";
    for (const auto& row : sgnt) EXPECT_EQ(row.size(), 24u) << "hidden platform columns included";
    EXPECT_EQ(sgnt[0][0], "Estaca");
    EXPECT_EQ(sgnt[0][21], "Offset D (CE)");
    EXPECT_EQ(sgnt[1][7], "1.250");
    EXPECT_EQ(sgnt[1][22], "-3.500");
    EXPECT_EQ(sgnt[4][1], "Obra de Arte");

    auto vol = Tsv("volgrid.tsv");
    ASSERT_EQ(vol.size(), 7u);
    EXPECT_EQ(vol[0].size(), 35u) << "32 fixed columns and the three of VOLD";
    EXPECT_EQ(vol[0][16], "Semi Distância");
    EXPECT_EQ(vol[0][34], "Vol. Revest.");
    EXPECT_EQ(vol[6][16], "") << "a \"*\" field is an empty cell";

    auto est = Tsv("estgrid.tsv");
    ASSERT_EQ(est.size(), 7u);
    EXPECT_EQ(est[0].size(), 21u);
    EXPECT_EQ(est[6][3], "100.000");

    std::string fields = Slurp(dir_ / "grades" / "campos.tsv");
    EXPECT_NE(fields.find("Edit8\tMunicípio de São João\n"), std::string::npos);
    EXPECT_NE(fields.find("Edit9\tMicrobacia do Córrego Fundo\n"), std::string::npos);
    EXPECT_NE(fields.find("edit11\t0.100\n"), std::string::npos);
}

TEST_F(BatchRunner, RefusedProjectAndErrorsWhileLoadingExitWithOne) {
    // A file that is no alignment file: the error box goes to standard error.
    std::ofstream(dir_ / "velho.alg") << "Alinhamento Vers\xE3o 1.5\r\n";
    Result refused = Run({(dir_ / "velho.alg").string(), "--suite", kSuite, "--run", "nota"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("Arquivo Inválido"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("é inválido ou de versão anterior."), std::string::npos) << refused.err;

    // No settings file: the error names it, the steps do not run, the grids read so far are written.
    fs::create_directories(dir_ / "vazia");
    Result failed = Run({kAlignment, "--suite", (dir_ / "vazia").string(), "--run", "nota", "--grids",
                         (dir_ / "grades").string()});
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("ERRO: "), std::string::npos) << failed.err;
    EXPECT_NE(failed.err.find("dorvan.ini"), std::string::npos) << failed.err;
    EXPECT_EQ(Tsv("volgrid.tsv").size(), 7u);
    EXPECT_EQ(Tsv("sgnt.tsv").size(), 5u) << "the service note did not run";
}

// Every step that needs the service note refuses to run before it, with the message
// of the main window. Only steps the runner lists in its help can be tried.
TEST_F(BatchRunner, StepBeforeTheServiceNoteFailsItsSequenceCheck) {
    std::string help = Run({"--help"}).out;
    std::vector<std::string> steps;
    std::size_t from = help.find("--run"), to = help.find("--grids");
    std::stringstream lines(help.substr(from, to - from));
    for (std::string line; std::getline(lines, line);) {
        std::size_t paren = line.find(" (");
        std::size_t start = line.find_first_not_of(' ');
        if (line.rfind("  --", 0) == 0 || paren == std::string::npos || start == std::string::npos) continue;
        std::stringstream names(line.substr(start, paren - start));
        for (std::string name; std::getline(names, name, ',');) steps.push_back(name);
    }
    int checked = 0;
    for (const auto& step : steps) {
        if (step == "nota") continue;
        Result r = Run({kAlignment, "--suite", kSuite, "--run", step});
        if (r.err.find("Erro de seqüência...") == std::string::npos) continue;
        ++checked;
        EXPECT_EQ(r.code, 1) << step;
        EXPECT_NE(r.err.find("É necessário calcular"), std::string::npos) << step << ": " << r.err;
    }
    if (checked == 0) GTEST_SKIP() << "nenhuma etapa com verificação de seqüência disponível no executável";
}
