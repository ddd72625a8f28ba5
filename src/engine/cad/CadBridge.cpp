#include "engine/cad/CadBridge.h"

#include <algorithm>
#include <exception>

#include "engine/text/Encoding.h"
#include "engine/text/NumberText.h"

namespace engine::cad {

namespace {

constexpr const char* kNotFoundCaption = "Erro: AutoCAD não encontrado!!!";
constexpr const char* kNotFoundText = "O AutoCAD deve estar aberto para que o sistema possa funcionar.";
constexpr const char* kBusyCaption = "Erro no AutoCAD !!!";
constexpr const char* kBusyText =
    "Existe um comando ativo no Autocad.\rFinalize o comando e execute esta função novamente.";

constexpr int kWholeDrawing = 5;  // selection mode: every entity of the drawing

constexpr std::int16_t kGroupEntityType = 0;
constexpr std::int16_t kGroupBlockName = 2;
constexpr std::int16_t kGroupLayer = 8;

}  // namespace

CadBridge::CadBridge(ApplicationRegistry& registry, WindowSystem& windows, Interaction& ui, Clock& clock)
    : registry_(registry), windows_(windows), ui_(ui), clock_(clock) {}

Application& CadBridge::App() {
    if (!CadConnection.AcadApp) throw CadError("Não há conexão com o aplicativo CAD.");
    return *CadConnection.AcadApp;
}

bool CadBridge::ConnectCad() {
    tAcadParams& c = CadConnection;
    c.IsBricscad = false;
    c.IsGstarcad = false;

    ApplicationPtr found;
    for (const std::string& identifier : ApplicationRegistry::ConnectionOrder()) {
        try {
            found = Call([&] { return registry_.GetActiveObject(identifier); });
        } catch (const std::exception&) {
            found = nullptr;  // not running under this identifier
        }
        if (found) {
            c.IsBricscad = identifier == kBricscadIdentifier;
            c.IsGstarcad = identifier == kGstarcadIdentifier;
            break;
        }
    }
    if (!found) {
        // Forget an application that is gone, so that nothing draws into it any more.
        c.AcadApp = nullptr;
        ui_.RaiseMainWindow();
        ui_.ShowMessage(kNotFoundCaption, kNotFoundText, MessageIcon::None, true);
        return false;
    }
    c.AcadApp = found;

    try {
        Probe();
    } catch (const std::exception&) {
        // Busy, a command running, no drawing to be had: the application cannot take
        // commands now, whatever the call that found it out.
        ui_.RaiseMainWindow();
        ui_.ShowMessage(kBusyCaption, kBusyText, MessageIcon::None, true);
        return false;
    }
    return true;
}

// Reads values that nothing else uses, only to fail when the application cannot take
// commands (a command active, a modal dialog open, no drawing).
void CadBridge::Probe() {
    tAcadParams& c = CadConnection;
    Application& app = *c.AcadApp;

    c.AcadVersion = Call([&] { return app.Version(); });
    c.AcadFullName = Call([&] { return app.FullName(); });
    // The major version is the number the first two characters form ("16.2" -> 16);
    // anything else means the answer cannot be trusted.
    auto major = ParseInteger(LeftChars(c.AcadVersion, 2), true);
    if (!major) throw CadError("Versão do aplicativo CAD não reconhecida: '" + c.AcadVersion + "'.");
    c.AcadMajorVersion = static_cast<int>(*major);
    const std::string caption = Call([&] { return app.Caption(); });

    try {
        Call([&] { return app.ActiveDocument().Name(); });
    } catch (const std::exception&) {
        // No drawing open: open a new one and ask again.
        Call([&] { app.AddDocument(); });
        Call([&] { return app.ActiveDocument().Name(); });
    }

    c.AcadWindow = windows_.FindTopLevelWindow(caption);

    if (c.AcadMajorVersion > 14) Call([&] { return app.ActiveDocument().Hwnd(); });

    c.ViewSize = Call([&] { return app.ActiveDocument().GetVariable("VIEWSIZE"); });
    c.ViewCtr = Call([&] { return app.ActiveDocument().GetVariable("VIEWCTR"); });
    c.VsMax = Call([&] { return app.ActiveDocument().GetVariable("VSMAX"); });
    c.VsMin = Call([&] { return app.ActiveDocument().GetVariable("VSMIN"); });

    c.SelectionSetName = NewSelectionSetName();
}

void CadBridge::DeleteAllSelectionSets() {
    const int count = Call([&] { return App().ActiveDocument().Selections().Count(); });
    // From the last down, fetching the collection anew for each deletion.
    for (int i = count - 1; i >= 0; --i) Call([&] { App().ActiveDocument().Selections().Item(i)->Delete(); });
}

void CadBridge::DeleteAllSelectionSetsIgnoringErrors() {
    try {
        DeleteAllSelectionSets();
    } catch (const std::exception&) {
        // A set that will not go away does no harm to the selection that follows.
    }
}

std::string CadBridge::NewSelectionSetName() {
    DeleteAllSelectionSets();
    int number = 0;
    while (number == 0) number = random_->Below(10000);
    std::string digits = std::to_string(number);
    return "SELECAO" + std::string(5 - digits.size(), '0') + digits;
}

SelectionSetPtr CadBridge::AddWorkSelection() {
    return Call([&] { return App().ActiveDocument().Selections().Add(kWorkSelectionName); });
}

bool CadBridge::SelectEntityPositions(const std::string& entityType, const std::string& filterText) {
    if (!ConnectCad()) return false;
    CadPositionCount = 0;
    DeleteAllSelectionSetsIgnoringErrors();
    WorkSelection = AddWorkSelection();

    // Block references go by block name, everything else by layer.
    const bool blocks = entityType == "INSERT";
    const GroupList filter{{kGroupEntityType, entityType}, {blocks ? kGroupBlockName : kGroupLayer, filterText}};
    SelectionSet& set = *WorkSelection;
    Call([&] { set.Clear(); });
    Call([&] { set.Select(kWholeDrawing, Point3{}, Point3{}, filter); });
    const int n = std::max(0, Call([&] { return set.Count(); }));

    CadPositions.resize(n + 2);
    for (int i = 0; i < n; ++i) {
        EntityPtr entity = Call([&] { return set.Item(i); });
        MarkPoint position;
        if (blocks) {
            Point3 p = Call([&] { return entity->InsertionPoint(); });
            position = {p.x, p.y};
        } else {
            std::vector<double> xyz = Call([&] { return entity->Coordinates(); });
            if (xyz.size() < 2) throw CadError("Entidade " + entityType + " sem coordenadas na camada " + filterText + ".");
            position = {xyz[0], xyz[1]};
        }
        ++CadPositionCount;
        CadPositions[CadPositionCount] = position;
    }
    return true;
}

bool CadBridge::ReadLayerPolylines(const std::string& layer, std::vector<PolylineRecord>& list, int& count) {
    if (!ConnectCad()) return false;
    count = 0;
    DeleteAllSelectionSetsIgnoringErrors();
    WorkSelection = AddWorkSelection();
    SelectionSet& set = *WorkSelection;

    // Coordinates come as numbers, never through text, so the user's locale plays no part.
    const GroupList polylines{{kGroupEntityType, "LWPOLYLINE"}, {kGroupLayer, layer}};
    Call([&] { set.Clear(); });
    Call([&] { set.Select(kWholeDrawing, Point3{}, Point3{}, polylines); });
    const int n = std::max(0, Call([&] { return set.Count(); }));
    list.resize(n + 2);
    for (int i = 0; i < n; ++i) {
        EntityPtr entity = Call([&] { return set.Item(i); });
        std::vector<double> xy = Call([&] { return entity->Coordinates(); });
        // Whole vertices only: a stray odd coordinate has no partner to pair with.
        const std::size_t vertices = xy.size() / 2;
        PolylineRecord& record = list[++count];
        record.X.resize(vertices);
        record.Y.resize(vertices);
        for (std::size_t j = 0; j < vertices; ++j) {
            record.X[j] = xy[2 * j];
            record.Y[j] = xy[2 * j + 1];
        }
        record.VertexCount = static_cast<int>(vertices);
    }

    // The lines of the layer follow, each as a polyline of two vertices. The set is
    // cleared first so that a back end whose Select adds to the set gives the same lists.
    const GroupList lines{{kGroupEntityType, "LINE"}, {kGroupLayer, layer}};
    Call([&] { set.Clear(); });
    Call([&] { set.Select(kWholeDrawing, Point3{}, Point3{}, lines); });
    const int m = std::max(0, Call([&] { return set.Count(); }));
    list.resize(n + m + 2);
    for (int i = 0; i < m; ++i) {
        EntityPtr entity = Call([&] { return set.Item(i); });
        Point3 start = Call([&] { return entity->StartPoint(); });
        Point3 end = Call([&] { return entity->EndPoint(); });
        PolylineRecord& record = list[++count];
        record.X = {start.x, end.x};
        record.Y = {start.y, end.y};
        record.VertexCount = 2;
    }
    return true;
}

EntityPtr CadBridge::DrawLine(double x1, double y1, double x2, double y2) {
    return Call([&] { return App().ActiveDocument().Model().AddLine(Point3{x1, y1, 0}, Point3{x2, y2, 0}); });
}

EntityPtr CadBridge::DrawPolyline(const std::vector<MarkPoint>& vertices) {
    std::vector<double> xy;
    xy.reserve(vertices.size() * 2);
    for (const MarkPoint& v : vertices) {
        xy.push_back(static_cast<double>(v.X));
        xy.push_back(static_cast<double>(v.Y));
    }
    return Call([&] { return App().ActiveDocument().Model().AddLightWeightPolyline(xy); });
}

EntityPtr CadBridge::InsertBlockAt(const std::string& blockNameOrPath, double x, double y) {
    return Call([&] {
        return App().ActiveDocument().Model().InsertBlock(Point3{x, y, 0}, blockNameOrPath, 1, 1, 1, 0);
    });
}

void CadBridge::DeleteEntity(const EntityPtr& entity) {
    if (!entity) return;
    Call([&] { entity->Delete(); });
}

void CadBridge::RefreshCad() {
    Call([&] { App().Update(); });
}

}  // namespace engine::cad
