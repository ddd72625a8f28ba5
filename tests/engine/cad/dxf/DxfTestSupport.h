#pragma once
// Helpers of the drawing-store tests: drawings written inline, an independent reading of
// a DXF file as records of group-code/value pairs, the ezdxf audit, and temporary folders.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace dxftest {

// A drawing from "code|value|code|value..." (one field per line).
inline std::string Dxf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '|' ? '\n' : c;
    return out + "\n";
}

using Pair = std::pair<int, std::string>;
struct Record {
    int line = 0;  // line of its group 0
    std::vector<Pair> pairs;
};

// Splits the bytes into records (a group 0 and what follows it), plainly: two lines a
// pair, the code trimmed, the value without its carriage return.
inline std::vector<Record> Records(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t nl = bytes.find('\n', pos);
        std::string line = bytes.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        pos = nl == std::string::npos ? bytes.size() : nl + 1;
    }
    std::vector<Record> records;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        std::string code = lines[i];
        code.erase(0, code.find_first_not_of(" \t"));
        int c = std::atoi(code.c_str());
        if (c == 0 || records.empty()) records.push_back({static_cast<int>(i + 1), {}});
        records.back().pairs.emplace_back(c, lines[i + 1]);
        if (c == 0 && lines[i + 1] == "EOF") break;
    }
    return records;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// Audits the files with ezdxf, one status per file: 0 clean, 1 audit errors, 2
// unreadable; with what went wrong in `reports`. Empty when /usr/bin/python3 or ezdxf
// is missing.
inline std::vector<int> EzdxfAudit(const std::vector<std::string>& paths, std::vector<std::string>* reports = nullptr) {
    if (!std::filesystem::exists("/usr/bin/python3")) return {};
    std::string command =
        "/usr/bin/python3 '" + std::string(QUANT_SOURCE_DIR) + "/tests/engine/cad/dxf/ezdxf_audit.py'";
    for (const std::string& p : paths) command += " '" + p + "'";
    std::string output;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        int status = pclose(pipe);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    }
    std::vector<int> statuses;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        statuses.push_back(std::atoi(line.c_str()));
        if (reports) reports->push_back(line.size() > 2 ? line.substr(2) : "");
    }
    if (statuses.size() != paths.size()) return {};
    return statuses;
}

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dxf-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace dxftest
