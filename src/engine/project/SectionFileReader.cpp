#include "engine/project/SectionFileReader.h"

#include <algorithm>
#include <climits>

#include "engine/Errors.h"
#include "engine/project/FixedLines.h"
#include "engine/text/AtomicFile.h"
#include "engine/text/NumberText.h"

namespace engine {
namespace {

constexpr int kHeaderLines = 5;
// Room reserved ahead for the points a header declares; a larger declared count
// grows as the point lines come.
constexpr int kReserveLimit = 1000;

class SectionLines {
public:
    SectionLines(ProjectModel& p, const std::string& path) : p_(p), path_(path) {}

    void Read(FixedLines& lines) {
        std::string_view line;
        for (int i = 0; i < kHeaderLines && lines.Next(line); ++i) {
        }
        p_.SectionCount = 0;
        int point = 0;
        while (lines.Next(line)) {
            line_ = line;
            number_ = lines.Number();
            if (line.substr(0, 7) == "#*SECAO") {
                point = 0;
                Header();
            } else if (!line.empty() && line[0] == '@') {
                Point(++point);
            }
        }
    }

private:
    void Header() {
        const int index = ++p_.SectionCount;
        if (index >= static_cast<int>(p_.Sections.size())) p_.Sections.resize(index + 1);
        TSecao& s = p_.Sections[index];
        s.Name = FixedLines::Decode(FixedLines::TrimView(FixedLines::Field(line_, 9, 15)));
        s.PointCount = Integer(25, "número de pontos da seção");
        s.AxisEast = Real(41, "coordenada leste do eixo");
        s.AxisNorth = Real(57, "coordenada norte do eixo");
        s.HeaderExtra1 = Real(73, "quinto valor da seção");
        s.HeaderExtra2 = Real(89, "sexto valor da seção");
        if (s.PointCount > 0) {
            std::size_t room = static_cast<std::size_t>(std::min(s.PointCount, kReserveLimit)) + 1;
            for (auto* v : {&s.East, &s.North, &s.Offset, &s.Elevation, &s.PointExtra1, &s.PointExtra2})
                v->reserve(room);
            s.PointLabel.reserve(room);
            s.PointCode.reserve(room);
        }
    }

    // Points before the first section header land in entry 0, which nothing reads.
    void Point(int i) {
        TSecao& s = p_.Sections[p_.SectionCount];
        s.EnsurePoint(i);
        s.Offset[i] = Real(3, "afastamento do ponto");
        s.Elevation[i] = Real(19, "cota do ponto");
        s.East[i] = Real(35, "coordenada leste do ponto");
        s.North[i] = Real(51, "coordenada norte do ponto");
        if (FixedLines::TrimView(FixedLines::Field(line_, 67, 100)).empty()) return;
        s.PointExtra1[i] = Real(67, "primeiro valor extra do ponto");
        s.PointExtra2[i] = Real(83, "segundo valor extra do ponto");
        s.PointLabel[i] = FixedLines::Decode(FixedLines::TrimView(FixedLines::Field(line_, 99, 5)));
        s.PointCode[i] = Integer(105, "código do ponto", 5);
    }

    long double Real(std::size_t pos, const char* what) const {
        std::string_view raw = FixedLines::Field(line_, pos, 15);
        if (auto v = ParseNumber(raw)) return *v;
        Fail(raw, what, "não é um número válido");
    }

    int Integer(std::size_t pos, const char* what, std::size_t len = 15) const {
        std::string_view raw = FixedLines::Field(line_, pos, len);
        auto v = ParseInteger(raw);
        if (v && *v >= INT_MIN && *v <= INT_MAX) return static_cast<int>(*v);
        Fail(raw, what, "não é um número inteiro válido");
    }

    [[noreturn]] void Fail(std::string_view raw, const char* what, const char* problem) const {
        throw ConversionError("Arquivo " + path_ + ", linha " + std::to_string(number_) + ": o valor \"" +
                              FixedLines::Decode(FixedLines::TrimView(raw)) + "\" (" + what + ") " + problem + ".");
    }

    ProjectModel& p_;
    const std::string& path_;
    std::string_view line_;
    int number_ = 0;
};

}  // namespace

void ReadSectionFile(ProjectModel& project, const std::string& path) {
    const std::string bytes = ReadWholeFile(path);
    FixedLines lines(bytes);
    if (project.Sections.empty()) project.Sections.resize(1);
    SectionLines(project, path).Read(lines);
}

}  // namespace engine
