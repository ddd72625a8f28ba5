#pragma once
// A small CAD application for the bridge's tests: entities in memory, selection sets,
// a scripted user pick, and a script of failures and busy rejections with a call log.
#include <climits>
#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/cad/ApplicationRegistry.h"
#include "engine/cad/BusyRetry.h"
#include "engine/cad/CadBridge.h"
#include "engine/cad/CadModel.h"
#include "engine/cad/RandomSource.h"
#include "engine/cad/WindowSystem.h"
#include "engine/session/RecordingInteraction.h"

namespace fakecad {

using namespace engine;
using namespace engine::cad;

inline constexpr int kAlways = INT_MAX;

inline bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Every call of the fake goes through Hit: it is logged ("Add TEMP"), and fails or is
// rejected as busy as often as the script says, keyed by the call ("Add") or by the
// call with its detail ("Add TEMP").
struct Script {
    std::vector<std::string> log;
    std::map<std::string, int> failures;  // CadError this many times
    std::map<std::string, int> busy;      // CadBusyError (retry later) this many times
    std::map<std::string, std::set<int>> failNth;  // CadError on these calls (1 = the first)

    void Hit(const std::string& call, const std::string& detail = "") {
        const std::string full = detail.empty() ? call : call + " " + detail;
        log.push_back(full);
        for (const std::string& key : {full, call}) {
            auto nth = failNth.find(key);
            if (nth != failNth.end() && nth->second.count(Count(key))) throw CadError(full + " falhou");
            if (Take(failures, key)) throw CadError(full + " falhou");
            if (Take(busy, key)) throw CadBusyError(full + " ocupado", 2);
        }
    }
    // Calls logged as `entry`, or as `entry` with any detail.
    int Count(const std::string& entry) const {
        int n = 0;
        for (const auto& l : log) n += l == entry || l.rfind(entry + " ", 0) == 0;
        return n;
    }
    bool Logged(const std::string& entry) const { return Count(entry) > 0; }

private:
    static bool Take(std::map<std::string, int>& m, const std::string& key) {
        auto it = m.find(key);
        if (it == m.end() || it->second <= 0) return false;
        if (it->second != kAlways) --it->second;
        return true;
    }
};

class FakeEntity : public Entity {
public:
    FakeEntity(Script& s, std::string type, std::string layer) : script(s), type(std::move(type)), layer(std::move(layer)) {}
    Script& script;
    std::string type, layer, block;
    std::vector<double> coords;  // POINT: x, y, z; LWPOLYLINE: x, y per vertex
    Point3 insertion, start, end;
    std::map<std::string, GroupList> xdata;
    bool deleted = false;

    std::string EntityType() const override { return type; }
    std::vector<double> Coordinates() override {
        script.Hit("Coordinates");
        if (type != "POINT" && type != "LWPOLYLINE") throw CadError(type + " não tem Coordinates");
        return coords;
    }
    Point3 InsertionPoint() override {
        script.Hit("InsertionPoint");
        return insertion;
    }
    Point3 StartPoint() override {
        script.Hit("StartPoint");
        return start;
    }
    Point3 EndPoint() override {
        script.Hit("EndPoint");
        return end;
    }
    GroupList GetXData(const std::string& application) override {
        script.Hit("GetXData", application);
        for (auto& [app, data] : xdata)
            if (SameText(app, application)) return data;
        return {};
    }
    void SetXData(const GroupList& data) override {
        script.Hit("SetXData", data.empty() ? "" : data[0].value);
        xdata[data.at(0).value] = data;
    }
    void Delete() override {
        script.Hit("Entity.Delete");
        deleted = true;
    }
};
using FakeEntityPtr = std::shared_ptr<FakeEntity>;

struct Drawing;

class FakeSelectionSet : public SelectionSet {
public:
    FakeSelectionSet(Drawing& d, std::string n) : drawing(d), name(std::move(n)) {}
    Drawing& drawing;
    std::string name;
    std::vector<FakeEntityPtr> items;

    std::string Name() const override { return name; }
    void Clear() override;
    void Select(int mode, const Point3&, const Point3&, const GroupList& filter) override;
    void SelectOnScreen() override;
    int Count() override;
    EntityPtr Item(int index) override;
    void Delete() override;
};

class FakeSelectionSets : public SelectionSets {
public:
    explicit FakeSelectionSets(Drawing& d) : drawing(d) {}
    Drawing& drawing;
    int Count() override;
    SelectionSetPtr Item(int index) override;
    SelectionSetPtr Item(const std::string& name) override;
    SelectionSetPtr Add(const std::string& name) override;
};

class FakeModelSpace : public ModelSpace {
public:
    explicit FakeModelSpace(Drawing& d) : drawing(d) {}
    Drawing& drawing;
    EntityPtr AddLine(const Point3& start, const Point3& end) override;
    EntityPtr AddLightWeightPolyline(const std::vector<double>& xy) override;
    EntityPtr InsertBlock(const Point3& at, const std::string& nameOrPath, double xs, double ys, double zs,
                          double rotation) override;
};

// The open drawing: entities, selection sets, block names it defines, the user's pick.
struct Drawing : public Document {
    explicit Drawing(Script& s) : script(s), sets(*this), model(*this) {}
    Script& script;
    std::string name = "Desenho1.dwg";
    std::vector<FakeEntityPtr> entities;
    std::vector<std::shared_ptr<FakeSelectionSet>> selectionSets;
    std::vector<std::string> blocks;
    std::vector<FakeEntityPtr> picks;  // what the user picks on screen
    std::vector<double> insertScales;  // xs, ys, zs, rotation of the last insertion
    FakeSelectionSets sets;
    FakeModelSpace model;

    FakeEntityPtr Add(const std::string& type, const std::string& layer) {
        auto e = std::make_shared<FakeEntity>(script, type, layer);
        entities.push_back(e);
        return e;
    }
    FakeEntityPtr AddPoint(const std::string& layer, double x, double y) {
        auto e = Add("POINT", layer);
        e->coords = {x, y, 0};
        return e;
    }
    FakeEntityPtr AddPolyline(const std::string& layer, std::vector<double> xy) {
        auto e = Add("LWPOLYLINE", layer);
        e->coords = std::move(xy);
        return e;
    }
    FakeEntityPtr AddLineEntity(const std::string& layer, Point3 a, Point3 b) {
        auto e = Add("LINE", layer);
        e->start = a;
        e->end = b;
        return e;
    }
    FakeEntityPtr AddInsert(const std::string& block, double x, double y) {
        auto e = Add("INSERT", "0");
        e->block = block;
        e->insertion = {x, y, 0};
        return e;
    }
    std::shared_ptr<FakeSelectionSet> AddUserSet(const std::string& setName) {
        auto s = std::make_shared<FakeSelectionSet>(*this, setName);
        selectionSets.push_back(s);
        return s;
    }
    std::vector<std::string> SetNames() const {
        std::vector<std::string> out;
        for (auto& s : selectionSets) out.push_back(s->name);
        return out;
    }
    std::vector<FakeEntityPtr> Live(const std::string& type) const {
        std::vector<FakeEntityPtr> out;
        for (auto& e : entities)
            if (!e->deleted && e->type == type) out.push_back(e);
        return out;
    }

    std::string Name() override {
        script.Hit("Name");
        return name;
    }
    std::intptr_t Hwnd() override {
        script.Hit("Hwnd");
        return 4711;
    }
    VariableValue GetVariable(const std::string& variable) override {
        script.Hit("GetVariable", variable);
        if (variable == "VIEWSIZE") return {250};
        if (variable == "VIEWCTR") return {10, 20, 0};
        if (variable == "VSMAX") return {1000, 800, 0};
        if (variable == "VSMIN") return {-1000, -800, 0};
        throw CadError("variável desconhecida " + variable);
    }
    SelectionSets& Selections() override {
        script.Hit("SelectionSets");
        return sets;
    }
    ModelSpace& Model() override {
        script.Hit("ModelSpace");
        return model;
    }
};

inline void FakeSelectionSet::Clear() {
    drawing.script.Hit("Clear", name);
    items.clear();
}
inline void FakeSelectionSet::Select(int mode, const Point3&, const Point3&, const GroupList& filter) {
    drawing.script.Hit("Select", name);
    if (mode != 5) throw CadError("modo de seleção não suportado");
    items.clear();
    for (auto& e : drawing.entities) {
        if (e->deleted) continue;
        bool match = true;
        for (const Group& g : filter) {
            if (g.code == 0) match = match && SameText(e->type, g.value);
            else if (g.code == 8) match = match && SameText(e->layer, g.value);
            else if (g.code == 2) match = match && SameText(e->block, g.value);
            else if (g.code == 1001) match = match && e->xdata.count(g.value) > 0;
            else match = false;
        }
        if (match) items.push_back(e);
    }
}
inline void FakeSelectionSet::SelectOnScreen() {
    drawing.script.Hit("SelectOnScreen", name);
    for (auto& e : drawing.picks) items.push_back(e);
}
inline int FakeSelectionSet::Count() {
    drawing.script.Hit("Count", name);
    return static_cast<int>(items.size());
}
inline EntityPtr FakeSelectionSet::Item(int index) {
    drawing.script.Hit("Item", name);
    return items.at(index);
}
inline void FakeSelectionSet::Delete() {
    drawing.script.Hit("Delete", name);
    auto& v = drawing.selectionSets;
    for (auto it = v.begin(); it != v.end(); ++it)
        if (it->get() == this) {
            v.erase(it);
            return;
        }
}

inline int FakeSelectionSets::Count() {
    drawing.script.Hit("Sets.Count");
    return static_cast<int>(drawing.selectionSets.size());
}
inline SelectionSetPtr FakeSelectionSets::Item(int index) {
    drawing.script.Hit("Sets.Item", std::to_string(index));
    return drawing.selectionSets.at(index);
}
inline SelectionSetPtr FakeSelectionSets::Item(const std::string& name) {
    drawing.script.Hit("Sets.Item", name);
    for (auto& s : drawing.selectionSets)
        if (SameText(s->name, name)) return s;
    throw CadError("conjunto " + name + " não existe");
}
inline SelectionSetPtr FakeSelectionSets::Add(const std::string& name) {
    drawing.script.Hit("Add", name);
    for (auto& s : drawing.selectionSets)
        if (SameText(s->name, name)) throw CadError("conjunto " + name + " já existe");
    return drawing.AddUserSet(name);
}

inline EntityPtr FakeModelSpace::AddLine(const Point3& start, const Point3& end) {
    drawing.script.Hit("AddLine");
    auto e = drawing.Add("LINE", "0");
    e->start = start;
    e->end = end;
    return e;
}
inline EntityPtr FakeModelSpace::AddLightWeightPolyline(const std::vector<double>& xy) {
    drawing.script.Hit("AddLightWeightPolyline");
    return drawing.AddPolyline("0", xy);
}
inline EntityPtr FakeModelSpace::InsertBlock(const Point3& at, const std::string& nameOrPath, double xs, double ys,
                                             double zs, double rotation) {
    drawing.script.Hit("InsertBlock", nameOrPath);
    bool known = false;
    for (auto& b : drawing.blocks) known = known || SameText(b, nameOrPath);
    if (!known) throw CadError("bloco " + nameOrPath + " não definido");
    drawing.insertScales = {xs, ys, zs, rotation};
    auto e = drawing.AddInsert(nameOrPath, at.x, at.y);
    e->insertion = at;
    return e;
}

class FakeApplication : public Application {
public:
    Script script;
    std::string version = "16.2s (LMS Tech)";
    std::string fullName = "C:\\Arquivos de programas\\AutoCAD\\acad.exe";
    std::string caption = "AutoCAD 2006 - [Desenho1.dwg]";
    bool drawingOpen = true;
    Drawing drawing{script};

    std::string Version() override {
        script.Hit("Version");
        return version;
    }
    std::string FullName() override {
        script.Hit("FullName");
        return fullName;
    }
    std::string Caption() override {
        script.Hit("Caption");
        return caption;
    }
    Document& ActiveDocument() override {
        script.Hit("ActiveDocument");
        if (!drawingOpen) throw CadError("nenhum desenho aberto");
        return drawing;
    }
    void AddDocument() override {
        script.Hit("AddDocument");
        drawingOpen = true;
    }
    void Update() override { script.Hit("Update"); }
};

class FakeClock : public Clock {
public:
    long long now = 1000;
    std::vector<int> sleeps;
    long long NowMs() override { return now; }
    void SleepMs(int ms) override {
        sleeps.push_back(ms);
        now += ms;
    }
};

// Answers from a list, then repeats its last answer.
class ScriptedRandom : public RandomSource {
public:
    std::vector<int> answers{42};
    std::size_t next = 0;
    std::vector<int> bounds;
    int Below(int bound) override {
        bounds.push_back(bound);
        int a = answers[std::min(next, answers.size() - 1)];
        ++next;
        return a;
    }
};

// Windows by title; one of them in the foreground. BringToFront works unless refused.
class FakeWindows : public WindowSystem {
public:
    std::map<std::string, WindowHandle> byTitle;
    std::map<WindowHandle, bool> minimised;
    WindowHandle foreground = 1;
    bool refuseFront = false;
    std::vector<std::string> log;

    WindowHandle FindTopLevelWindow(const std::string& title) override {
        auto it = byTitle.find(title);
        return it == byTitle.end() ? 0 : it->second;
    }
    bool IsMinimised(WindowHandle w) override { return minimised[w]; }
    void Restore(WindowHandle w) override {
        log.push_back("restore " + std::to_string(w));
        minimised[w] = false;
    }
    bool IsForeground(WindowHandle w) override { return foreground == w; }
    void BringToFront(WindowHandle w) override {
        log.push_back("front " + std::to_string(w));
        if (!refuseFront) foreground = w;
    }
};

// A bridge wired to one fake AutoCAD with an open drawing, a fake clock, a scripted
// random source and a fake window system in which the CAD window has handle 77.
struct Rig {
    std::shared_ptr<FakeApplication> app = std::make_shared<FakeApplication>();
    ApplicationRegistry registry;
    FakeWindows windows;
    RecordingInteraction ui;
    FakeClock clock;
    ScriptedRandom random;
    CadBridge bridge{registry, windows, ui, clock};

    Rig() {
        registry.Register(kAutoCadIdentifier, app);
        bridge.SetRandomSource(random);
        windows.byTitle[app->caption] = 77;
    }
    Drawing& dwg() { return app->drawing; }
    Script& script() { return app->script; }
};

}  // namespace fakecad
