#include "TaveloView.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTableWidget>

#include "DotStep.h"
#include "canvas/CanvasArea.h"
#include "canvas/CanvasWidget.h"
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

// The screen list keeps its width; the canvas and the property panel share the rest.
constexpr int kScreenListWidth = 180;
constexpr int kCanvasStretch = 2;
constexpr int kPanelsStretch = 1;
// Canvas units an arrow key moves the selection: 4 dots.
constexpr std::int32_t kKeyStep = 9;
// The field of a run of arrow key presses, which is one undo step.
constexpr char kArrowKeys = 0;

}  // namespace

CTaveloView::CTaveloView(CEditorContext& context, QWidget* parent)
    : QWidget(parent),
      m_context(context),
      m_viewState(context.m_doc, context.m_state),
      m_pScreenList(new CScreenListPanel(this)),
      m_pPanels(new CPropertyPanelStack(context, *this, this)),
      m_pTools(std::make_unique<CToolRegistry>(context.m_messenger)),
      m_pCanvasArea(
          new CCanvasArea(new CCanvasWidget(context, m_viewState, *m_pTools, *this), this)),
      m_pHistory(new CUndoHistory(context, m_viewState, this)) {
    setFocusPolicy(Qt::StrongFocus);
    LayOut();
    // The editing keys reach the view while the screen list has the focus too.
    m_pScreenList->GetList()->installEventFilter(this);
    m_viewState.SetListener(this);
    m_context.m_doc.SetViewUpdater([this] { Redraw(); });

    connect(m_pScreenList, &CScreenListPanel::ScreenChosen, this, [this](std::int32_t number) {
        ChooseScreen(number);
        m_viewState.ClearSelection();
        Redraw();
    });
    connect(&GetCanvas(), &CCanvasWidget::LeftPressed, this,
            [this] { m_pScreenList->GetList()->setFocus(); });
    connect(&GetCanvas(), &CCanvasWidget::PointerStepEnded, this, [this] { m_pHistory->End(); });
    // Drawing sizes texts and keeps elements inside the display, which may move the one the
    // panel shows; the panel follows once the paint is over.
    connect(&GetCanvas(), &CCanvasWidget::Painted, m_pPanels, &CPropertyPanelStack::RefreshMoved,
            Qt::QueuedConnection);
    connect(m_pScreenList, &CScreenListPanel::NewScreenRequested, this, &CTaveloView::NewScreen);
    connect(m_pScreenList, &CScreenListPanel::CopyScreenRequested, this, &CTaveloView::CopyScreen);
    connect(m_pScreenList, &CScreenListPanel::DeleteScreenRequested, this,
            &CTaveloView::DeleteScreen);
    connect(m_pHistory, &CUndoHistory::Restoring, m_pPanels, &CPropertyPanelStack::ForgetAll);
    connect(m_pHistory, &CUndoHistory::Restored, this, &CTaveloView::ShowRestored);
    connect(m_pHistory, &CUndoHistory::Changed, this, &CTaveloView::StateChanged);
}

void CTaveloView::LayOut() {
    m_pScreenList->setFixedWidth(kScreenListWidth);
    auto* panels = new QScrollArea(this);
    panels->setWidget(m_pPanels);
    panels->setWidgetResizable(true);
    panels->setFrameShape(QFrame::NoFrame);

    auto* canvasRow = new QHBoxLayout;
    canvasRow->addWidget(m_pCanvasArea, 1);
    m_pCanvasRow = canvasRow;
    auto* right = new QVBoxLayout;
    right->addLayout(canvasRow, kCanvasStretch);
    right->addWidget(panels, kPanelsStretch);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pScreenList);
    layout->addLayout(right, 1);
}

CCanvasWidget& CTaveloView::GetCanvas() const {
    return m_pCanvasArea->GetCanvas();
}

void CTaveloView::SetToolPalette(QWidget* palette) {
    m_pCanvasRow->addWidget(palette);
    static_cast<QBoxLayout*>(m_pCanvasRow)->setAlignment(palette, Qt::AlignTop);
}

CTaveloView::~CTaveloView() {
    m_context.m_doc.SetViewUpdater({});
    m_viewState.SetListener(nullptr);
}

// The history is cleared after the selection: its change notice reaches whoever shows the
// selection, whose elements left with the earlier project.
void CTaveloView::StartProject() {
    ResetEditing(true);
    m_pHistory->Clear();
    m_pPanels->show();
    ChooseScreen(m_context.m_doc.GetFirstScreenNumber());
    Redraw();
}

void CTaveloView::EndProject() {
    ResetEditing(false);
    m_pHistory->Clear();
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
    GetCanvas().ProjectChanged();
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
    GetCanvas().ProjectChanged();
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
    GetCanvas().SetBand(clientBand);
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

void CTaveloView::keyPressEvent(QKeyEvent* event) {
    if (!HandleEditingKey(*event)) QWidget::keyPressEvent(event);
}

bool CTaveloView::HandleEditingKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            MoveSelectionByKey(event.key(), event.modifiers().testFlag(Qt::AltModifier));
            return true;
        case Qt::Key_Delete:
            DeleteSelection();
            return true;
        case Qt::Key_Escape:
            // As the right button does.
            if (!m_viewState.IsProjectOpen()) return false;
            m_pTools->OnRightRelease(*this);
            return true;
        default:
            return false;
    }
}

void CTaveloView::MoveSelectionByKey(int key, bool oneDot) {
    const std::vector<CGraphObj*>& selection = m_viewState.GetSelection();
    if (selection.empty()) return;
    const int sign = (key == Qt::Key_Left || key == Qt::Key_Up) ? -1 : 1;
    const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
    // One dot is 2 or 3 canvas units, by where the first selected element stands.
    const CRect first = selection.front()->GetCanvasRect();
    const std::int32_t step = !oneDot      ? sign * kKeyStep
                              : horizontal ? DotStepFrom(first.left, sign)
                                           : DotStepFrom(first.top, sign);
    m_viewState.MoveSelection(horizontal ? step : 0, horizontal ? 0 : step);
    RefreshPanels();
    m_pHistory->End(CMergeKey{&kArrowKeys, {selection.begin(), selection.end()}});
}

bool CTaveloView::eventFilter(QObject* watched, QEvent* event) {
    // With a selection the arrows move it; without one they move through the screen list.
    // Esc cancels the tool either way.
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if ((key.key() == Qt::Key_Escape || !m_viewState.GetSelection().empty()) &&
            HandleEditingKey(key))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CTaveloView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_viewState.IsProjectOpen() && event->button() == Qt::RightButton)
        m_pTools->OnRightRelease(*this);
    m_pHistory->End();
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
