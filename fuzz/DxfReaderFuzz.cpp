// Reads the bytes as a drawing; when they open, makes the changes the system makes,
// imports the drawing as a symbol into another, saves, and reads what was saved: a
// drawing we wrote must always open again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/Errors.h"
#include "engine/cad/dxf/DxfDrawing.h"

using engine::dxf::DxfDrawing;

namespace {

const char* const kTarget =
    "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$HANDSEED\n5\n40\n0\nENDSEC\n"
    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nBLOCK_RECORD\n5\n1\n70\n1\n0\nBLOCK_RECORD\n5\n1F\n2\n*Model_Space\n"
    "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n";

void Reopen(const DxfDrawing& drawing) {
    try {
        DxfDrawing::FromBytes(drawing.Serialize(), "salvo.dxf");
    } catch (const engine::DrawingError&) {
        std::abort();  // what we write must read again
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<DxfDrawing> drawing;
    try {
        drawing = DxfDrawing::FromBytes(bytes, "fuzz.dxf");
    } catch (const engine::DrawingError&) {
        return 0;
    }
    try {
        auto line = drawing->AddLine({1, 2, 0}, {3, 4, 0});
        drawing->SetXData(line, {{1001, "PERFILALINTELMIRA"}, {1000, "ação"}, {1000, "10"}});
        drawing->AddPolyline({0, 0, 1, 1, 2, 0});
        int edited = 0;
        for (const auto& e : drawing->Entities()) {
            if (e.added || e.space != engine::dxf::Space::Model || e.deleted) continue;
            if (edited == 0) drawing->SetXData(e.id, {{1001, "QUANT"}, {1040, "1.5"}});
            if (edited == 1) drawing->Delete(e.id);
            if (edited == 2 && !e.xdata.empty()) drawing->SetXData(e.id, {{1001, e.xdata[0].application}});
            if (++edited > 2) break;
        }
        for (const auto& b : drawing->Blocks())
            if (drawing->FindBlock(b.name)) {
                drawing->AddInsert({5, 5, 0}, b.name, 1, 1, 1, 0);
                break;
            }
    } catch (const engine::CadError&) {
    }
    Reopen(*drawing);

    auto target = DxfDrawing::FromBytes(kTarget, "alvo.dxf");
    target->ImportBlock(*drawing, "SIMBOLO");
    target->AddInsert({0, 0, 0}, "SIMBOLO", 1, 1, 1, 0);
    Reopen(*target);
    return 0;
}
