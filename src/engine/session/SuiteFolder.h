#pragma once
#include <string>

namespace engine {

// The suite folder: the one given (--suite), else $TELMIRA_HOME, else ~/telmira.
std::string ResolveSuiteDir(const std::string& given = {});

}  // namespace engine
