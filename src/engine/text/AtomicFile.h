#pragma once
// Every file the program writes goes through here: the content is written to a
// temporary file beside the target, flushed to disk and then renamed over it, so a
// failed save never destroys the earlier file.
#include <string>
#include <string_view>

namespace engine {

// Raises FileError naming the path when anything fails; the target is then untouched.
void WriteFileAtomically(const std::string& path, std::string_view content);

// Reads a whole file; raises FileError naming the path when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace engine
