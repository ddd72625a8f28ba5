#include "engine/session/SuiteFolder.h"

#include <cstdlib>

namespace engine {

std::string ResolveSuiteDir(const std::string& given) {
    if (!given.empty()) return given;
    if (const char* env = std::getenv("TELMIRA_HOME"); env && *env) return env;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/telmira";
}

}  // namespace engine
