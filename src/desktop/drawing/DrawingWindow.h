#pragma once
// The window of the open drawing: what the CAD application's window is on Windows. It
// shows the drawing (pan, zoom, layers in their colours), follows the store so that
// what the calculators draw appears as they draw it, and lets the user pick an entity
// when the system asks for one.
#include <cstdint>
#include <optional>

#include <QMainWindow>
#include <QPointer>

#include "desktop/drawing/SceneBuilder.h"
#include "desktop/drawing/SceneGeometry.h"
#include "engine/cad/dxf/DxfDrawing.h"

class QEventLoop;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace desktop {

class DrawingView;

class DrawingWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DrawingWindow(QWidget* parent = nullptr);
    ~DrawingWindow() override;

    // Shows this drawing (nullptr: none) and follows its changes. The window does not
    // own it: whoever does calls SetDrawing(nullptr) before letting it go.
    void SetDrawing(engine::dxf::DxfDrawing* drawing);
    engine::dxf::DxfDrawing* Drawing() const { return drawing_; }

    // Brings the window to the front with the prompt and waits, with the rest of the
    // program shut to the user, for the pick: the entity clicked (nearest within a few
    // pixels), or nothing for Esc or closing the window. Panning and zooming work
    // meanwhile.
    std::optional<engine::dxf::EntityId> Pick(const QString& prompt);
    bool Picking() const { return pickLoop_ != nullptr; }
    // Ends a pick in progress as Esc does.
    void CancelPick();

    DrawingView* View() const { return view_; }
    const SceneGeometry& Geometry() const { return geometry_; }

    void ZoomExtents();
    // Turns a layer's entities on or off on screen (the drawing itself is not changed).
    void SetLayerShown(const QString& layer, bool shown);
    QListWidget* Layers() const { return layers_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void OnChange(engine::dxf::DxfDrawing::Change change, engine::dxf::EntityId id);
    void OnClicked(QPointF pos);
    void UpdateStatus();
    void Rebuild();
    void FinishPick(std::optional<engine::dxf::EntityId> picked);
    void FillLayerList();
    void OnLayerItemChanged(QListWidgetItem* item);

    engine::dxf::DxfDrawing* drawing_ = nullptr;
    int subscription_ = 0;
    SceneGeometry geometry_;
    SceneBuilder builder_;
    DrawingView* view_;
    QLabel* banner_;
    QLabel* coordinates_;
    QLabel* counts_;
    QListWidget* layers_;
    bool fillingLayers_ = false;

    QEventLoop* pickLoop_ = nullptr;
    std::optional<engine::dxf::EntityId> picked_;
};

}  // namespace desktop
