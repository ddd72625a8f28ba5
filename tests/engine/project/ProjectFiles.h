#pragma once
// Writes small project files for reader tests: fixed-column lines built field by
// field (Windows-1252 bytes), an alignment file, its "-Projeto.scc" and a suite
// folder with dorvan.ini, all in a fresh temporary folder.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "engine/text/Encoding.h"

namespace testproject {

// A line whose fields are placed at 1-based character positions.
class FixedLine {
public:
    explicit FixedLine(std::string start = {}) : text_(engine::Utf8ToCp1252(start)) {}

    // Text left-aligned at pos (UTF-8 in, Windows-1252 out).
    FixedLine& At(std::size_t pos, const std::string& value) {
        std::string bytes = engine::Utf8ToCp1252(value);
        if (text_.size() < pos - 1 + bytes.size()) text_.resize(pos - 1 + bytes.size(), ' ');
        text_.replace(pos - 1, bytes.size(), bytes);
        return *this;
    }
    // Text right-aligned in a field of `width` characters starting at pos.
    FixedLine& Right(std::size_t pos, const std::string& value, std::size_t width = 15) {
        return At(pos + width - std::min(width, value.size()), value);
    }
    const std::string& Bytes() const { return text_; }

private:
    std::string text_;
};

// "ESTC" with estgrid columns 1..20 (missing ones blank).
inline std::string Estc(const std::map<int, std::string>& cols) {
    FixedLine l("ESTC");
    for (const auto& [k, v] : cols) {
        if (k >= 1 && k <= 7) l.Right(6 + 16 * (k - 1), v);
        else if (k == 8) l.At(118, v);
        else l.Right(164 + 16 * (k - 9), v);
    }
    return l.Bytes();
}

// A station with chainage, ground and grade elevation and typical section.
inline std::string Station(const std::string& chainage, const std::string& ground, const std::string& grade,
                           const std::string& typical = {}) {
    return Estc({{1, "E"}, {3, chainage}, {4, "7000000.000"}, {5, "500000.000"}, {6, ground}, {7, grade},
                 {8, typical}});
}

// A record whose k-th value (k from 0) sits at 6 + 16 k: VOLM, VOLC.
inline std::string Columns(const std::string& tag, const std::vector<std::string>& values) {
    FixedLine l(tag);
    for (std::size_t k = 0; k < values.size(); ++k) l.Right(6 + 16 * k, values[k]);
    return l.Bytes();
}

inline std::string SectionHeader(const std::string& name, const std::string& count, const std::string& east = "500000",
                                 const std::string& north = "7000000") {
    return FixedLine("#*SECAO").At(9, name).Right(25, count).Right(41, east).Right(57, north).Right(73, "0")
        .Right(89, "0").Bytes();
}

// A point line; label and code (with the two extras) only when code is given.
inline std::string PointLine(const std::string& offset, const std::string& elevation, const std::string& east,
                             const std::string& north, const std::string& code = {}, const std::string& label = {}) {
    FixedLine l("@");
    l.Right(3, offset).Right(19, elevation).Right(35, east).Right(51, north);
    if (!code.empty() || !label.empty()) l.Right(67, "1.5").Right(83, "2.5").At(99, label).Right(105, code, 5);
    return l.Bytes();
}

inline std::string Header(const std::string& version = "3.0", const std::string& municipality = "Município",
                          const std::string& stretch = "Trecho", const std::string& basin = "Microbacia") {
    std::vector<std::string> lines = {"Alinhamento Versão " + version, "", "", municipality, stretch, "", basin};
    lines.resize(20);
    std::string out;
    for (const auto& l : lines) out += engine::Utf8ToCp1252(l) + "\r\n";
    return out;
}

class TempProject {
public:
    TempProject() {
        static int serial = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("quant-projeto-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "telmira");
        Write("telmira/dorvan.ini", engine::Utf8ToCp1252("[dorvan]\r\nPrefeitura Municipal de São João\r\n"));
    }
    ~TempProject() { std::filesystem::remove_all(dir_); }

    std::string Alignment() const { return (dir_ / "Estrada.alg").string(); }
    std::string Sections() const { return (dir_ / "Estrada-Projeto.scc").string(); }
    std::string Suite() const { return (dir_ / "telmira").string(); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // The header, then the body lines (each ended by CR LF).
    void WriteAlignment(const std::vector<std::string>& body, const std::string& header = Header()) {
        std::string out = header;
        for (const auto& l : body) out += l + "\r\n";
        Write("Estrada.alg", out);
    }
    // Five header lines, then the lines given.
    void WriteSections(const std::vector<std::string>& body) {
        std::string out = "PROJETO\nTRANSVERSAIS\n\n\n\n";
        for (const auto& l : body) out += l + "\n";
        Write("Estrada-Projeto.scc", out);
    }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path dir_;
};

}  // namespace testproject
