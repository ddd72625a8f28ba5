#include "engine/cad/ProfileBinding.h"

#include <exception>

namespace engine::cad {

namespace {

constexpr int kWholeDrawing = 5;
constexpr std::int16_t kGroupApplication = 1001;
constexpr std::int16_t kGroupText = 1000;

// Entries of the tag: 0 application name, 1 project identity, 2 vertical
// exaggeration, 3 initial elevation, 4 initial chainage.
constexpr std::size_t kTagEntries = 5;

// A fresh work set "TEMP"; when one cannot be added (it is left over and could not be
// deleted), the existing one.
SelectionSetPtr TempSelection(CadBridge& bridge) {
    try {
        bridge.DeleteAllSelectionSets();
        return bridge.Call([&] { return bridge.App().ActiveDocument().Selections().Add(kWorkSelectionName); });
    } catch (const std::exception&) {
        return bridge.Call([&] { return bridge.App().ActiveDocument().Selections().Item(kWorkSelectionName); });
    }
}

GroupList ReadTag(CadBridge& bridge, const EntityPtr& entity) {
    return bridge.Call([&] { return entity->GetXData(kProfileApplication); });
}

// Takes the three parameter texts of a tag; a tag too short to hold them is an error
// the user must see, not a profile to guess at.
void TakeTexts(const GroupList& tag, ReferenceProfile& profile) {
    if (tag.size() < kTagEntries)
        throw CadError("Os dados " + std::string(kProfileApplication) + " da polilinha do perfil têm " +
                       std::to_string(tag.size()) + " entradas; são esperadas " + std::to_string(kTagEntries) + ".");
    profile.ExaggerationText = tag[2].value;
    profile.InitialElevationText = tag[3].value;
    profile.InitialChainageText = tag[4].value;
}

bool TextsComplete(const ReferenceProfile& p) {
    return !p.ExaggerationText.empty() && !p.InitialElevationText.empty() && !p.InitialChainageText.empty();
}

// The first vertex of the profile polyline becomes the origin.
void TakeOrigin(CadBridge& bridge, const EntityPtr& entity, ReferenceProfile& profile) {
    std::vector<double> xy = bridge.Call([&] { return entity->Coordinates(); });
    if (xy.size() < 2) throw CadError("A entidade escolhida como perfil de referência não tem vértices.");
    profile.X0 = xy[0];
    profile.Y0 = xy[1];
}

}  // namespace

bool BindReferenceProfile(CadBridge& bridge, const ProjectModel& project) {
    if (!bridge.ConnectCad()) return false;

    // The record changes only when a binding succeeds; until then the callers go on
    // with the last bound profile.
    ReferenceProfile bound = bridge.Profile;

    // A polyline already tagged binds without a question, whatever project it names.
    SelectionSetPtr search = TempSelection(bridge);
    const GroupList tagged{{kGroupApplication, kProfileApplication}};
    bridge.Call([&] { search->Select(kWholeDrawing, Point3{}, Point3{}, tagged); });
    if (bridge.Call([&] { return search->Count(); }) > 0) {
        EntityPtr entity = bridge.Call([&] { return search->Item(0); });
        TakeTexts(ReadTag(bridge, entity), bound);
        if (TextsComplete(bound)) {
            TakeOrigin(bridge, entity, bound);
            bridge.Profile = bound;
            return true;
        }
    }

    // Otherwise the user picks the profile polyline in the CAD window.
    SelectionSetPtr pick = TempSelection(bridge);
    bridge.CadObject = pick;
    bridge.Call([&] { pick->Clear(); });
    bridge.Ui().ShowMessage("Selecionar", "Selecione o Perfil de Referência.", MessageIcon::None, false);
    ForceForegroundWindow(bridge.Windows(), bridge.CadConnection.AcadWindow);
    bridge.Call([&] { pick->SelectOnScreen(); });
    if (bridge.Call([&] { return pick->Count(); }) == 0) {
        bridge.Ui().ShowMessage("", "Nada selecionado. Processo abortado.", MessageIcon::None, true);
        return false;
    }
    EntityPtr entity = bridge.Call([&] { return pick->Item(0); });
    const GroupList tag = ReadTag(bridge, entity);
    const std::string identity = tag.size() > 1 ? tag[1].value : std::string();

    // The origin is read before anything is asked or written: an entity without
    // vertices fails here, and is not left tagged as a profile it cannot be.
    TakeOrigin(bridge, entity, bound);

    bool ask = true;
    if (!identity.empty() && identity == project.AlignmentFileName) {
        TakeTexts(tag, bound);
        // A tag of this project with a parameter left empty would bind a profile that no
        // caller can use, every time the polyline is picked; ask again instead.
        ask = !TextsComplete(bound);
    }
    if (ask) {
        ProfileDialogTexts initial;
        initial.initialElevation = project.estgrid.Cell(6, 1);  // ground elevation of the first station
        initial.initialChainage = project.estgrid.Cell(3, 1);   // chainage of the first station
        initial.exaggeration = "10";
        ProfileDialogTexts typed = bridge.Ui().AskProfileData(initial);
        bound.ExaggerationText = typed.exaggeration;
        bound.InitialElevationText = typed.initialElevation;
        bound.InitialChainageText = typed.initialChainage;
        const GroupList newTag{{kGroupApplication, kProfileApplication},
                               {kGroupText, project.AlignmentFileName},
                               {kGroupText, bound.ExaggerationText},
                               {kGroupText, bound.InitialElevationText},
                               {kGroupText, bound.InitialChainageText}};
        bridge.Call([&] { entity->SetXData(newTag); });
    }

    bridge.Profile = bound;
    return true;
}

}  // namespace engine::cad
