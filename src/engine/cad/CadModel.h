#pragma once
// The CAD application's object model as the bridge sees it: application, documents,
// document, selection sets, selection set, model space, entities with extended data.
// The drawing workspace implements it on Linux; a COM back end would on Windows;
// tests implement it with fakes. Calls that fail raise CadError; a call rejected by
// a busy application raises CadBusyError, which the bridge retries (BusyRetry.h).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/Errors.h"

namespace engine::cad {

struct Point3 {
    double x = 0, y = 0, z = 0;
};

// One group of a selection filter or of extended data: group code and value as text
// (0 entity type, 2 block name, 8 layer, 1001 application name, 1000 text).
struct Group {
    std::int16_t code = 0;
    std::string value;
    bool operator==(const Group&) const = default;
};
using GroupList = std::vector<Group>;

class Entity {
public:
    virtual ~Entity() = default;
    // "POINT", "LINE", "LWPOLYLINE", "POLYLINE", "INSERT", ...
    virtual std::string EntityType() const = 0;
    // POINT: x, y, z; LWPOLYLINE: x, y per vertex. Other entities raise CadError.
    virtual std::vector<double> Coordinates() = 0;
    virtual Point3 InsertionPoint() = 0;  // INSERT
    virtual Point3 StartPoint() = 0;      // LINE
    virtual Point3 EndPoint() = 0;        // LINE
    // The entity's extended data of one application, starting with its (1001, name)
    // group; empty when it has none.
    virtual GroupList GetXData(const std::string& application) = 0;
    // Replaces the data of the application named by the first group (code 1001).
    virtual void SetXData(const GroupList& data) = 0;
    virtual void Delete() = 0;
};
using EntityPtr = std::shared_ptr<Entity>;

class SelectionSet {
public:
    virtual ~SelectionSet() = default;
    virtual std::string Name() const = 0;
    virtual void Clear() = 0;
    // mode 5 selects from the whole drawing; p1, p2 are unused then. The set then holds
    // exactly the entities that match every filter group.
    virtual void Select(int mode, const Point3& p1, const Point3& p2, const GroupList& filter) = 0;
    // Waits for the user's pick; adds what was picked (nothing when none).
    virtual void SelectOnScreen() = 0;
    virtual int Count() = 0;
    virtual EntityPtr Item(int index) = 0;  // from 0
    virtual void Delete() = 0;
};
using SelectionSetPtr = std::shared_ptr<SelectionSet>;

class SelectionSets {
public:
    virtual ~SelectionSets() = default;
    virtual int Count() = 0;
    virtual SelectionSetPtr Item(int index) = 0;
    virtual SelectionSetPtr Item(const std::string& name) = 0;  // CadError when absent
    virtual SelectionSetPtr Add(const std::string& name) = 0;   // CadError when the name is taken
};

class ModelSpace {
public:
    virtual ~ModelSpace() = default;
    virtual EntityPtr AddLine(const Point3& start, const Point3& end) = 0;
    // Coordinates x0, y0, x1, y1, ...
    virtual EntityPtr AddLightWeightPolyline(const std::vector<double>& xy) = 0;
    // Reference of a block the drawing defines, or of a drawing file given by path;
    // CadError for a block that cannot be found.
    virtual EntityPtr InsertBlock(const Point3& at, const std::string& nameOrPath, double xs, double ys,
                                  double zs, double rotation) = 0;
};

// A value of a drawing variable (VIEWSIZE is one number, VIEWCTR a point ...).
using VariableValue = std::vector<double>;

class Document {
public:
    virtual ~Document() = default;
    virtual std::string Name() = 0;
    virtual std::intptr_t Hwnd() = 0;
    virtual VariableValue GetVariable(const std::string& name) = 0;
    virtual SelectionSets& Selections() = 0;
    virtual ModelSpace& Model() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual std::string Version() = 0;
    virtual std::string FullName() = 0;
    virtual std::string Caption() = 0;  // title of the main window
    // The open drawing; CadError when none is open.
    virtual Document& ActiveDocument() = 0;
    // Documents.Add with the template left out: opens a new drawing.
    virtual void AddDocument() = 0;
    virtual void Update() = 0;
};
using ApplicationPtr = std::shared_ptr<Application>;

}  // namespace engine::cad
