// The bundled sample project through the batch runner, started as the suite starts
// it (relative alignment path from the source folder): the staking table, the station
// grid, the earthwork grid and the header boxes must agree with the figures the sample
// generator (tools/gerar_amostra.py) wrote beside the project from its own geometry.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "batch/BatchHarness.h"

namespace fs = std::filesystem;

namespace {

using batchtest::Table;

const fs::path kSource = QUANT_SOURCE_DIR;

using batchtest::ShellQuote;
using batchtest::Slurp;

Table ReadTsv(const fs::path& p) { return batchtest::SplitTsv(Slurp(p)); }

std::string CellOf(const Table& t, std::size_t row, std::size_t col) {
    return row < t.size() && col < t[row].size() ? t[row][col] : std::string();
}

// Compares the cells of `got` with `want` over the rows from firstRow and the columns
// 0 .. cols - 1 and reports the first mismatches by station and column title.
void ExpectSameCells(const Table& got, const Table& want, std::size_t firstRow, std::size_t cols,
                     const std::string& what) {
    ASSERT_EQ(got.size(), want.size()) << what << ": número de linhas";
    int mismatches = 0;
    std::string report;
    for (std::size_t r = firstRow; r < want.size(); ++r)
        for (std::size_t c = 0; c < cols; ++c) {
            const std::string g = CellOf(got, r, c), w = CellOf(want, r, c);
            if (g == w) continue;
            if (++mismatches <= 12)
                report += "\n  estaca " + CellOf(want, r, 0) + ", coluna " + std::to_string(c) + " (" +
                          CellOf(want, 0, c) + "): obtido \"" + g + "\", esperado \"" + w + "\"";
        }
    EXPECT_EQ(mismatches, 0) << what << report;
}

struct BatchRun {
    int code = -1;
    std::string err;
    fs::path grids;
};

// quantitativos-lote PROJECT/Estrada-Amostra.alg --suite sample/telmira --run nota --grids DIR,
// from the source folder.
BatchRun RunServiceNote(const std::string& projectDir, const fs::path& work) {
    BatchRun r;
    r.grids = work / "grades";
    const batchtest::RunResult run = batchtest::RunBatch(
        {projectDir + "/Estrada-Amostra.alg", "--suite", "sample/telmira", "--run", "nota", "--grids", r.grids.string()},
        work, kSource);
    r.code = run.code;
    r.err = run.err;
    return r;
}

class SampleProject : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        work_ = new fs::path(fs::temp_directory_path() / ("quant-amostra-" + std::to_string(::getpid())));
        fs::remove_all(*work_);
        fs::create_directories(*work_ / "v3");
        fs::create_directories(*work_ / "v2");
        v3_ = new BatchRun(RunServiceNote("sample/projeto", *work_ / "v3"));
        v2_ = new BatchRun(RunServiceNote("sample/projeto-v2", *work_ / "v2"));
    }
    static void TearDownTestSuite() {
        fs::remove_all(*work_);
        delete v3_;
        delete v2_;
        delete work_;
    }
    void SetUp() override {
        ASSERT_EQ(v3_->code, 0) << v3_->err;
        ASSERT_EQ(v2_->code, 0) << v2_->err;
        EXPECT_EQ(v3_->err, "");
    }

    static Table Grid(const BatchRun& run, const std::string& name) { return ReadTsv(run.grids / (name + ".tsv")); }
    static Table Expected(const std::string& projectDir, const std::string& name) {
        return ReadTsv(kSource / projectDir / "esperado" / (name + ".tsv"));
    }

    static fs::path* work_;
    static BatchRun* v3_;
    static BatchRun* v2_;
};

fs::path* SampleProject::work_ = nullptr;
BatchRun* SampleProject::v3_ = nullptr;
BatchRun* SampleProject::v2_ = nullptr;

// Every cell of the staking table: offsets and edges (the -8/8 marks, the -5/5
// fallback, doubled codes), plan coordinates, axis elevations and CV, the hidden
// platform edges, and the structure rows that carry only "Obra de Arte".
TEST_F(SampleProject, ServiceNoteAgreesWithTheGeneratorsGeometry) {
    const Table sgnt = Grid(*v3_, "sgnt");
    const Table want = Expected("sample/projeto", "nota");
    ASSERT_EQ(want.size(), 127u);  // titles and 126 stations
    EXPECT_EQ(sgnt.size(), Grid(*v3_, "volgrid").size()) << "a nota de serviço deve contar como calculada";
    ExpectSameCells(sgnt, want, 0, 24, "sgnt");
}

TEST_F(SampleProject, StationAndVolumeGridsHoldTheFileTexts) {
    ExpectSameCells(Grid(*v3_, "estgrid"), Expected("sample/projeto", "estacoes"), 1, 21, "estgrid");
    const Table volgrid = Grid(*v3_, "volgrid");
    const Table want = Expected("sample/projeto", "volumes");
    ASSERT_EQ(want[0].size(), 35u);
    // Titles (fixed and additional), "*" fields as empty cells, the surfacing volume
    // in column 34.
    ExpectSameCells(volgrid, want, 0, 35, "volgrid");
}

TEST_F(SampleProject, HeaderBoxesKeepTheAccentedLinesAndTheExtension) {
    std::map<std::string, std::string> got;
    for (const auto& row : Grid(*v3_, "campos"))
        if (row.size() == 2) got[row[0]] = row[1];
    const Table want = Expected("sample/projeto", "campos");
    ASSERT_EQ(want.size(), 4u);
    for (const auto& row : want) EXPECT_EQ(got[row[0]], row[1]) << row[0];
}

// The version 2 file of the same road: 21 volume columns, the additional ones from
// column 18; the cross sections are the same, so is the staking table.
TEST_F(SampleProject, VersionTwoFileGivesTheSameNoteAndItsOwnVolumeLayout) {
    const Table volgrid = Grid(*v2_, "volgrid");
    const Table want = Expected("sample/projeto-v2", "volumes");
    ASSERT_EQ(want[0].size(), 21u);
    ExpectSameCells(volgrid, want, 0, 21, "volgrid v2");
    ExpectSameCells(Grid(*v2_, "sgnt"), Expected("sample/projeto", "nota"), 0, 24, "sgnt v2");
}

// The committed sample is what the generator writes today: run it again into a
// scratch folder and compare every suite file and expected figure byte for byte.
// The drawings are left out of the comparison (their bytes follow the ezdxf version).
TEST(SampleGenerator, RewritesTheCommittedSampleByteForByte) {
    if (!fs::exists("/usr/bin/python3")) GTEST_SKIP() << "sem /usr/bin/python3";
    const fs::path out = fs::temp_directory_path() / ("quant-gerador-" + std::to_string(::getpid()));
    fs::remove_all(out);
    const std::string cmd = "/usr/bin/python3 " + ShellQuote((kSource / "tools" / "gerar_amostra.py").string()) +
                            " --saida " + ShellQuote(out.string()) + " >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    const fs::path sample = kSource / "sample";
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(out)) {
        if (!entry.is_regular_file() || entry.path().extension() == ".dxf") continue;
        const fs::path rel = fs::relative(entry.path(), out);
        EXPECT_TRUE(Slurp(entry.path()) == Slurp(sample / rel)) << rel << " difere do gerado";
        ++compared;
    }
    EXPECT_GE(compared, 15);
    fs::remove_all(out);
}

}  // namespace
