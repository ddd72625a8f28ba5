#include "desktop/drawing/DrawingWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "desktop/drawing/AciColors.h"
#include "desktop/drawing/DrawingView.h"
#include "engine/text/NumberText.h"

namespace desktop {

using engine::dxf::DxfDrawing;
using engine::dxf::EntityId;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

const char* const kIdleHint =
    "Arraste para mover o desenho, use a roda do mouse para ampliar ou reduzir e Home para ver o desenho todo.";

bool IsUserInput(QEvent::Type t) {
    switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
        case QEvent::Close: return true;
        default: return false;
    }
}

}  // namespace

DrawingWindow::DrawingWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("DrawingWindow"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Desenho"));
    resize(1000, 700);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    banner_ = new QLabel(central);
    banner_->setObjectName(QStringLiteral("PickBanner"));
    banner_->setStyleSheet(QStringLiteral("QLabel { background: #ffe680; color: #202020; padding: 6px 10px; "
                                          "font-weight: bold; border-bottom: 1px solid #b89a2e; }"));
    banner_->hide();
    view_ = new DrawingView(central);
    view_->SetGeometry(&geometry_);
    layout->addWidget(banner_);
    layout->addWidget(view_, 1);
    setCentralWidget(central);

    QMenu* menu = menuBar()->addMenu(QString::fromUtf8("Visualizar"));
    QAction* extents = menu->addAction(QString::fromUtf8("Zoom Extensão"), this, &DrawingWindow::ZoomExtents);
    extents->setObjectName(QStringLiteral("ZoomExtensao"));
    extents->setShortcut(Qt::Key_Home);
    QAction* zoomIn = menu->addAction(QString::fromUtf8("Ampliar"), this, [this] {
        view_->ZoomAt(QPointF(view_->width() / 2.0, view_->height() / 2.0), 1.25);
    });
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    QAction* zoomOut = menu->addAction(QString::fromUtf8("Reduzir"), this, [this] {
        view_->ZoomAt(QPointF(view_->width() / 2.0, view_->height() / 2.0), 1 / 1.25);
    });
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QToolBar* tools = addToolBar(QString::fromUtf8("Visualizar"));
    tools->setObjectName(QStringLiteral("ViewToolBar"));
    tools->setMovable(false);
    tools->addAction(extents);
    tools->addAction(zoomIn);
    tools->addAction(zoomOut);

    // The layers in their colours; unticking one hides its entities on screen.
    auto* dock = new QDockWidget(QString::fromUtf8("Camadas"), this);
    dock->setObjectName(QStringLiteral("LayerDock"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    layers_ = new QListWidget(dock);
    layers_->setObjectName(QStringLiteral("LayerList"));
    layers_->setStyleSheet(QStringLiteral("QListWidget { background: #2b333d; color: #e6e6e6; border: none; }"));
    dock->setWidget(layers_);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    resizeDocks({dock}, {170}, Qt::Horizontal);
    menu->addSeparator();
    menu->addAction(dock->toggleViewAction());
    connect(layers_, &QListWidget::itemChanged, this, &DrawingWindow::OnLayerItemChanged);

    coordinates_ = new QLabel(this);
    counts_ = new QLabel(this);
    statusBar()->addPermanentWidget(coordinates_);
    statusBar()->addPermanentWidget(counts_);
    statusBar()->showMessage(QString::fromUtf8(kIdleHint));

    connect(view_, &DrawingView::Clicked, this, &DrawingWindow::OnClicked);
    connect(view_, &DrawingView::EscapePressed, this, [this] {
        if (Picking()) FinishPick(std::nullopt);
    });
    connect(view_, &DrawingView::CursorMoved, this, [this](double x, double y) {
        coordinates_->setText(QStringLiteral("X = %1   Y = %2")
                                  .arg(Q(engine::FixedText(x, 3)), Q(engine::FixedText(y, 3))));
    });
    UpdateStatus();
}

DrawingWindow::~DrawingWindow() {
    if (pickLoop_) pickLoop_->quit();
    SetDrawing(nullptr);
}

void DrawingWindow::SetDrawing(DxfDrawing* drawing) {
    if (drawing_ && subscription_) drawing_->Unsubscribe(subscription_);
    subscription_ = 0;
    drawing_ = drawing;
    builder_ = SceneBuilder();  // layers turned off belong to the drawing they were in
    if (drawing_) subscription_ = drawing_->Subscribe([this](DxfDrawing::Change c, EntityId id) { OnChange(c, id); });
    Rebuild();
    view_->SetGeometry(&geometry_);  // a new drawing is fitted to the window
}

void DrawingWindow::Rebuild() {
    if (drawing_)
        builder_.Rebuild(drawing_->Content(), geometry_);
    else
        geometry_.Clear();
    FillLayerList();
    UpdateStatus();
}

void DrawingWindow::FillLayerList() {
    fillingLayers_ = true;
    layers_->clear();
    if (drawing_) {
        for (const engine::dxf::Layer& l : drawing_->Layers()) {
            QPixmap swatch(12, 12);
            swatch.fill(QColor::fromRgba(LegibleOn(AciToRgb(l.color), SceneRenderer::kBackground)));
            auto* item = new QListWidgetItem(QIcon(swatch), Q(l.name), layers_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(builder_.LayerShown(l) ? Qt::Checked : Qt::Unchecked);
        }
    }
    fillingLayers_ = false;
}

void DrawingWindow::OnLayerItemChanged(QListWidgetItem* item) {
    if (fillingLayers_ || !item) return;
    SetLayerShown(item->text(), item->checkState() == Qt::Checked);
}

void DrawingWindow::SetLayerShown(const QString& layer, bool shown) {
    builder_.SetLayerShown(layer.toStdString(), shown);
    if (drawing_) builder_.Rebuild(drawing_->Content(), geometry_);
    // Keep the ticks in step when called from elsewhere than the list.
    fillingLayers_ = true;
    for (int i = 0; i < layers_->count(); ++i)
        if (layers_->item(i)->text().compare(layer, Qt::CaseInsensitive) == 0)
            layers_->item(i)->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    fillingLayers_ = false;
    view_->GeometryReset();
    UpdateStatus();
}

void DrawingWindow::ZoomExtents() { view_->ZoomExtents(); }

void DrawingWindow::OnChange(DxfDrawing::Change change, EntityId id) {
    if (!drawing_) return;
    switch (change) {
        case DxfDrawing::Change::Added: {
            const SceneMark mark = geometry_.Mark();
            if (builder_.Append(drawing_->Content(), id, geometry_)) view_->Appended(mark);
            // A symbol drawing may have brought layers of its own.
            if (std::size_t(layers_->count()) != drawing_->Layers().size()) FillLayerList();
            break;
        }
        case DxfDrawing::Change::Removed:
            if (geometry_.Hide(id)) view_->GeometryReset();
            break;
        case DxfDrawing::Change::Changed: break;  // extended data: nothing to see
        case DxfDrawing::Change::Refreshed:
            if (view_->isVisible()) view_->repaint();
            break;
    }
    UpdateStatus();
}

void DrawingWindow::UpdateStatus() {
    if (!drawing_) {
        counts_->setText(QString::fromUtf8("Nenhum desenho aberto"));
        return;
    }
    counts_->setText(QString::fromUtf8("%1 vértices").arg(QLocale(QLocale::Portuguese, QLocale::Brazil)
                                                              .toString(qulonglong(geometry_.VertexCount()))));
}

void DrawingWindow::OnClicked(QPointF pos) {
    const std::optional<EntityId> hit = view_->EntityAt(pos);
    if (Picking()) {
        if (hit)
            FinishPick(hit);
        else
            statusBar()->showMessage(
                QString::fromUtf8("Nenhuma entidade sob o cursor: clique sobre uma linha, polilinha, ponto ou "
                                  "bloco, ou tecle Esc para não selecionar nada."));
        return;
    }
    // Outside a pick a click tells what is there.
    const engine::dxf::DrawingEntity* e = (hit && drawing_) ? drawing_->Find(*hit) : nullptr;
    if (!e) {
        statusBar()->showMessage(QString::fromUtf8(kIdleHint));
        return;
    }
    QString what = Q(e->type) + QString::fromUtf8(" na camada ") + Q(e->layer);
    if (e->type == "INSERT") what += QString::fromUtf8(" (bloco %1)").arg(Q(e->blockName));
    if (!e->coords.empty())
        what += QString::fromUtf8(", %1 vértices").arg(e->coords.size() / (e->type == "POLYLINE" && (e->flags & 8) ? 3 : 2));
    statusBar()->showMessage(what);
}

std::optional<EntityId> DrawingWindow::Pick(const QString& prompt) {
    if (pickLoop_) return std::nullopt;  // one pick at a time
    QPointer<DrawingWindow> self(this);
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    view_->setFocus();
    banner_->setText(prompt + QString::fromUtf8("   —   clique sobre a entidade; Esc: nenhuma."));
    banner_->show();
    statusBar()->showMessage(prompt);

    // The rest of the program waits for the pick as it would for a modal dialog: the
    // calculation that asked is still running below this loop.
    QEventLoop loop;
    pickLoop_ = &loop;
    picked_.reset();
    qApp->installEventFilter(this);
    loop.exec(QEventLoop::DialogExec);
    if (!self) return std::nullopt;
    qApp->removeEventFilter(this);
    pickLoop_ = nullptr;
    banner_->hide();
    statusBar()->showMessage(QString::fromUtf8(kIdleHint));
    return picked_;
}

void DrawingWindow::CancelPick() {
    if (Picking()) FinishPick(std::nullopt);
}

void DrawingWindow::FinishPick(std::optional<EntityId> picked) {
    picked_ = picked;
    if (pickLoop_) pickLoop_->quit();
}

bool DrawingWindow::eventFilter(QObject* watched, QEvent* e) {
    if (pickLoop_ && watched->isWidgetType() && IsUserInput(e->type())) {
        QWidget* w = static_cast<QWidget*>(watched);
        if (w->window() != this) {
            if (e->type() == QEvent::Close) e->ignore();
            return true;  // the rest of the program waits for the pick
        }
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            FinishPick(std::nullopt);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void DrawingWindow::closeEvent(QCloseEvent* e) {
    if (Picking()) FinishPick(std::nullopt);
    QMainWindow::closeEvent(e);
}

}  // namespace desktop
