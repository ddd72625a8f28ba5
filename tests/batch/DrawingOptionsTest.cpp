// The batch runner's drawing options: --desenho opens a drawing as the CAD
// application's, --salvar-desenho saves it after the run, --perfil answers the profile
// data dialog; what cannot be used is refused with a Portuguese message.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "batch/BatchHarness.h"
#include "engine/cad/dxf/DxfDrawing.h"
#include "engine/text/AtomicFile.h"

namespace fs = std::filesystem;

namespace {

using batchtest::kAlignment;
using batchtest::kSuite;
using Result = batchtest::RunResult;

const std::string kDrawing = QUANT_FIXTURES_DIR "/desenho/janela.dxf";

class DrawingOptions : public ::testing::Test {
protected:
    void SetUp() override { dir_ = batchtest::FreshTestDir("quant-desenho-"); }
    void TearDown() override { fs::remove_all(dir_); }

    // The runner on the fixture project with the given options.
    Result Run(const std::vector<std::string>& options) {
        std::vector<std::string> args = {kAlignment, "--suite", kSuite};
        args.insert(args.end(), options.begin(), options.end());
        return batchtest::RunBatch(args, dir_);
    }

    fs::path dir_;
};

std::size_t LiveEntities(const engine::dxf::DxfDrawing& d) {
    std::size_t n = 0;
    for (const auto& e : d.Entities()) n += e.deleted ? 0 : 1;
    return n;
}

}  // namespace

TEST_F(DrawingOptions, OpenedDrawingIsSavedAndOpensAgain) {
    const fs::path saved = dir_ / "salvo.dxf";
    Result r = Run({"--run", "nota", "--desenho", kDrawing, "--salvar-desenho", saved.string(), "--perfil",
                    "10, 812.35 ,0"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto original = engine::dxf::DxfDrawing::Open(kDrawing);
    auto reopened = engine::dxf::DxfDrawing::Open(saved.string());
    EXPECT_EQ(LiveEntities(*reopened), LiveEntities(*original));
    EXPECT_EQ(reopened->Layers().size(), original->Layers().size());

    // Saving over the drawing it came from is allowed too.
    const fs::path copy = dir_ / "mesmo.dxf";
    fs::copy_file(kDrawing, copy);
    r = Run({"--desenho", copy.string(), "--salvar-desenho", copy.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(LiveEntities(*engine::dxf::DxfDrawing::Open(copy.string())), LiveEntities(*original));
}

// What the command line names and cannot be used stops the run before it starts (2).
TEST_F(DrawingOptions, UnusableDrawingsAndProfilesExitWithTwo) {
    const fs::path binary = dir_ / "binario.dxf";
    std::ofstream(binary, std::ios::binary).write("AutoCAD Binary DXF\r\n\x1a\0\0\0\0", 26);
    const fs::path dwg = dir_ / "planta.dwg";
    std::ofstream(dwg, std::ios::binary).write("AC1018\0\0\0\0\0\0\0", 13);
    const fs::path saved = dir_ / "nao-deve-existir.dxf";

    struct Case {
        std::vector<std::string> options;
        const char* message;
    };
    const Case cases[] = {
        {{"--desenho", binary.string(), "--salvar-desenho", saved.string()}, "binário"},
        {{"--desenho", dwg.string()}, "DWG"},
        {{"--desenho", (dir_ / "sumiu.dxf").string()}, "O desenho"},
        {{"--salvar-desenho", saved.string()}, "--salvar-desenho precisa de um desenho aberto com --desenho"},
        {{"--perfil", "10,812.35"}, "três números separados por vírgula"},
        {{"--perfil", "10,812.35,0,5"}, "três números separados por vírgula"},
        {{"--perfil", "10,812,35,0"}, "três números separados por vírgula"},
        {{"--perfil", "dez,812.35,0"}, "a deformação vertical \"dez\" não é um número"},
        {{"--perfil", "10,,0"}, "a cota inicial \"\" não é um número"},
        {{"--perfil", "10,812.35,0+20"}, "a progressiva inicial \"0+20\" não é um número"},
    };
    for (const Case& c : cases) {
        Result r = Run(c.options);
        EXPECT_EQ(r.code, 2) << c.message << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(saved));
}

// A drawing that cannot be saved fails the run (1), names the file, and leaves what
// was there.
TEST_F(DrawingOptions, FailedSaveExitsWithOneAndKeepsTheEarlierFile) {
    Result r = Run({"--desenho", kDrawing, "--salvar-desenho", (dir_ / "nao" / "ha.dxf").string()});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_NE(r.err.find("ha.dxf"), std::string::npos) << r.err;

    // A folder where the drawing should go: not replaced.
    const fs::path folder = dir_ / "pasta.dxf";
    fs::create_directories(folder);
    std::ofstream(folder / "dentro.txt") << "fica\n";
    r = Run({"--desenho", kDrawing, "--salvar-desenho", folder.string()});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(engine::ReadWholeFile((folder / "dentro.txt").string()), "fica\n");

    // A folder the user may not write to: the earlier drawing stays as it was.
    const fs::path locked = dir_ / "protegida";
    fs::create_directories(locked);
    const fs::path earlier = locked / "anterior.dxf";
    std::ofstream(earlier) << "o que havia\n";
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(locked.c_str(), W_OK) != 0) {  // root writes anyway
        r = Run({"--desenho", kDrawing, "--salvar-desenho", earlier.string()});
        EXPECT_EQ(r.code, 1) << r.err;
        EXPECT_NE(r.err.find("anterior.dxf"), std::string::npos) << r.err;
    }
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(engine::ReadWholeFile(earlier.string()), "o que havia\n");
}
