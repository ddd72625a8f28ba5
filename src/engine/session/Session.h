#pragma once
// What the main window holds: the project and one plain struct per tab, with the
// tab's grid and its edit boxes, check boxes and labels under their component names.
#include <string>
#include <vector>

#include "engine/grid/Grid.h"
#include "engine/project/ProjectModel.h"

namespace engine {

// "Nota de Serviço"
struct ServiceNoteTab {
    ServiceNoteTab();
    Grid sgnt;  // staking table: 22 visible columns plus the hidden platform edges 22 and 23
};

// "Abaulamento do Leito e Revestimento Primário"
struct CrownTab {
    CrownTab();
    Grid sgab;
    std::string edit1;         // surfacing thickness of the last typical section read
    std::string edi = "3.0";   // crossfall of the section, % (stored, not computed with)
    std::string edit2;         // total crown area, m2
    std::string edit3;         // total surfacing volume, m3
    std::string eao;           // plan area from offset to offset, m2
};

// "Limpeza e Destocamento"
struct ClearingTab {
    ClearingTab();
    Grid sglimp;
    std::string Edit4 = "ARVORE";  // layer of the tree points
    std::string Edit7 = "MATA";    // layer of the bush outlines
    std::string edit12 = "BORDO";  // layer of the existing road edge
    std::string lped = "40";       // length of each search line, m
    bool cb1 = false;              // draw the tree-search cells (never shown)
    bool cb2 = false;              // draw the clearing search lines (never shown)
    bool cb3 = false;              // draw the strip polygons (never shown)
    std::string AlignEdit6;        // total cultivated-land clearing area, m2
    std::string edit5;             // total bush clearing area, m2
    std::string edit6;             // total number of trees
};

// "Lombadas, Caixas de Retenção e  Bigodes"
struct SpeedBumpTab {
    SpeedBumpTab();
    Grid sglomb;
    std::string AlignEdit1 = "2.00";   // standard elevation difference between bumps, m
    std::string AlignEdit2 = "35.00";  // minimum distance to the low end of a stretch, m
    std::string AlignEdit3 = "3.50";   // cross-section area of a bump, m2
    std::string AlignEdit4 = "2.00";   // volume of one retention box, m3
    std::string AlignEdit5 = "35.00";  // volume of one outlet, m3
    bool CheckBox1 = true;             // count the bumps
    bool CheckBox2 = true;             // count the retention boxes
    bool CheckBox3 = true;             // count the outlets
    std::string Edit13 = "LOMBADA";    // block of the bump symbol on the profile
    std::string Edit15 = "CXDIR";      // block names kept in the report file only
    std::string Edit16 = "CXESQ";
    std::string Edit17 = "BIGDIR";
    std::string Edit18 = "BIGESQ";
    std::string ed1, ed2;              // bumps: count, volume
    std::string ed3, ed4;              // retention boxes: count, volume
    std::string ed5, ed6;              // outlets: count, volume
};

// "Drenagem"
struct DrainageTab {
    DrainageTab();
    Grid sgdren;
    std::string b4 = "BUEIRO2";  // layer of the plan points of 0.40 m culverts
    std::string b6 = "BUEIRO";   // layer of the plan points of 0.60 m culverts
    std::string bl4 = "BSTC40";  // block of the 0.40 m culvert on the profile
    std::string bl6 = "BSTC60";  // block of the 0.60 m culvert on the profile
    std::string tb4;             // total metres of 0.40 m pipe
    std::string tb6;             // total metres of 0.60 m pipe
    std::string tvb;             // total culvert excavation, m3
    std::string tvr;             // total culvert backfill, m3
    std::string tvv;             // total lateral-ditch volume, m3
};

// "Orçamento"
struct BudgetTab {
    BudgetTab();
    Grid sgorc;
    std::string Edit8;                  // municipality ("Município:")
    std::string Edit9;                  // micro-basin ("Microbacia:")
    std::string Edit10;                 // road stretch ("Trecho:")
    std::string edit11;                 // extension of the road, km
    std::string edit14 = "01/11/1999";  // base date of the prices (mirror of the configuration)
    std::string Label63;                // name of the default configuration ("Padrão:")
    bool cbcult = true;                 // clearing: count cultivated land
    bool cbmato = true;                 // clearing: count bush
    bool CheckBox4 = true;              // smoothing: count accumulated cut
    bool CheckBox5 = false;             // smoothing: count accumulated fill
    std::string Label26 = "CUSTO TOTAL DA OBRA: ";
    std::string Label43;                // total cost of the work
    // Per-km analysis, groups 1 to 9: name label and value label.
    std::string Label27, Label35, Label28, Label36, Label29, Label37, Label30, Label38, Label31, Label39;
    std::string Label64, Label65, Label68, Label69, Label70, Label71, Label72, Label73;
    std::string Label32 = "T O T A L";
    std::string Label40 = "    ";       // total per km; blank until a budget is computed

    // Name and value label of analysis line i (1 to 9).
    std::string& AnalysisName(int i);
    std::string& AnalysisValue(int i);
};

// A named text field of the session, for generic access (batch output, binding
// widgets, the quantity report file).
struct FieldRef {
    enum Kind { Edit, Check, Label };
    const char* tab;   // tab component name: "tsabau", ...
    const char* name;  // component name: "edit2", ...
    Kind kind;
    std::string* text = nullptr;  // Edit and Label
    bool* check = nullptr;        // Check
};

struct Session {
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::string suiteDir;    // the suite folder: dorvan.ini, secao_tipo/, simbolos/ ...
    ProjectModel project;
    ServiceNoteTab nota;     // tsnota
    CrownTab crown;          // tsabau
    ClearingTab clearing;    // tslimp
    SpeedBumpTab bumps;      // tslomb
    DrainageTab drainage;    // tsdren
    BudgetTab budget;        // tsresum

    // Every grid, in tab order, estgrid last.
    std::vector<Grid*> Grids();
    Grid* FindGrid(const std::string& name);
    // Every edit box, check box and label, in tab order.
    std::vector<FieldRef> Fields();
    FieldRef* FindField(std::vector<FieldRef>& fields, const std::string& name);
};

}  // namespace engine
