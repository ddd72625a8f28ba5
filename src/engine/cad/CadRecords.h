#pragma once
// The plain records the CAD bridge fills and the calculators read.
#include <string>
#include <vector>

#include "engine/cad/CadModel.h"
#include "engine/cad/WindowSystem.h"

namespace engine::cad {

// A position read from the drawing: X east, Y north.
struct MarkPoint {
    long double X = 0;
    long double Y = 0;
};

// A polyline read from the drawing: vertex j is (X[j], Y[j]) for j < VertexCount.
// X and Y hold as many vertices as the polyline has; there is no fixed limit.
struct PolylineRecord {
    std::vector<double> X;
    std::vector<double> Y;
    int VertexCount = 0;
};

// The connection record, re-read by every ConnectCad. Only AcadApp and AcadWindow are
// used afterwards; the other fields record what the last connection saw.
struct tAcadParams {
    ApplicationPtr AcadApp;         // the CAD application; every call goes through it
    int AcadMajorVersion = 0;       // first two characters of the version text, as a number
    WindowHandle AcadWindow = 0;    // main window of the CAD application, found by its caption
    VariableValue ViewSize;         // drawing variables at the last connection
    VariableValue ViewCtr;
    VariableValue VsMax;
    VariableValue VsMin;
    std::string SelectionSetName;   // made by NewSelectionSetName at the last connection
    std::string AcadVersion;        // version text of the application
    std::string AcadFullName;       // full name of the application
    bool IsBricscad = false;        // the last connection reached BricsCAD
    bool IsGstarcad = false;        // the last connection reached GstarCAD
};

}  // namespace engine::cad
