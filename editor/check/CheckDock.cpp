#include "CheckDock.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "BudgetBar.h"
#include "check/CheckMessages.h"
#include "editor/EditorTexts.h"
#include "editor/Messenger.h"
#include "editor/QtText.h"
#include "editor/TaveloView.h"
#include "model/TaveloDoc.h"
#include "translation/ShownText.h"

namespace tavelo {

namespace {

constexpr int kPauseMilliseconds = 400;

}  // namespace

CCheckDock::CCheckDock(CTaveloView& view, QWidget* parent)
    : QDockWidget(ShownText(check_messages::kDockTitle), parent),
      m_view(view),
      m_pSummary(new QLabel),
      m_pList(new QListWidget),
      m_pBudget(new QLabel),
      m_pBar(new CBudgetBar),
      m_pPause(new QTimer(this)) {
    setObjectName(QStringLiteral("checkDock"));
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(m_pSummary);
    layout->addWidget(m_pList, 1);
    layout->addWidget(m_pBudget);
    layout->addWidget(m_pBar);
    setWidget(body);
    m_pPause->setSingleShot(true);
    m_pPause->setInterval(kPauseMilliseconds);
    connect(m_pPause, &QTimer::timeout, this, &CCheckDock::Refresh);
    connect(&m_view, &CTaveloView::StateChanged, this, [this] {
        if (isVisible()) m_pPause->start();
    });
    connect(m_pList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { GoTo(m_pList->row(item)); });
}

void CCheckDock::CheckNow() {
    show();
    raise();
    Refresh();
}

bool CCheckDock::ConfirmDownload() {
    CheckNow();
    if (!m_form.HasErrors()) return true;
    CEditorContext& context = m_view.GetContext();
    return context.m_messenger.AskYesNoCancel(
               this, ShownText(editor_text::kFrameCaption), ShownText(m_form.GetDownloadQuestion()),
               CMessenger::EIcon::kWarning) == CMessenger::EAnswer::kYes;
}

void CCheckDock::GoTo(int row) {
    const auto target = m_form.GetTarget(static_cast<std::size_t>(row));
    if (!target) return;
    CTaveloDoc& doc = m_view.GetContext().m_doc;
    if (!doc.FindScreen(target->m_nScreen)) return;
    m_view.ChooseScreen(target->m_nScreen);
    // The element may have gone since the check ran.
    const auto& elements = doc.GetElements();
    const auto element = std::find_if(elements.begin(), elements.end(), [&](const auto& owned) {
        return owned.get() == target->m_pElement;
    });
    if (target->m_pElement && element != elements.end())
        m_view.GetViewState().Select(element->get(), false);
    m_view.Redraw();
}

void CCheckDock::Refresh() {
    m_pList->clear();
    if (!m_view.GetViewState().IsProjectOpen()) {
        m_form = {};
        m_pSummary->clear();
        m_pBudget->clear();
        m_pBar->SetAreas({}, kMaxImageSize);
        return;
    }
    const CEditorContext& context = m_view.GetContext();
    m_form.Load(CheckProject(context.m_doc, context.m_state, context.m_programDir));
    for (const CCheckListForm::CRow& row : m_form.GetRows()) {
        auto* item = new QListWidgetItem(
            ShownText(row.m_strSeverity) + QStringLiteral("  ") + ShownText(row.m_message),
            m_pList);
        item->setToolTip(ToQString(row.m_strCode));
        item->setForeground(row.m_bError ? QColor(Qt::red) : QColor(0x99, 0x66, 0x00));
    }
    m_pSummary->setText(ShownText(m_form.GetSummary()));
    m_pBudget->setText(ShownText(m_form.GetBudgetText()));
    m_pBar->SetAreas(m_form.GetBudgetAreas(), kMaxImageSize);
}

}  // namespace tavelo
