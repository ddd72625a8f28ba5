#pragma once
// The program's side of the CAD bridge: finds the running CAD application, checks that
// it can take commands, selects entities of the open drawing into plain coordinate
// lists and draws lines, polylines and block references back. Calculators take a
// CadBridge& and never call the CAD object model themselves; every call into it goes
// through the busy-call retry.
//
// There is no lasting connection: every operation that reads the drawing, and every
// drawing run, calls ConnectCad first, which finds the application again and deletes
// every selection set of the drawing. The lists stay filled until their next fill.
#include <string>
#include <variant>
#include <vector>

#include "engine/cad/ApplicationRegistry.h"
#include "engine/cad/BusyRetry.h"
#include "engine/cad/CadModel.h"
#include "engine/cad/CadRecords.h"
#include "engine/cad/RandomSource.h"
#include "engine/cad/ReferenceProfile.h"
#include "engine/cad/WindowSystem.h"
#include "engine/session/Interaction.h"

namespace engine::cad {

// Name of the work selection set of the selection operations.
inline constexpr const char* kWorkSelectionName = "TEMP";

class CadBridge {
public:
    CadBridge(ApplicationRegistry& registry, WindowSystem& windows, Interaction& ui,
              Clock& clock = DefaultClock());
    CadBridge(const CadBridge&) = delete;
    CadBridge& operator=(const CadBridge&) = delete;

    // Replaces the clock-seeded source of the selection-set names.
    void SetRandomSource(RandomSource& random) { random_ = &random; }

    // --- State, read by the calculators -------------------------------------------
    tAcadParams CadConnection;
    SelectionSetPtr WorkSelection;  // the set "TEMP" of the last selection operation
    // The drawing object of the moment: the set of the reference-profile pick, or a
    // block reference a caller inserted to delete right away.
    std::variant<std::monostate, SelectionSetPtr, EntityPtr> CadObject;
    // Positions of the last SelectEntityPositions, numbered from 1 (entry 0 unused).
    std::vector<MarkPoint> CadPositions;
    int CadPositionCount = 0;
    // Polylines (then lines) of the clearing and existing-edge layers, numbered from 1.
    std::vector<PolylineRecord> ClearingPolylines;
    int ClearingPolylineCount = 0;
    std::vector<PolylineRecord> EdgePolylines;
    int EdgePolylineCount = 0;
    // The last bound reference profile (BindReferenceProfile).
    ReferenceProfile Profile;

    // --- Operations -----------------------------------------------------------------
    // Finds the running application (AutoCAD, BricsCAD, GstarCAD, then the versioned
    // AutoCAD identifiers) and probes that it can take commands. On failure tells the
    // user and returns false.
    bool ConnectCad();
    // Deletes every selection set of the active document, also those of the user.
    void DeleteAllSelectionSets();
    // Deletes every selection set and returns "SELECAO" + five digits (1 to 9999).
    std::string NewSelectionSetName();
    // Connects, then fills CadPositions with the entities of one type: "INSERT" by block
    // name (insertion points), any other type by layer (first two coordinates). False
    // when the connection failed (the list is left as it was).
    bool SelectEntityPositions(const std::string& entityType, const std::string& filterText);
    // Connects, then fills the list with the layer's lightweight polylines followed by
    // its lines (as two-vertex polylines), numbered from 1; the list is sized to
    // count + 2 and entries past the count keep what they held. False when the
    // connection failed (list and count left as they were).
    bool ReadLayerPolylines(const std::string& layer, std::vector<PolylineRecord>& list, int& count);
    // Drawing into the model space of the active document; none of these connects.
    EntityPtr DrawLine(double x1, double y1, double x2, double y2);
    EntityPtr DrawPolyline(const std::vector<MarkPoint>& vertices);
    // A reference of a block of the drawing, or of a drawing file given by its path,
    // at (x, y, 0), scales 1, 1, 1, rotation 0.
    EntityPtr InsertBlockAt(const std::string& blockNameOrPath, double x, double y);
    void DeleteEntity(const EntityPtr& entity);
    // Redraws the application's display.
    void RefreshCad();

    // --- For the bridge's own helpers (reference profile) ---------------------------
    // Runs one call into the CAD object model under the busy-call retry.
    template <class F>
    auto Call(F&& call) -> decltype(call()) {
        return CallWithRetry(std::forward<F>(call), clock_);
    }
    // The connected application; CadError when no connection was ever made.
    Application& App();
    Interaction& Ui() { return ui_; }
    WindowSystem& Windows() { return windows_; }

private:
    void Probe();
    SelectionSetPtr AddWorkSelection();
    void DeleteAllSelectionSetsIgnoringErrors();

    ApplicationRegistry& registry_;
    WindowSystem& windows_;
    Interaction& ui_;
    Clock& clock_;
    ClockSeededRandom ownRandom_;
    RandomSource* random_ = &ownRandom_;
};

}  // namespace engine::cad
