#pragma once
// The drawing store: an ASCII DXF drawing open in memory. It answers what the drawing
// holds (entities of model space with their geometry and extended data, layers, block
// definitions), takes the additions and changes the system makes, tells listeners of
// them as they happen, and saves without losing what the system did not touch.
//
// Entity ids are stable for the life of the store; a deleted entity keeps its id and
// is flagged. Edits that the drawing cannot take raise CadError; files that cannot be
// read or written raise DrawingError.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/cad/CadModel.h"
#include "engine/cad/dxf/DxfContent.h"

namespace engine::dxf {

class DxfDrawing {
public:
    enum class Change { Added, Removed, Changed, Refreshed };
    using Listener = std::function<void(Change, EntityId)>;

    // Reads the file; DrawingError (in Portuguese, naming the file) when it cannot be
    // read, is binary DXF or DWG, or is malformed.
    static std::unique_ptr<DxfDrawing> Open(const std::string& path);
    // A drawing from bytes in memory, with no file yet; `name` is used in messages.
    static std::unique_ptr<DxfDrawing> FromBytes(std::string bytes, const std::string& name);
    // An empty R12 drawing, saved only with SaveAs.
    static std::unique_ptr<DxfDrawing> NewEmpty(const std::string& name);

    const std::string& Path() const { return path_; }  // empty until saved
    const std::string& Name() const { return name_; }  // file name without folder
    const std::string& Version() const { return content_.version; }
    const DrawingContent& Content() const { return content_; }

    // Every entity the store holds, id = index + 1: model space and block definitions,
    // deleted ones flagged.
    const std::vector<DrawingEntity>& Entities() const { return content_.entities; }
    // The entity, or nullptr when there is none of that id or it was deleted.
    const DrawingEntity* Find(EntityId id) const;
    const std::vector<Layer>& Layers() const { return content_.layers; }
    const std::vector<BlockDefinition>& Blocks() const { return content_.blocks; }
    // A block a reference may name (any case); nullptr for unknown, anonymous and
    // layout blocks.
    const BlockDefinition* FindBlock(std::string_view name) const;
    // The box around model space, from its geometry; false when it has none.
    bool Extents(cad::Point3& min, cad::Point3& max) const;

    // Additions to model space, on the drawing's current layer ($CLAYER).
    EntityId AddLine(const cad::Point3& start, const cad::Point3& end);
    // x0, y0, x1, y1, ...: at least two vertices. A drawing older than R14 has no
    // lightweight polylines: it gets a 2D POLYLINE.
    EntityId AddPolyline(const std::vector<double>& xy);
    // Rotation in degrees, as the file holds it. CadError when the block is not defined.
    EntityId AddInsert(const cad::Point3& at, const std::string& blockName, double xscale, double yscale, double zscale,
                       double rotation);
    // Defines block `blockName` from the model space of a symbol drawing (kept as it is
    // when the drawing defines that block already).
    void ImportBlock(const DxfDrawing& symbol, const std::string& blockName);

    // Extended data of one application, starting with its (1001, name) group; empty when
    // none. An empty name gives the data of every application, one after the other.
    cad::GroupList XDataOf(EntityId id, std::string_view application) const;
    // Replaces the data of the application named by the first group (1001); the group
    // alone removes it. CadError for data a DXF file cannot hold.
    void SetXData(EntityId id, const cad::GroupList& groups);
    void Delete(EntityId id);
    // How many entities were deleted so far: holders of entity lists can tell whether
    // theirs may hold deleted ones.
    std::uint64_t Deletions() const { return deletions_; }

    // The file as a save writes it.
    std::string Serialize() const;
    // Atomic: a save that fails leaves the earlier file as it was (DrawingError).
    void Save();
    void SaveAs(const std::string& path);
    bool Modified() const { return modified_; }

    int Subscribe(Listener listener);
    void Unsubscribe(int token);
    // Tells listeners to redraw (the application's Update).
    void Refresh();

private:
    DxfDrawing(DrawingContent content, std::string path);
    DrawingEntity& Live(EntityId id);  // CadError when absent or deleted
    DrawingEntity& NewEntity(const std::string& type);  // on the current layer, with a fresh handle
    EntityId Added(const DrawingEntity& e);             // marks the drawing changed and tells listeners
    void Notify(Change change, EntityId id);

    DrawingContent content_;
    std::string path_;
    std::string name_;
    bool modified_ = false;
    std::uint64_t deletions_ = 0;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextToken_ = 1;
};

}  // namespace engine::dxf
