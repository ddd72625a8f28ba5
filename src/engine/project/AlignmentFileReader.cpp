#include "engine/project/AlignmentFileReader.h"

#include "engine/Errors.h"
#include "engine/project/FixedLines.h"
#include "engine/project/VolumeGridLayout.h"
#include "engine/text/AtomicFile.h"
#include "engine/text/NumberText.h"

namespace engine {
namespace {

constexpr std::string_view kHeaderText = "Alinhamento Vers\xE3o";  // as written, in Windows-1252
constexpr int kHeaderLines = 20;

std::string Where(const std::string& path, int line) {
    return "Arquivo " + path + ", linha " + std::to_string(line) + ": ";
}

// A field as a cell holds it: trimmed, UTF-8, and empty when it begins with "*"
// (the suite's mark of a field without value) unless the column keeps it.
std::string CellText(std::string_view raw, bool starEmpties = true) {
    std::string_view t = FixedLines::TrimView(raw);
    if (starEmpties && !t.empty() && t[0] == '*') return {};
    return FixedLines::Decode(t);
}

// Writes a cell of an additional column, skipping an empty text over a cell that is
// empty anyway: those columns are as many as VOLD says, and a short line must not
// make every row store all of them.
void Put(Grid& g, int col, int row, std::string text) {
    if (text.empty() && g.Cell(col, row).empty()) return;
    g.SetCell(col, row, std::move(text));
}

class AlignmentBody {
public:
    AlignmentBody(Session& s, const std::string& path)
        : p_(s.project), budget_(s.budget), path_(path), v3_(s.project.AlignmentVersion >= 3) {}

    void Read(FixedLines& lines) {
        // The fixed columns follow from the version, known before the first body line.
        p_.FixedVolumeColumns = v3_ ? 32 : 18;
        std::string_view line;
        try {
            while (lines.Next(line)) {
                std::string_view tag = line.substr(0, 4);
                if (tag == "ESTC") Station(line, lines.Number());
                else if (tag == "VOLM") VolumeRow(line);
                else if (tag == "VOLD") VolumeColumns(line, lines.Number());
                else if (tag == "VOLC") AdditionalRow(line);
            }
        } catch (...) {
            // The rows read so far stay visible.
            if (p_.VolumeRowCount > 0) p_.volgrid.SetRowCount(p_.VolumeRowCount + 1);
            throw;
        }
        p_.volgrid.SetRowCount(p_.VolumeRowCount + 1);
        Extension();
    }

private:
    void Station(std::string_view line, int lineNumber) {
        Grid& g = p_.estgrid;
        const int row = ++p_.StationCount;
        if (row == 1) firstStationLine_ = lineNumber;
        lastStationLine_ = lineNumber;
        g.SetCell(0, row, std::to_string(row));
        for (int k = 1; k <= 7; ++k) g.SetCell(k, row, CellText(FixedLines::Field(line, 6 + 16 * (k - 1), 15)));
        g.SetCell(8, row, CellText(FixedLines::Field(line, 118, 30)));
        for (int k = 9; k <= 20; ++k) g.SetCell(k, row, CellText(FixedLines::Field(line, 164 + 16 * (k - 9), 15)));
        g.SetRowCount(row + 1);
    }

    // The row count of volgrid is set once the body is read: cutting it back on the
    // first VOLM would drop additional-column rows that VOLC records wrote before it.
    void VolumeRow(std::string_view line) {
        Grid& g = p_.volgrid;
        const int row = ++p_.VolumeRowCount;
        const int columns = v3_ ? 32 : 21;
        for (int k = 0; k < columns; ++k) g.SetCell(k, row, CellText(FixedLines::Field(line, 6 + 16 * k, 15), k > 0));
        ApplySignColour(g, v3_ ? 27 : 13, row);
        ApplySignColour(g, v3_ ? 29 : 15, row);
    }

    void VolumeColumns(std::string_view line, int lineNumber) {
        // Read untrimmed: the count must be right-aligned in its field or end the line.
        std::string_view raw = FixedLines::Field(line, 6, 15);
        std::optional<long long> count = ParseInteger(raw, /*exact=*/true);
        if (!count)
            throw ConversionError(Where(path_, lineNumber) + "o número de colunas \"" + FixedLines::Decode(raw) +
                                  "\" do registro VOLD não é um número inteiro válido.");
        if (*count < 1 || *count > kMaxVolumeColumns)
            throw ConversionError(Where(path_, lineNumber) + "o número de colunas " + std::to_string(*count) +
                                  " do registro VOLD está fora do limite (1 a " + std::to_string(kMaxVolumeColumns) +
                                  ").");
        p_.volgrid.SetColCount(static_cast<int>(*count));
        ApplyAdditionalVolumeColumns(p_.volgrid, p_.FixedVolumeColumns);
        additionalRow_ = 0;
    }

    // The first VOLC after a VOLD holds the titles (row 0), the next ones the stations.
    void AdditionalRow(std::string_view line) {
        Grid& g = p_.volgrid;
        const int first = p_.FixedVolumeColumns;
        for (int c = first; c < g.ColCount(); ++c)
            Put(g, c, additionalRow_, CellText(FixedLines::Field(line, 6 + 16 * (c - first), 15)));
        ++additionalRow_;
    }

    void Extension() {
        if (p_.StationCount == 0)
            throw ConversionError("Arquivo " + path_ +
                                  ": nenhuma estaca (registro ESTC); não há progressiva para calcular a extensão.");
        const Grid& g = p_.estgrid;
        long double last = Chainage(g.Cell(3, g.RowCount() - 1), lastStationLine_);
        long double first = Chainage(g.Cell(3, 1), firstStationLine_);
        budget_.edit11 = FormatNumberText(NumberToText((last - first) / 1000), 15, kNoFill, 3);
    }

    long double Chainage(const std::string& text, int lineNumber) const {
        if (auto v = ParseNumber(text)) return *v;
        throw ConversionError(Where(path_, lineNumber) + "a progressiva \"" + text + "\" não é um número válido.");
    }

    ProjectModel& p_;
    BudgetTab& budget_;
    const std::string& path_;
    const bool v3_;
    int additionalRow_ = 0;
    int firstStationLine_ = 0;
    int lastStationLine_ = 0;
};

}  // namespace

LoadOutcome ReadAlignmentFile(Session& session, Interaction& ui) {
    ProjectModel& p = session.project;
    const std::string& path = p.AlignmentFileName;
    const std::string bytes = ReadWholeFile(path);
    FixedLines lines(bytes);

    std::string_view line;
    if (!lines.Next(line)) line = {};
    std::optional<long double> version;
    if (FixedLines::Field(line, 1, 18) == kHeaderText) version = ParseNumber(FixedLines::Field(line, 20, 3));
    if (!version || *version < 2.0L) {
        ShowErrorBox(ui, "Arquivo Inválido", "O Arquivo " + path + " é inválido ou de versão anterior.");
        return LoadOutcome::Rejected;
    }
    p.AlignmentVersion = *version;

    // Lines 2 to 20; a file that ends early leaves the rest empty.
    for (int n = 2; n <= kHeaderLines; ++n) {
        if (!lines.Next(line)) line = {};
        if (n == 4) session.budget.Edit8 = FixedLines::Decode(line);
        else if (n == 5) session.budget.Edit10 = FixedLines::Decode(line);
        else if (n == 7) session.budget.Edit9 = FixedLines::Decode(line);
    }

    AlignmentBody(session, path).Read(lines);
    return LoadOutcome::Loaded;
}

}  // namespace engine
