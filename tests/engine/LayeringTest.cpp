#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

// The engine must build and run without Qt: the batch runner and the tests drive it alone.
TEST(Layering, EngineIncludesNoQt) {
    namespace fs = std::filesystem;
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)[^>"]*[>"])");
    std::vector<std::string> offenders;
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(QUANT_SOURCE_DIR) / "src" / "engine")) {
        if (!e.is_regular_file()) continue;
        ++files;
        std::ifstream in(e.path());
        std::string line;
        int n = 0;
        while (std::getline(in, line)) {
            ++n;
            if (std::regex_search(line, qtInclude)) offenders.push_back(e.path().string() + ":" + std::to_string(n));
        }
    }
    EXPECT_GT(files, 5);
    EXPECT_TRUE(offenders.empty()) << offenders.front();
}
