#include "TaveloView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>

#include "CanvasGeometry.h"
#include "dialogs/SettingsCommands.h"
#include "download/DownloadCommand.h"
#include "model/Screen.h"
#include "model/TaveloDoc.h"
#include "panels/PropertyPanelStack.h"
#include "screens/ScreenListPanel.h"
#include "tools/ToolRegistry.h"
#include "undo/UndoHistory.h"

namespace tavelo {
namespace {

// The screen list's group box: left of the canvas, down to the bottom of the view.
constexpr QRect kScreenListGeometry(10, 8, 180, 420);
constexpr QSize kViewSize(960, 440);
// Below the canvas, to the right edge and the bottom of the view.
constexpr QSize kPanelsSize(660, 260);
// Canvas units an arrow key moves the selection: 4 dots.
constexpr std::int32_t kKeyStep = 9;
// The field of a run of arrow key presses, which is one undo step.
constexpr char kArrowKeys = 0;

CPoint ClientPoint(const QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    return {point.x(), point.y()};
}

bool IsShiftHeld(const QMouseEvent* event) {
    return event->modifiers().testFlag(Qt::ShiftModifier);
}

}  // namespace

CTaveloView::CTaveloView(CEditorContext& context, QWidget* parent)
    : QWidget(parent),
      m_context(context),
      m_viewState(context.m_doc, context.m_state),
      m_pScreenList(new CScreenListPanel(this)),
      m_pPanels(new CPropertyPanelStack(context, *this, this)),
      m_pTools(std::make_unique<CToolRegistry>(context.m_messenger)),
      m_pHistory(new CUndoHistory(context, m_viewState, this)) {
    setFixedSize(kViewSize);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_pScreenList->setGeometry(kScreenListGeometry);
    m_pPanels->setGeometry(kPanelOrigin.x, kPanelOrigin.y, kPanelsSize.width(),
                           kPanelsSize.height());
    // The editing keys reach the view while the screen list has the focus too.
    m_pScreenList->GetList()->installEventFilter(this);
    m_viewState.SetListener(this);
    m_context.m_doc.SetViewUpdater([this] { Redraw(); });

    connect(m_pScreenList, &CScreenListPanel::ScreenChosen, this, [this](std::int32_t number) {
        ChooseScreen(number);
        m_viewState.ClearSelection();
        Redraw();
    });
    connect(m_pScreenList, &CScreenListPanel::NewScreenRequested, this, &CTaveloView::NewScreen);
    connect(m_pScreenList, &CScreenListPanel::CopyScreenRequested, this, &CTaveloView::CopyScreen);
    connect(m_pScreenList, &CScreenListPanel::DeleteScreenRequested, this,
            &CTaveloView::DeleteScreen);
    connect(m_pHistory, &CUndoHistory::Restoring, m_pPanels, &CPropertyPanelStack::ForgetAll);
    connect(m_pHistory, &CUndoHistory::Restored, this, &CTaveloView::ShowRestored);
    connect(m_pHistory, &CUndoHistory::Changed, this, &CTaveloView::StateChanged);
}

CTaveloView::~CTaveloView() {
    m_context.m_doc.SetViewUpdater({});
    m_viewState.SetListener(nullptr);
}

void CTaveloView::StartProject() {
    m_pHistory->Clear();
    ResetEditing(true);
    m_pPanels->show();
    ChooseScreen(m_context.m_doc.GetFirstScreenNumber());
    Redraw();
}

void CTaveloView::EndProject() {
    m_pHistory->Clear();
    ResetEditing(false);
    m_viewState.SetCurrentScreenNo(0);
    m_pPanels->hide();
    FillScreenList();
    Redraw();
}

void CTaveloView::ResetEditing(bool projectOpen) {
    m_viewState.SetProjectOpen(projectOpen);
    m_viewState.ClearSelection();
    m_viewState.SetCurrentTool(CViewState::kSelectTool);
    m_viewState.GetPreview() = {};
    m_pPanels->ForgetAll();
    m_pScreenList->SetProjectOpen(projectOpen);
}

void CTaveloView::ChooseScreen(std::int32_t number) {
    m_viewState.SetCurrentScreenNo(number);
    FillScreenList();
    ShowScreenProperties();
}

void CTaveloView::FillScreenList() {
    m_pScreenList->Fill(m_context.m_doc, m_viewState.GetCurrentScreenNo());
}

void CTaveloView::Redraw() {
    update(kCanvasFrame.left, kCanvasFrame.top, kCanvasFrame.Width() + 1,
           kCanvasFrame.Height() + 1);
    emit StateChanged();
}

void CTaveloView::NewScreen() {
    if (!m_viewState.IsProjectOpen()) return;
    m_pHistory->Record(EEditStep::kNewScreen, [this] {
        AfterScreenCommand(
            RunNewScreenCommand(m_context, m_viewState.GetCurrentScreenNo(), window()));
    });
}

void CTaveloView::CopyScreen() {
    if (!m_viewState.IsProjectOpen()) return;
    m_pHistory->Record(EEditStep::kCopyScreen, [this] {
        AfterScreenCommand(
            RunCopyScreenCommand(m_context, m_viewState.GetCurrentScreenNo(), window()));
    });
}

void CTaveloView::DeleteScreen() {
    if (!m_viewState.IsProjectOpen() || m_context.m_doc.GetScreens().empty()) return;
    m_pHistory->Record(EEditStep::kDeleteScreen, [this] {
        const std::optional<std::int32_t> current =
            RunDeleteScreenCommand(m_context, m_viewState.GetCurrentScreenNo(), window());
        if (current) {
            // The screen and its elements are gone; no panel may keep them.
            m_pPanels->ForgetAll();
            m_viewState.ClearSelection();
        }
        AfterScreenCommand(current);
    });
}

void CTaveloView::AfterScreenCommand(std::optional<std::int32_t> current) {
    if (current) {
        m_viewState.ClearSelection();
        m_viewState.SetCurrentScreenNo(*current);
    }
    FillScreenList();
    ShowScreenProperties();
    m_pScreenList->GetList()->setFocus();
    Redraw();
}

void CTaveloView::Download() {
    RunDownloadCommand(m_context, m_downloadOptions, window());
}

void CTaveloView::DeleteSelection() {
    if (!m_viewState.GetSelection().empty()) m_viewState.DeleteSelection();
    m_pHistory->End();
}

void CTaveloView::Align(EAlignment alignment) {
    m_viewState.Align(alignment);
    m_pHistory->End();
}

void CTaveloView::ToggleGrid() {
    if (!m_viewState.IsProjectOpen()) return;
    m_viewState.SetGridShown(!m_viewState.IsGridShown());
    update();
}

// Qt keeps delivering the pointer to the widget the button went down in, so capture is the
// flag the tools ask about.
void CTaveloView::CapturePointer() {
    m_bCapturing = true;
}

void CTaveloView::ReleasePointer() {
    m_bCapturing = false;
}

bool CTaveloView::HasCapture() const {
    return m_bCapturing;
}

void CTaveloView::SetCursorShape(ECursorShape shape) {
    setCursor(shape == ECursorShape::kSizeAll ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void CTaveloView::SetBand(const std::optional<CRect>& clientBand) {
    m_band = clientBand;
    Redraw();
}

void CTaveloView::RefreshPanels() {
    m_pPanels->RefreshVisible();
}

void CTaveloView::ElementChanged(CGraphObj* object, int templateId) {
    // Posted, as the panels' message is: the panel's handler finishes first.
    if (templateId == CViewState::kScreenTemplate) {
        const auto* screen = dynamic_cast<const CScreen*>(object);
        if (!screen) return;
        const std::int32_t number = screen->GetNumber();
        QMetaObject::invokeMethod(
            this,
            [this, number] {
                m_viewState.SetCurrentScreenNo(number);
                FillScreenList();
                Redraw();
            },
            Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this] { Redraw(); }, Qt::QueuedConnection);
}

void CTaveloView::BeginPanelChange() {
    m_pHistory->Begin(EEditStep::kProperty);
}

void CTaveloView::EndPanelChange(const QObject* field, const CGraphObj* object) {
    if (field)
        m_pHistory->End(CMergeKey{field, {object}});
    else
        m_pHistory->End();
}

void CTaveloView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_painter.Paint(painter, palette(), m_viewState, m_band);
    // Drawing sizes texts and keeps elements inside the display, which may move the one the
    // panel shows; the panel follows once the paint is over.
    QMetaObject::invokeMethod(
        m_pPanels, [panels = m_pPanels] { panels->RefreshMoved(); }, Qt::QueuedConnection);
}

void CTaveloView::keyPressEvent(QKeyEvent* event) {
    if (!HandleEditingKey(event->key())) QWidget::keyPressEvent(event);
}

bool CTaveloView::HandleEditingKey(int key) {
    std::int32_t dx = 0;
    std::int32_t dy = 0;
    switch (key) {
        case Qt::Key_Left:
            dx = -kKeyStep;
            break;
        case Qt::Key_Right:
            dx = kKeyStep;
            break;
        case Qt::Key_Up:
            dy = -kKeyStep;
            break;
        case Qt::Key_Down:
            dy = kKeyStep;
            break;
        case Qt::Key_Delete:
            DeleteSelection();
            return true;
        default:
            return false;
    }
    const std::vector<CGraphObj*>& selection = m_viewState.GetSelection();
    if (!selection.empty()) {
        m_viewState.MoveSelection(dx, dy);
        RefreshPanels();
        m_pHistory->End(CMergeKey{&kArrowKeys, {selection.begin(), selection.end()}});
    }
    return true;
}

bool CTaveloView::eventFilter(QObject* watched, QEvent* event) {
    // With a selection the arrows move it; without one they move through the screen list.
    if (event->type() == QEvent::KeyPress && !m_viewState.GetSelection().empty() &&
        HandleEditingKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void CTaveloView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_viewState.IsProjectOpen()) return;
    m_pScreenList->GetList()->setFocus();
    m_pTools->OnLeftPress(*this, ClientPoint(event), IsShiftHeld(event));
    // A placement is done with the press; a drag's step stays open until the release.
    m_pHistory->End();
}

void CTaveloView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_viewState.IsProjectOpen()) return;
    if (event->button() == Qt::LeftButton)
        m_pTools->OnLeftRelease(*this, ClientPoint(event), IsShiftHeld(event));
    else if (event->button() == Qt::RightButton)
        m_pTools->OnRightRelease(*this);
    m_pHistory->End();
}

void CTaveloView::mouseMoveEvent(QMouseEvent* event) {
    if (m_viewState.IsProjectOpen())
        m_pTools->OnMove(*this, ClientPoint(event), IsShiftHeld(event));
}

void CTaveloView::CanvasChanged() {
    Redraw();
}

void CTaveloView::ShowProperties(CGraphObj* object, int templateId) {
    if (templateId == CViewState::kScreenTemplate && !object)
        object = m_viewState.GetCurrentScreen();
    if (object) m_pPanels->Show(object, templateId);
    emit StateChanged();
}

void CTaveloView::ShowScreenProperties() {
    ShowProperties(m_viewState.GetCurrentScreen(), CViewState::kScreenTemplate);
}

void CTaveloView::SelectionMoved() {
    RefreshPanels();
}

void CTaveloView::ElementDeleting(const CGraphObj* element) {
    m_pPanels->Forget(element);
}

void CTaveloView::EditStarting(EEditStep step) {
    m_pHistory->Begin(step);
}

void CTaveloView::ShowRestored() {
    FillScreenList();
    const std::vector<CGraphObj*>& selection = m_viewState.GetSelection();
    if (selection.empty())
        ShowScreenProperties();
    else
        ShowProperties(selection.back(), CViewState::kByKind);
    Redraw();
}

}  // namespace tavelo
