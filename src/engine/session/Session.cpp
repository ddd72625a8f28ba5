#include "engine/session/Session.h"

#include <stdexcept>

namespace engine {
namespace {

void SetTitles(Grid& g, std::initializer_list<const char*> titles) {
    int c = 0;
    for (const char* t : titles) g.SetCell(c++, 0, t);
}

void SetWidths(Grid& g, std::initializer_list<int> widths) {
    int c = 0;
    for (int w : widths) g.Column(c++).width = w;
}

// The common shape of a result grid: one fixed title row, centred cells, row height 20.
void ResultGrid(Grid& g, bool fixedFirstColumn) {
    g.SetFixed(1, fixedFirstColumn ? 1 : 0);
    g.SetDefaultAlign(CellAlign::Center);
    g.SetDefaultRowHeight(20);
}

}  // namespace

ServiceNoteTab::ServiceNoteTab() : sgnt("sgnt", 22, 5, 85) {
    ResultGrid(sgnt, true);
    sgnt.SetEditable(true);
    SetTitles(sgnt, {"Estaca", "Cota Offset E", "Dist. Offset E", "Cota Bordo E", "Dist. Bordo E",
                     "Cota Ter. Eixo", "Cota Greide Eixo", "CV Eixo", "Cota Bordo D", "Dist. Bordo D",
                     "Cota Offset D", "Dist Offset D", "Offset E (CN)", "Offset E (CE)", "Bordo E (CN)",
                     "Bordo E (CE)", "Eixo (CN)", "Eixo (CE)", "Bordo D (CN)", "Bordo D (CE)",
                     "Offset D (CN)", "Offset D (CE)"});
}

CrownTab::CrownTab() : sgab("sgab", 7, 5, 100) {
    ResultGrid(sgab, false);
    SetTitles(sgab, {"Estaca", "Dist. Estaca", "Largura Plataforma", "Área de Abaulamento", "Larg. Revest.",
                     "Área Revest.", "Vol. Revest."});
}

ClearingTab::ClearingTab() : sglimp("sglimp", 6, 5, 100) {
    ResultGrid(sglimp, false);
    SetTitles(sglimp, {"Estaca", "Dist. Estaca", "Largura", "Área Limp Cultura", "Área Limpeza Mato",
                       "Destocamento"});
}

SpeedBumpTab::SpeedBumpTab() : sglomb("sglomb", 11, 5) {
    ResultGrid(sglomb, false);
    sglomb.SetEditable(true);
    SetTitles(sglomb, {"Estaca", "Dist. Estaca", "Largura Projetada", "Rampa (%)", "Distância", "Qtde Lombadas",
                       "Volume Lombadas", "Cx Ret Qtde", "Cx. Ret. Volume", "Big. Qtde", "Big. Volume"});
    SetWidths(sglomb, {85, 71, 88, 79, 48, 85, 85, 68, 82, 52, 64});
    // The main window's creation hides "Distância".
    sglomb.Column(4).width = -1;
}

DrainageTab::DrainageTab() : sgdren("sgdren", 9, 5) {
    ResultGrid(sgdren, false);
    sgdren.SetEditable(true);
    SetTitles(sgdren, {"Estaca", "Dist Estaca", "Comprimento Projetado", "Rampa (%)", "BSTC 0.40", "BSTC 0.60",
                       "Vol. Esc. Bueiros", "Vol. Reaterro", "Vol. Vala Lat"});
    SetWidths(sgdren, {85, 81, 85, 85, 85, 85, 85, 81, 85});
}

BudgetTab::BudgetTab() : sgorc("sgorc", 7, 2) {
    sgorc.SetFixed(1, 0);
    sgorc.SetEditable(true);
    sgorc.SetDefaultRowHeight(20);
    SetTitles(sgorc, {"Código", "Descrição dos Serviços", "Unidade", "Valor Unitário", "Quantidade",
                      "a Executar %", "Valor Total"});
    SetWidths(sgorc, {48, 332, 55, 72, 73, 75, 99});
    const CellAlign aligns[7] = {CellAlign::Center, CellAlign::Left,   CellAlign::Center, CellAlign::Right,
                                 CellAlign::Center, CellAlign::Center, CellAlign::Right};
    for (int c = 0; c < 7; ++c) sgorc.Column(c).align = aligns[c];
}

std::string& BudgetTab::AnalysisName(int i) {
    std::string* names[9] = {&Label27, &Label28, &Label29, &Label30, &Label31, &Label64, &Label68, &Label70, &Label72};
    if (i < 1 || i > 9) throw std::out_of_range("linha de análise inexistente");
    return *names[i - 1];
}

std::string& BudgetTab::AnalysisValue(int i) {
    std::string* values[9] = {&Label35, &Label36, &Label37, &Label38, &Label39, &Label65, &Label69, &Label71, &Label73};
    if (i < 1 || i > 9) throw std::out_of_range("linha de análise inexistente");
    return *values[i - 1];
}

Session::Session() = default;

std::vector<Grid*> Session::Grids() {
    return {&nota.sgnt, &project.volgrid, &crown.sgab, &clearing.sglimp, &bumps.sglomb,
            &drainage.sgdren, &budget.sgorc, &project.estgrid};
}

Grid* Session::FindGrid(const std::string& name) {
    for (Grid* g : Grids())
        if (g->Name() == name) return g;
    return nullptr;
}

std::vector<FieldRef> Session::Fields() {
    using K = FieldRef::Kind;
    auto E = [](const char* tab, const char* name, std::string& s) { return FieldRef{tab, name, K::Edit, &s, nullptr}; };
    auto C = [](const char* tab, const char* name, bool& b) { return FieldRef{tab, name, K::Check, nullptr, &b}; };
    auto L = [](const char* tab, const char* name, std::string& s) { return FieldRef{tab, name, K::Label, &s, nullptr}; };
    auto& cr = crown;
    auto& cl = clearing;
    auto& sb = bumps;
    auto& dr = drainage;
    auto& bu = budget;
    return {
        E("tsabau", "edit1", cr.edit1), E("tsabau", "edi", cr.edi), E("tsabau", "edit2", cr.edit2),
        E("tsabau", "edit3", cr.edit3), E("tsabau", "eao", cr.eao),
        E("tslimp", "Edit4", cl.Edit4), E("tslimp", "Edit7", cl.Edit7), E("tslimp", "edit12", cl.edit12),
        E("tslimp", "lped", cl.lped), C("tslimp", "cb1", cl.cb1), C("tslimp", "cb2", cl.cb2),
        C("tslimp", "cb3", cl.cb3), E("tslimp", "AlignEdit6", cl.AlignEdit6), E("tslimp", "edit5", cl.edit5),
        E("tslimp", "edit6", cl.edit6),
        E("tslomb", "AlignEdit1", sb.AlignEdit1), E("tslomb", "AlignEdit2", sb.AlignEdit2),
        E("tslomb", "AlignEdit3", sb.AlignEdit3), E("tslomb", "AlignEdit4", sb.AlignEdit4),
        E("tslomb", "AlignEdit5", sb.AlignEdit5), C("tslomb", "CheckBox1", sb.CheckBox1),
        C("tslomb", "CheckBox2", sb.CheckBox2), C("tslomb", "CheckBox3", sb.CheckBox3),
        E("tslomb", "Edit13", sb.Edit13), E("tslomb", "Edit15", sb.Edit15), E("tslomb", "Edit16", sb.Edit16),
        E("tslomb", "Edit17", sb.Edit17), E("tslomb", "Edit18", sb.Edit18), E("tslomb", "ed1", sb.ed1),
        E("tslomb", "ed2", sb.ed2), E("tslomb", "ed3", sb.ed3), E("tslomb", "ed4", sb.ed4),
        E("tslomb", "ed5", sb.ed5), E("tslomb", "ed6", sb.ed6),
        E("tsdren", "b4", dr.b4), E("tsdren", "b6", dr.b6), E("tsdren", "bl4", dr.bl4), E("tsdren", "bl6", dr.bl6),
        E("tsdren", "tb4", dr.tb4), E("tsdren", "tb6", dr.tb6), E("tsdren", "tvb", dr.tvb),
        E("tsdren", "tvr", dr.tvr), E("tsdren", "tvv", dr.tvv),
        E("tsresum", "Edit8", bu.Edit8), E("tsresum", "Edit9", bu.Edit9), E("tsresum", "Edit10", bu.Edit10),
        E("tsresum", "edit11", bu.edit11), E("tsresum", "edit14", bu.edit14), L("tsresum", "Label63", bu.Label63),
        C("tsresum", "cbcult", bu.cbcult), C("tsresum", "cbmato", bu.cbmato), C("tsresum", "CheckBox4", bu.CheckBox4),
        C("tsresum", "CheckBox5", bu.CheckBox5), L("tsresum", "Label26", bu.Label26), L("tsresum", "Label43", bu.Label43),
        L("tsresum", "Label27", bu.Label27), L("tsresum", "Label35", bu.Label35), L("tsresum", "Label28", bu.Label28),
        L("tsresum", "Label36", bu.Label36), L("tsresum", "Label29", bu.Label29), L("tsresum", "Label37", bu.Label37),
        L("tsresum", "Label30", bu.Label30), L("tsresum", "Label38", bu.Label38), L("tsresum", "Label31", bu.Label31),
        L("tsresum", "Label39", bu.Label39), L("tsresum", "Label64", bu.Label64), L("tsresum", "Label65", bu.Label65),
        L("tsresum", "Label68", bu.Label68), L("tsresum", "Label69", bu.Label69), L("tsresum", "Label70", bu.Label70),
        L("tsresum", "Label71", bu.Label71), L("tsresum", "Label72", bu.Label72), L("tsresum", "Label73", bu.Label73),
        L("tsresum", "Label32", bu.Label32), L("tsresum", "Label40", bu.Label40),
    };
}

FieldRef* Session::FindField(std::vector<FieldRef>& fields, const std::string& name) {
    for (auto& f : fields)
        if (name == f.name) return &f;
    return nullptr;
}

}  // namespace engine
