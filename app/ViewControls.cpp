#include "ViewControls.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "ViewTexts.h"
#include "editor/TaveloView.h"
#include "editor/ViewSettings.h"
#include "editor/canvas/CanvasArea.h"
#include "editor/canvas/CanvasWidget.h"
#include "elements/PanelCoordinates.h"
#include "model/GraphObj.h"
#include "translation/ShownText.h"

namespace tavelo {
namespace {

QString Text(const char16_t* text) {
    return ShownText(text);
}

// A first run's window: roomy, but never beyond the screen.
constexpr QSize kComfortableSize(1600, 1000);
constexpr double kScreenShare = 0.9;

}  // namespace

CViewControls::CViewControls(QMainWindow& window, CTaveloView& view, QMenu& viewMenu,
                             QToolBar& toolbar)
    : QObject(&window), m_window(window), m_view(view) {
    viewMenu.addSeparator();
    QAction* dotTrue = viewMenu.addAction(Text(view_text::kDotTrue));
    dotTrue->setCheckable(true);
    toolbar.addSeparator();
    toolbar.addAction(dotTrue);
    CCanvasWidget& canvas = view.GetCanvas();
    connect(dotTrue, &QAction::toggled, this, [&canvas](bool on) {
        canvas.SetDotTrue(on);
        CViewSettings::StoreDotTrue(on);
    });
    dotTrue->setChecked(CViewSettings::LoadDotTrue());
    AddZoomCommands(viewMenu);
    BuildStatusFields();

    connect(&canvas, &CCanvasWidget::ZoomChanged, this, &CViewControls::ShowZoom);
    connect(&canvas, &CCanvasWidget::PointerMoved, this, &CViewControls::ShowPointer);
    connect(&canvas, &CCanvasWidget::DotTrueErrorChanged, this, &CViewControls::ShowDotTrueError);
    connect(&view, &CTaveloView::StateChanged, this, &CViewControls::ShowSelection);
    // Texts take their size when first drawn.
    connect(&canvas, &CCanvasWidget::Painted, this, &CViewControls::ShowSelection);
    if (const std::optional<int> zoom = CViewSettings::LoadZoom())
        view.GetCanvasArea().SetZoom(*zoom);
    ShowZoom(canvas.GetZoom().Get());
}

void CViewControls::AddZoomCommands(QMenu& menu) {
    const auto add = [this, &menu](const char16_t* text, QList<QKeySequence> keys, auto handler) {
        QAction* action = menu.addAction(Text(text));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
    };
    CCanvasArea& area = m_view.GetCanvasArea();
    const auto step = [this, &area](int steps) {
        ChooseZoom(area.GetCanvas().GetZoom().Get() + steps);
    };
    add(view_text::kZoomIn, {Qt::CTRL | Qt::Key_Equal, QKeySequence::ZoomIn}, [step] { step(1); });
    add(view_text::kZoomOut, {Qt::CTRL | Qt::Key_Minus, QKeySequence::ZoomOut},
        [step] { step(-1); });
    add(view_text::kZoomToFit, {Qt::CTRL | Qt::Key_0}, [this] { ChooseZoom(std::nullopt); });
    // Ctrl+wheel steps as the keys do, and is remembered as they are.
    connect(&area.GetCanvas(), &CCanvasWidget::ZoomStepRequested, this, step);
}

void CViewControls::BuildStatusFields() {
    QStatusBar* bar = m_window.statusBar();
    m_pSelection = new QLabel(bar);
    m_pPointer = new QLabel(bar);
    m_pZoomBox = new QComboBox(bar);
    m_pZoomBox->setObjectName(QStringLiteral("zoom"));
    m_pZoomBox->setToolTip(Text(view_text::kZoomTip));
    for (int zoom = CCanvasZoom::kMinZoom; zoom <= CCanvasZoom::kMaxZoom; ++zoom)
        m_pZoomBox->addItem(Text(view_text::kZoomEntry).arg(zoom), zoom);
    connect(m_pZoomBox, &QComboBox::activated, this,
            [this](int index) { ChooseZoom(m_pZoomBox->itemData(index).toInt()); });
    // Wide enough for the largest values, so the fields do not jump while the pointer moves.
    const QFontMetrics metrics(m_pSelection->font());
    m_pSelection->setMinimumWidth(
        metrics.horizontalAdvance(Text(view_text::kSelection).arg(-192).arg(-64).arg(192).arg(64)));
    m_pPointer->setMinimumWidth(
        metrics.horizontalAdvance(Text(view_text::kPointer).arg(192).arg(64)));
    bar->addPermanentWidget(m_pSelection);
    bar->addPermanentWidget(m_pPointer);
    bar->addPermanentWidget(m_pZoomBox);
}

void CViewControls::ChooseZoom(std::optional<int> pixelsPerDot) {
    CCanvasArea& area = m_view.GetCanvasArea();
    if (pixelsPerDot)
        area.SetZoom(*pixelsPerDot);
    else
        area.ZoomToFit();
    CViewSettings::StoreZoom(pixelsPerDot ? std::optional(area.GetCanvas().GetZoom().Get())
                                          : std::nullopt);
}

void CViewControls::ShowZoom(int pixelsPerDot) {
    m_pZoomBox->setCurrentIndex(m_pZoomBox->findData(pixelsPerDot));
}

void CViewControls::ShowPointer(std::optional<QPoint> dot) {
    m_pPointer->setText(dot ? Text(view_text::kPointer).arg(dot->x()).arg(dot->y()) : QString());
}

void CViewControls::ShowSelection() {
    CRect bounds;
    bool any = false;
    for (const CGraphObj* element : m_view.GetViewState().GetSelection()) {
        const CRect position = element->GetCanvasRect().Normalized();
        bounds =
            any ? CRect{std::min(bounds.left, position.left), std::min(bounds.top, position.top),
                        std::max(bounds.right, position.right),
                        std::max(bounds.bottom, position.bottom)}
                : position;
        any = true;
    }
    if (!any) {
        m_pSelection->clear();
        return;
    }
    const CPoint topLeft = CanvasToDots(bounds.TopLeft());
    const CPoint bottomRight = CanvasToDots(bounds.BottomRight());
    m_pSelection->setText(Text(view_text::kSelection)
                              .arg(topLeft.x)
                              .arg(topLeft.y)
                              .arg(bottomRight.x - topLeft.x)
                              .arg(bottomRight.y - topLeft.y));
}

void CViewControls::ShowDotTrueError(const QString& message) {
    if (message.isEmpty())
        m_window.statusBar()->clearMessage();
    else
        m_window.statusBar()->showMessage(Text(view_text::kDotTrueFailed).arg(message));
}

void CViewControls::RestoreGeometry() {
    if (m_window.restoreGeometry(CViewSettings::LoadGeometry())) return;
    const QScreen* screen =
        m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    QSize size = kComfortableSize;
    if (screen) {
        const QSize room = screen->availableGeometry().size() * kScreenShare;
        size = size.boundedTo(room).expandedTo(m_window.minimumSizeHint());
    }
    m_window.resize(size);
}

void CViewControls::StoreGeometry() const {
    CViewSettings::StoreGeometry(m_window.saveGeometry());
}

}  // namespace tavelo
