// Reading drawings: what lands where (extended data on its own entity although dxflib
// reports it before the entity, block and paper-space entities kept out of model
// space), geometry of the kinds the system reads, text encodings, and malformed files.
#include <gtest/gtest.h>

#include "engine/Errors.h"
#include "engine/cad/dxf/DxfDrawing.h"
#include "engine/cad/dxf/DxfTestSupport.h"

namespace engine::dxf {
namespace {

using dxftest::Dxf;

std::string Entities(const std::string& records) { return "0|SECTION|2|ENTITIES|" + records + "0|ENDSEC|0|EOF"; }

std::vector<const DrawingEntity*> ModelSpace(const DxfDrawing& d) {
    std::vector<const DrawingEntity*> out;
    for (const DrawingEntity& e : d.Entities())
        if (e.space == Space::Model) out.push_back(&e);
    return out;
}

TEST(DxfReader, ExtendedDataLandsOnTheEntityThatCarriesIt) {
    // dxflib reports the data of an entity while it reads its groups, before it reports
    // the entity (at the next record): the data must not go to the entity before.
    auto d = DxfDrawing::FromBytes(Dxf(Entities("0|POINT|8|A|10|1|20|2|30|0|"
                                                "0|POINT|8|B|10|3|20|4|30|0|1001|APP1|1000|de B|1040|2.5|1070|7|"
                                                "0|CIRCLE|8|C|10|0|20|0|40|1|1001|APP2|1000|do c\xEDrculo|"
                                                "0|LINE|8|D|10|0|20|0|11|1|21|1|1001|APP1|1000|x|1001|APP3|1000|y|")),
                                   "teste.dxf");
    auto ms = ModelSpace(*d);
    ASSERT_EQ(ms.size(), 4u);
    EXPECT_TRUE(ms[0]->xdata.empty());
    EXPECT_EQ(d->XDataOf(ms[1]->id, "app1"),
              (cad::GroupList{{1001, "APP1"}, {1000, "de B"}, {1040, "2.5"}, {1070, "7"}}));
    EXPECT_EQ(d->XDataOf(ms[2]->id, "APP2"), (cad::GroupList{{1001, "APP2"}, {1000, "do círculo"}}));
    // The last entity before ENDSEC, with two applications.
    EXPECT_EQ(d->XDataOf(ms[3]->id, "APP1"), (cad::GroupList{{1001, "APP1"}, {1000, "x"}}));
    EXPECT_EQ(d->XDataOf(ms[3]->id, "APP3"), (cad::GroupList{{1001, "APP3"}, {1000, "y"}}));
    EXPECT_TRUE(d->XDataOf(ms[1]->id, "APP2").empty());
    EXPECT_EQ(d->XDataOf(ms[3]->id, "").size(), 4u);  // every application
}

TEST(DxfReader, GeometryOfTheKindsTheSystemReads) {
    auto d = DxfDrawing::FromBytes(
        Dxf(Entities("0|LINE|5|2A|8|RUAS|10|1.5|20|2.5|30|0|11|10|21|20|31|0|"
                     "0|POINT|8|ARV|10|7|20|8|30|9|"
                     // a count that lies: only two vertices follow
                     "0|LWPOLYLINE|8|LIMPEZA|90|2000000000|70|1|10|0|20|0|10|5|20|6|"
                     "0|POLYLINE|8|P|66|1|70|0|0|VERTEX|8|P|10|1|20|2|30|0|0|VERTEX|8|P|10|3|20|4|30|0|0|SEQEND|8|P|"
                     "0|POLYLINE|8|P3|66|1|70|8|0|VERTEX|8|P3|10|1|20|2|30|3|70|32|0|SEQEND|"
                     "0|INSERT|8|0|2|Bueiro|10|100|20|200|30|0|41|2|50|45|")),
        "geo.dxf");
    auto ms = ModelSpace(*d);
    ASSERT_EQ(ms.size(), 6u);
    EXPECT_EQ(ms[0]->type, "LINE");
    EXPECT_EQ(ms[0]->handle, 0x2Au);
    EXPECT_EQ(ms[0]->layer, "RUAS");
    EXPECT_DOUBLE_EQ(ms[0]->p1.x, 1.5);
    EXPECT_DOUBLE_EQ(ms[0]->p1.y, 2.5);
    EXPECT_DOUBLE_EQ(ms[0]->p2.x, 10);
    EXPECT_DOUBLE_EQ(ms[0]->p2.y, 20);
    EXPECT_DOUBLE_EQ(ms[1]->p1.z, 9);
    EXPECT_EQ(ms[2]->coords, (std::vector<double>{0, 0, 5, 6}));
    EXPECT_EQ(ms[2]->flags, 1);
    EXPECT_EQ(ms[3]->coords, (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(ms[4]->coords, (std::vector<double>{1, 2, 3}));  // 3D: x, y, z
    EXPECT_EQ(ms[5]->blockName, "Bueiro");
    EXPECT_DOUBLE_EQ(ms[5]->p1.y, 200);
    EXPECT_DOUBLE_EQ(ms[5]->xscale, 2);
    EXPECT_DOUBLE_EQ(ms[5]->rotation, 45);
}

TEST(DxfReader, BlockAndPaperSpaceEntitiesAreNotModelSpace) {
    auto d = DxfDrawing::FromBytes(
        Dxf("0|SECTION|2|TABLES|0|TABLE|2|LAYER|70|2|0|LAYER|2|RUAS|70|0|62|3|6|CONTINUOUS|"
            "0|LAYER|2|Cerca|70|0|62|-5|6|CONTINUOUS|0|ENDTAB|0|ENDSEC|"
            "0|SECTION|2|BLOCKS|0|BLOCK|8|0|2|BUEIRO|70|0|10|1|20|2|30|0|3|BUEIRO|"
            "0|POINT|8|0|10|5|20|5|30|0|0|LINE|8|0|10|0|20|0|11|1|21|1|0|ENDBLK|8|0|0|ENDSEC|"
            "0|SECTION|2|ENTITIES|0|POINT|8|0|10|1|20|1|30|0|0|POINT|67|1|8|0|10|2|20|2|30|0|0|ENDSEC|0|EOF"),
        "blocos.dxf");
    auto ms = ModelSpace(*d);
    ASSERT_EQ(ms.size(), 1u);
    EXPECT_DOUBLE_EQ(ms[0]->p1.x, 1);
    const BlockDefinition* block = d->FindBlock("bueiro");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->entities.size(), 2u);
    EXPECT_DOUBLE_EQ(block->base.y, 2);
    ASSERT_EQ(d->Layers().size(), 2u);
    EXPECT_EQ(d->Layers()[0].color, 3);
    EXPECT_EQ(d->Layers()[1].name, "Cerca");
    EXPECT_EQ(d->Layers()[1].color, -5);  // off
}

TEST(DxfReader, TextIsReadInTheEncodingOfTheVersion) {
    // Up to 2004 the drawing's code page (Windows-1252), from 2007 UTF-8; both may
    // escape characters as \U+XXXX.
    std::string cp1252 = Dxf("0|SECTION|2|HEADER|9|$ACADVER|1|AC1015|0|ENDSEC|" +
                             Entities("0|POINT|8|Ma\xE7\xE3|10|0|20|0|1001|APP|1000|\\U+03B1 \xE9|"));
    std::string utf8 = Dxf("0|SECTION|2|HEADER|9|$ACADVER|1|AC1032|0|ENDSEC|" +
                           Entities("0|POINT|8|Maçã|10|0|20|0|1001|APP|1000|\\U+03B1 é|"));
    for (const std::string& bytes : {cp1252, utf8}) {
        auto d = DxfDrawing::FromBytes(bytes, "texto.dxf");
        auto ms = ModelSpace(*d);
        ASSERT_EQ(ms.size(), 1u);
        EXPECT_EQ(ms[0]->layer, "Maçã");
        EXPECT_EQ(d->XDataOf(ms[0]->id, "APP")[1].value, "α é");
    }
}

TEST(DxfReader, MalformedFilesGiveAMessageNamingFileAndLine) {
    struct Case {
        std::string bytes, name, message;
    };
    const Case cases[] = {
        {"AutoCAD Binary DXF\r\n\x1A\0...", "b.dxf",
         "O arquivo b.dxf é um DXF binário; salve-o como DXF ASCII no programa de CAD e abra-o novamente."},
        {"AC1015\0\0\0\0", "d.dxf",
         "O arquivo d.dxf é um desenho DWG; salve-o como DXF ASCII no programa de CAD e abra-o novamente."},
        {"qualquer coisa", "x.dwg",
         "O arquivo x.dwg é um desenho DWG; salve-o como DXF ASCII no programa de CAD e abra-o novamente."},
        {"\n\n  \r\n", "v.dxf", "O arquivo v.dxf está vazio."},
        {"olá\nmundo\n", "g.dxf", "O arquivo g.dxf não é um DXF válido: código de grupo inválido \"ol??\" na linha 1."},
        {Dxf("0|SECTION|2|ENTITIES|0|POINT|10"), "t.dxf",
         "O arquivo t.dxf está incompleto: falta o valor do código de grupo 10 da linha 7."},
        {Dxf("0|SECTION|2|ENTITIES|0|POINT|10|1|20|2"), "s.dxf",
         "O arquivo s.dxf está incompleto: a seção ENTITIES aberta na linha 1 não termina."},
        {Dxf("0|SECTION|2|TABLES|0|SECTION|2|ENTITIES|0|ENDSEC|0|EOF"), "n.dxf",
         "O arquivo n.dxf está incompleto: a seção TABLES aberta na linha 1 não termina antes da linha 5."},
        {Dxf("0|POINT|10|1|0|EOF"), "f.dxf",
         "O arquivo f.dxf não é um DXF válido: registro POINT fora de uma seção (linha 1)."},
        {Dxf("0|SECTION|2|ENTITIES|99999|x|0|ENDSEC"), "c.dxf",
         "O arquivo c.dxf não é um DXF válido: código de grupo inválido \"99999\" na linha 5."},
    };
    for (const Case& c : cases) {
        try {
            DxfDrawing::FromBytes(c.bytes, c.name);
            ADD_FAILURE() << c.name << " opened";
        } catch (const DrawingError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(DxfReader, ATruncatedCorpusDrawingIsRefused) {
    std::string path = std::string(QUANT_CORPUS_DIR) + "/text.dxf";
    auto whole = DxfDrawing::Open(path);
    std::string bytes = whole->Content().bytes;
    for (std::size_t cut : {bytes.size() / 3, bytes.size() / 2 + 7, bytes.size() - 30})
        EXPECT_THROW(DxfDrawing::FromBytes(bytes.substr(0, cut), "cortado.dxf"), DrawingError) << cut;
}

}  // namespace
}  // namespace engine::dxf
