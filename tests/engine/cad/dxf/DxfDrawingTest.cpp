// Changing and saving drawings: extended data replaced in place, deletions with their
// vertices, additions in the file's encoding and with or without handles as the file
// has them, edits a DXF file cannot hold refused, listeners told, and a failed save
// that leaves the earlier file alone.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "engine/Errors.h"
#include "engine/cad/dxf/DxfDrawing.h"
#include "engine/cad/dxf/DxfTestSupport.h"

namespace engine::dxf {
namespace {

using dxftest::Dxf;

const std::string kR2000Header = "0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|9|$HANDSEED|5|30|0|ENDSEC|";
const std::string kR12NoHandles =
    "0|SECTION|2|HEADER|9|$ACADVER|1|AC1009|9|$CLAYER|8|DESENHO|0|ENDSEC|"
    "0|SECTION|2|ENTITIES|0|POINT|8|0|10|1|20|1|30|0|0|ENDSEC|0|EOF";

TEST(DxfDrawing, ExtendedDataIsReplacedInPlaceAndOtherApplicationsKeepTheirBytes) {
    auto d = DxfDrawing::FromBytes(
        Dxf(kR2000Header + "0|SECTION|2|ENTITIES|"
                           "0|LWPOLYLINE|5|20|8|PERFIL|90|2|70|0|10|0|20|0|10|100|20|50|"
                           "1001|OUTRO|1040|1.50000|1001|PERFILALINTELMIRA|1000|velho|1000|1|1000|2|1000|3|"
                           "0|POINT|5|21|8|0|10|0|20|0|30|0|1001|SAI|1000|x|"
                           "0|ENDSEC|0|EOF"),
        "perfil.dxf");
    const cad::GroupList data = {
        {1001, "PERFILALINTELMIRA"}, {1000, "/novo.alt"}, {1000, "10"}, {1000, "80"}, {1000, "0"}};
    d->SetXData(1, data);
    d->SetXData(2, {{1001, "sai"}});  // the name alone removes the data
    const std::string saved = d->Serialize();
    EXPECT_NE(saved.find("1001\nOUTRO\n1040\n1.50000\n1001\nPERFILALINTELMIRA\n1000\n/novo.alt\n1000\n10\n1000\n80\n"
                         "1000\n0\n0\nPOINT\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("SAI"), std::string::npos);
    EXPECT_EQ(saved.find("velho"), std::string::npos);

    auto again = DxfDrawing::FromBytes(saved, "perfil.dxf");
    EXPECT_EQ(again->XDataOf(1, "PERFILALINTELMIRA"), data);
    EXPECT_EQ(again->XDataOf(1, "OUTRO"), (cad::GroupList{{1001, "OUTRO"}, {1040, "1.5"}}));
    EXPECT_TRUE(again->XDataOf(2, "SAI").empty());
}

TEST(DxfDrawing, DeletingAPolylineTakesItsVerticesAlong) {
    auto d = DxfDrawing::FromBytes(
        Dxf("0|SECTION|2|ENTITIES|0|POINT|8|0|10|1|20|1|30|0|"
            "0|POLYLINE|8|P|66|1|70|0|0|VERTEX|8|P|10|1|20|2|30|0|0|VERTEX|8|P|10|3|20|4|30|0|0|SEQEND|8|P|"
            "0|LINE|8|0|10|0|20|0|11|1|21|1|0|ENDSEC|0|EOF"),
        "apagar.dxf");
    d->Delete(2);
    EXPECT_EQ(d->Find(2), nullptr);
    EXPECT_THROW(d->Delete(2), CadError);
    // New data at the end of the point goes where the deleted polyline began.
    d->SetXData(1, {{1001, "APP"}, {1000, "x"}});
    std::string saved = d->Serialize();
    EXPECT_EQ(saved.substr(saved.find("2\nENTITIES")), Dxf("2|ENTITIES|0|POINT|8|0|10|1|20|1|30|0|1001|APP|1000|x|"
                                                           "0|LINE|8|0|10|0|20|0|11|1|21|1|0|ENDSEC|0|EOF"));
}

TEST(DxfDrawing, AdditionsFollowTheFileHandlesEncodingAndLineEnds) {
    // R12 without handles: none written; the current layer; lightweight polylines as
    // 2D polylines; texts in Windows-1252, \U+XXXX for what it cannot hold.
    auto r12 = DxfDrawing::FromBytes(Dxf(kR12NoHandles), "r12.dxf");
    EntityId poly = r12->AddPolyline({0, 0, 1, 1});
    r12->SetXData(poly, {{1001, "APP"}, {1000, "ação α"}});
    std::string saved = r12->Serialize();
    EXPECT_EQ(r12->Find(poly)->type, "POLYLINE");
    // 6 records; a TABLES section (2) with a LAYER table for the current layer (3) and
    // an APPID table (3); POLYLINE, 2 VERTEX, SEQEND.
    EXPECT_EQ(dxftest::Records(saved).size(), 18u);
    EXPECT_NE(saved.find("0\nTABLE\n2\nLAYER\n70\n1\n0\nLAYER\n2\nDESENHO\n70\n0\n62\n7\n0\nENDTAB\n"),
              std::string::npos);
    EXPECT_EQ(saved.find("\n5\n"), std::string::npos);
    EXPECT_NE(saved.find("8\nDESENHO\n66\n1\n"), std::string::npos);
    EXPECT_NE(saved.find("1000\na\xE7\xE3o \\U+03B1\n"), std::string::npos);
    EXPECT_NE(saved.find("0\nTABLE\n2\nAPPID\n70\n1\n0\nAPPID\n2\nAPP\n70\n0\n0\nENDTAB\n"), std::string::npos);
    auto reread = DxfDrawing::FromBytes(saved, "r12.dxf");
    EXPECT_EQ(reread->Find(2)->coords, (std::vector<double>{0, 0, 1, 1}));
    EXPECT_EQ(reread->XDataOf(2, "APP")[1].value, "ação α");

    // R2000 with CR LF: fresh handles from $HANDSEED on, owner and markers, CR LF kept.
    std::string crlf;
    for (char c : Dxf(kR2000Header + "0|SECTION|2|ENTITIES|0|ENDSEC|0|EOF"))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    auto modern = DxfDrawing::FromBytes(crlf, "r2000.dxf");
    EntityId line = modern->AddLine({0, 0, 0}, {1, 2, 3});
    EXPECT_EQ(modern->Find(line)->handle, 0x30u);
    saved = modern->Serialize();
    EXPECT_NE(saved.find("$HANDSEED\r\n5\r\n31\r\n"), std::string::npos);
    EXPECT_NE(saved.find("0\r\nLINE\r\n5\r\n30\r\n100\r\nAcDbEntity\r\n8\r\n0\r\n100\r\nAcDbLine\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("\n\n"), std::string::npos);
    EXPECT_EQ(saved.find('\n'), saved.find("\r\n") + 1);
}

TEST(DxfDrawing, EditsADxfFileCannotHoldAreRefused) {
    auto d = DxfDrawing::FromBytes(Dxf(kR12NoHandles), "r12.dxf");
    const double nan = std::nan("");
    const cad::GroupList badData[] = {
        {},
        {{1000, "sem aplicativo"}},
        {{1001, ""}},
        {{1001, "APP"}, {1000, "duas\nlinhas"}},
        {{1001, "APP"}, {8, "camada"}},
        {{1001, "APP"}, {1001, "OUTRO"}},
        {{1001, "APP"}, {1040, "dez"}},
        {{1001, "APP"}, {1070, "40000"}},
        {{1001, "APP"}, {1000, std::string(256, 'x')}},
    };
    for (const cad::GroupList& data : badData) EXPECT_THROW(d->SetXData(1, data), CadError);
    EXPECT_THROW(d->AddPolyline({0, 0}), CadError);
    EXPECT_THROW(d->AddPolyline({0, 0, 1}), CadError);
    EXPECT_THROW(d->AddPolyline({0, 0, nan, 1}), CadError);
    EXPECT_THROW(d->AddLine({0, 0, 0}, {INFINITY, 0, 0}), CadError);
    EXPECT_THROW(d->AddInsert({0, 0, 0}, "NAOEXISTE", 1, 1, 1, 0), CadError);
    EXPECT_THROW(d->SetXData(99, {{1001, "APP"}, {1000, "x"}}), CadError);
    EXPECT_EQ(d->Serialize(), Dxf(kR12NoHandles));
}

TEST(DxfDrawing, BlocksThatReferToEachOtherAreImportedOnce) {
    auto symbol = DxfDrawing::FromBytes(
        Dxf("0|SECTION|2|BLOCKS|0|BLOCK|8|0|2|A|70|0|10|0|20|0|30|0|0|INSERT|8|0|2|B|10|0|20|0|30|0|0|ENDBLK|8|0|"
            "0|BLOCK|8|0|2|B|70|0|10|0|20|0|30|0|0|INSERT|8|0|2|A|10|0|20|0|30|0|"
            "0|LINE|8|0|10|0|20|0|11|1|21|1|0|ENDBLK|8|0|0|ENDSEC|"
            "0|SECTION|2|ENTITIES|0|INSERT|8|0|2|A|10|0|20|0|30|0|0|ENDSEC|0|EOF"),
        "ciclo.dxf");
    auto d = DxfDrawing::FromBytes(Dxf(kR12NoHandles), "r12.dxf");
    d->ImportBlock(*symbol, "CICLO");
    d->AddInsert({0, 0, 0}, "CICLO", 1, 1, 1, 0);
    auto again = DxfDrawing::FromBytes(d->Serialize(), "r12.dxf");
    for (const char* name : {"CICLO", "A", "B"}) EXPECT_NE(again->FindBlock(name), nullptr) << name;
    EXPECT_EQ(again->FindBlock("B")->entities.size(), 1u);  // the line; the reference back to A is left out
}

TEST(DxfDrawing, ListenersAreToldOfEveryChange) {
    auto d = DxfDrawing::FromBytes(Dxf(kR12NoHandles), "r12.dxf");
    std::vector<std::pair<DxfDrawing::Change, EntityId>> told;
    int token = d->Subscribe([&](DxfDrawing::Change c, EntityId id) { told.emplace_back(c, id); });
    EntityId line = d->AddLine({0, 0, 0}, {1, 1, 0});
    d->SetXData(line, {{1001, "APP"}, {1000, "x"}});
    d->Delete(1);
    d->Refresh();
    d->Unsubscribe(token);
    d->AddLine({0, 0, 0}, {2, 2, 0});
    using C = DxfDrawing::Change;
    EXPECT_EQ(told, (std::vector<std::pair<C, EntityId>>{
                        {C::Added, line}, {C::Changed, line}, {C::Removed, 1}, {C::Refreshed, 0}}));
}

TEST(DxfDrawing, AFailedSaveLeavesTheEarlierFileIntact) {
    dxftest::TempDir dir;
    const std::string path = dir.File("desenho.dxf");
    dxftest::WriteFile(path, Dxf(kR12NoHandles));
    auto d = DxfDrawing::Open(path);
    d->AddLine({0, 0, 0}, {1, 1, 0});
    EXPECT_THROW(d->SaveAs(dir.File("nao-existe/desenho.dxf")), DrawingError);
    EXPECT_EQ(dxftest::ReadFile(path), Dxf(kR12NoHandles));
    EXPECT_TRUE(d->Modified());
    // Made read-only, the folder refuses the temporary file: the file stays as it was.
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(dir.Path().c_str(), W_OK) != 0) {  // root writes anyway
        EXPECT_THROW(d->Save(), DrawingError);
        EXPECT_EQ(dxftest::ReadFile(path), Dxf(kR12NoHandles));
    }
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    d->Save();
    EXPECT_FALSE(d->Modified());
    EXPECT_EQ(DxfDrawing::Open(path)->Entities().size(), 2u);
}

}  // namespace
}  // namespace engine::dxf
