#include "AddressDock.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "check/CheckMessages.h"
#include "editor/QtText.h"
#include "editor/TaveloView.h"
#include "translation/ShownText.h"

namespace tavelo {

namespace {

constexpr int kPauseMilliseconds = 400;

}  // namespace

CAddressDock::CAddressDock(CTaveloView& view, QWidget* parent)
    : QDockWidget(ShownText(check_messages::kAddressDockTitle), parent),
      m_view(view),
      m_pFilter(new QLineEdit),
      m_pTable(new QTableWidget),
      m_pPause(new QTimer(this)) {
    setObjectName(QStringLiteral("addressDock"));
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    auto* filter = new QFormLayout;
    filter->addRow(ShownText(check_messages::kFilterLabel), m_pFilter);
    layout->addLayout(filter);
    layout->addWidget(m_pTable, 1);
    setWidget(body);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->horizontalHeader()->setSectionsClickable(true);
    m_pTable->verticalHeader()->hide();
    connect(m_pTable->horizontalHeader(), &QHeaderView::sectionClicked, this, &CAddressDock::Sort);
    connect(m_pFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_form.SetFilter(ToU16(text));
        Fill();
    });
    m_pPause->setSingleShot(true);
    m_pPause->setInterval(kPauseMilliseconds);
    connect(m_pPause, &QTimer::timeout, this, &CAddressDock::Refresh);
    connect(&m_view, &CTaveloView::StateChanged, this, [this] {
        if (isVisible()) m_pPause->start();
    });
}

void CAddressDock::Refresh() {
    const CEditorContext& context = m_view.GetContext();
    m_form.Load(
        m_view.GetViewState().IsProjectOpen()
            ? BuildAddressTable(CollectAddressUses(context.m_doc, context.m_state), context.m_state)
            : std::vector<CAddressRow>{});
    if (m_nSortColumn >= 0) m_form.SortBy(static_cast<std::size_t>(m_nSortColumn), m_bAscending);
    Fill();
}

void CAddressDock::Sort(int column) {
    m_bAscending = column == m_nSortColumn ? !m_bAscending : true;
    m_nSortColumn = column;
    m_form.SortBy(static_cast<std::size_t>(column), m_bAscending);
    m_pTable->horizontalHeader()->setSortIndicatorShown(true);
    m_pTable->horizontalHeader()->setSortIndicator(
        column, m_bAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    Fill();
}

void CAddressDock::Fill() {
    const auto& header = m_form.GetHeader();
    const auto rows = m_form.GetVisibleRows();
    m_pTable->clear();
    m_pTable->setColumnCount(static_cast<int>(header.size()));
    m_pTable->setRowCount(static_cast<int>(rows.size()));
    QStringList titles;
    for (const std::u16string& title : header) titles << ShownText(title);
    m_pTable->setHorizontalHeaderLabels(titles);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            const std::u16string& cell = rows[row][column];
            m_pTable->setItem(
                static_cast<int>(row), static_cast<int>(column),
                new QTableWidgetItem(column == kAddressAccessColumn ? ShownText(cell)
                                                                    : ToQString(cell)));
        }
    m_pTable->resizeColumnsToContents();
}

}  // namespace tavelo
