#pragma once
// What the batch runner's tests share: they start the real quantitativos-lote through
// the shell, as a user or the suite would, and read back what it wrote.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace batchtest {

namespace fs = std::filesystem;

// The small hand-made project of the fixtures.
inline const std::string kProject = QUANT_FIXTURES_DIR "/projeto";
inline const std::string kAlignment = kProject + "/Estrada-Teste.alg";
inline const std::string kSuite = kProject + "/telmira";

// The whole file as bytes; empty when it cannot be read.
inline std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// One word for /bin/sh, whatever quotes or spaces it holds.
inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

using Table = std::vector<std::vector<std::string>>;

// The lines of a grid file, each split at its TABs.
inline Table SplitTsv(const std::string& text) {
    Table rows;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        rows.push_back(cells);
    }
    return rows;
}

// A fresh, empty folder named after the running test; the caller removes it.
inline fs::path FreshTestDir(const std::string& prefix) {
    const fs::path dir = fs::temp_directory_path() /
                         (prefix + std::to_string(::getpid()) + "-" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

struct RunResult {
    int code = -1;
    std::string out, err;
};

// The batch executable with `args`, started from the folder `from` (the current one when
// empty); its output and errors go through out.txt and err.txt in `dir`.
inline RunResult RunBatch(const std::vector<std::string>& args, const fs::path& dir, const fs::path& from = {}) {
    std::string cmd;
    // Appended piece by piece: GCC 12 falsely warns (-Wrestrict) on a short literal + string.
    if (!from.empty()) cmd.append("cd ").append(ShellQuote(from.string())).append(" && ");
    cmd += ShellQuote(QUANT_BATCH_EXE);
    for (const auto& a : args) cmd.append(" ").append(ShellQuote(a));
    cmd.append(" >").append(ShellQuote((dir / "out.txt").string()));
    cmd.append(" 2>").append(ShellQuote((dir / "err.txt").string()));
    const int status = std::system(cmd.c_str());
    RunResult r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(dir / "out.txt");
    r.err = Slurp(dir / "err.txt");
    return r;
}

}  // namespace batchtest
