#include "ScreenListPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editor/EditorTexts.h"
#include "editor/QtText.h"
#include "model/TaveloDoc.h"

namespace tavelo {
namespace {

constexpr int kNumberColumnWidth = 36;
constexpr int kDescriptionColumnWidth = 117;
constexpr int kRowHeight = 16;

}  // namespace

CScreenListPanel::CScreenListPanel(QWidget* parent)
    : QGroupBox(ShownText(editor_text::kScreenGroup), parent),
      m_pList(new QTableWidget(0, 2, this)),
      m_pNewButton(new QPushButton(ShownText(editor_text::kNewButton), this)),
      m_pDeleteButton(new QPushButton(ShownText(editor_text::kDeleteButton), this)),
      m_pNewAction(new QAction(ShownText(editor_text::kNewScreenEntry), this)),
      m_pDeleteAction(new QAction(ShownText(editor_text::kDeleteScreenEntry), this)),
      m_pCopyAction(new QAction(ShownText(editor_text::kCopyScreenEntry), this)) {
    m_pList->setHorizontalHeaderLabels(
        {ShownText(editor_text::kScreenColumn), ShownText(editor_text::kDescriptionColumn)});
    m_pList->setColumnWidth(0, kNumberColumnWidth);
    m_pList->setColumnWidth(1, kDescriptionColumnWidth);
    m_pList->horizontalHeader()->setStretchLastSection(true);
    m_pList->verticalHeader()->hide();
    m_pList->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setShowGrid(true);
    m_pList->setContextMenuPolicy(Qt::CustomContextMenu);
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(12);
    m_pList->setFont(font);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pNewButton);
    buttons->addWidget(m_pDeleteButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addLayout(buttons);

    connect(m_pList, &QTableWidget::clicked, this, &CScreenListPanel::OnClicked);
    connect(m_pList, &QTableWidget::customContextMenuRequested, this, &CScreenListPanel::ShowPopup);
    connect(m_pNewButton, &QPushButton::clicked, this, &CScreenListPanel::NewScreenRequested);
    connect(m_pDeleteButton, &QPushButton::clicked, this, &CScreenListPanel::DeleteScreenRequested);
    connect(m_pNewAction, &QAction::triggered, this, &CScreenListPanel::NewScreenRequested);
    connect(m_pDeleteAction, &QAction::triggered, this, &CScreenListPanel::DeleteScreenRequested);
    connect(m_pCopyAction, &QAction::triggered, this, &CScreenListPanel::CopyScreenRequested);
    SetProjectOpen(false);
}

void CScreenListPanel::Fill(const CTaveloDoc& doc, std::int32_t currentScreen) {
    const QSignalBlocker blocker(m_pList);
    m_pList->clearContents();
    m_pList->setRowCount(static_cast<int>(doc.GetScreens().size()));
    int row = 0;
    for (const auto& screen : doc.GetScreens()) {
        m_pList->setItem(row, 0, new QTableWidgetItem(QString::number(screen->GetNumber())));
        m_pList->setItem(row, 1, new QTableWidgetItem(ToQString(screen->GetDescription())));
        if (screen->GetNumber() == currentScreen) {
            m_pList->selectRow(row);
            m_pList->setCurrentCell(row, 0);
            m_pList->scrollToItem(m_pList->item(row, 0));
        }
        ++row;
    }
}

void CScreenListPanel::SetProjectOpen(bool open) {
    for (QAction* action : {m_pNewAction, m_pDeleteAction, m_pCopyAction}) action->setEnabled(open);
    m_pNewButton->setEnabled(open);
    m_pDeleteButton->setEnabled(open);
}

void CScreenListPanel::OnClicked() {
    const QList<QTableWidgetItem*> selected = m_pList->selectedItems();
    const QList<QModelIndex> rows = m_pList->selectionModel()->selectedRows();
    if (rows.size() != 1 || selected.isEmpty()) return;
    bool ok = false;
    const int number = m_pList->item(rows.front().row(), 0)->text().toInt(&ok);
    if (ok) emit ScreenChosen(number);
}

void CScreenListPanel::ShowPopup(const QPoint& position) {
    QMenu menu(this);
    menu.addAction(m_pNewAction);
    menu.addAction(m_pDeleteAction);
    menu.addAction(m_pCopyAction);
    menu.exec(m_pList->viewport()->mapToGlobal(position));
}

}  // namespace tavelo
