#include "PlcTableDock.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Simulation.h"
#include "SimulationTexts.h"
#include "translation/ShownText.h"
#include "emulator/VirtualPlcFile.h"
#include "model/FileError.h"
#include "model/PLC.h"

namespace tavelo {

namespace {

QString Text(const char16_t* text) { return ShownText(text); }

QTableWidgetItem* FixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// The trend choices in the order of the combo box; 0 is none.
constexpr ETrendShape kShapes[] = {ETrendShape::Ramp, ETrendShape::Sine, ETrendShape::Random};

// A trend across the whole range the byte count holds would sweep past what a screen shows;
// 0..100 suits bars, graphs and alarms alike.
constexpr std::int64_t kTrendHigh = 100;
constexpr int kTableWidth = 520;

}  // namespace

CPlcTableDock::CPlcTableDock(CSimulation& simulation, QWidget* parent)
    : QDockWidget(Text(simulation_text::kTableCaption), parent),
      m_simulation(simulation),
      m_pTable(new QTableWidget(0, kColumnCount)),
      m_pLoad(new QPushButton(Text(simulation_text::kLoad))) {
    setObjectName(QStringLiteral("plcTable"));
    m_pTable->setHorizontalHeaderLabels(
        {Text(simulation_text::kStation), Text(simulation_text::kUnit),
         Text(simulation_text::kAddress), Text(simulation_text::kBit), Text(simulation_text::kBytes),
         Text(simulation_text::kValue), Text(simulation_text::kTrend),
         Text(simulation_text::kUsers)});
    m_pTable->verticalHeader()->hide();
    // Wide enough for the numbers, the trend choice and the start of the users.
    m_pTable->setMinimumWidth(kTableWidth);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    auto* save = new QPushButton(Text(simulation_text::kSave));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pLoad);
    buttons->addWidget(save);
    buttons->addStretch();
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(m_pTable);
    layout->addLayout(buttons);
    setWidget(body);
    connect(m_pTable, &QTableWidget::cellChanged, this, &CPlcTableDock::OnCellChanged);
    connect(m_pLoad, &QPushButton::clicked, this, &CPlcTableDock::Load);
    connect(save, &QPushButton::clicked, this, &CPlcTableDock::Save);
}

namespace {

// The unit's name and code ("4X (1)"), or the code alone for a unit the PLC type lacks.
const CRegUnitConfig* UnitOf(const CPLC& plc, std::int64_t code) {
    for (const CRegUnitConfig& unit : plc.GetUnits())
        if (unit.m_nTypeNo == code) return &unit;
    return nullptr;
}

}  // namespace

void CPlcTableDock::Fill(const CPLC& plc) {
    const QSignalBlocker blocker(m_pTable);
    m_uses = m_simulation.GetAddresses().GetUses();
    m_pTable->setRowCount(static_cast<int>(m_uses.size()));
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        const CPlcAddressUse& use = m_uses[static_cast<std::size_t>(row)];
        m_pTable->setItem(row, kStation, FixedItem(QString::number(use.m_address.m_nStation)));
        const CRegUnitConfig* unit = UnitOf(plc, use.m_address.m_nUnitCode);
        const QString code = QString::number(use.m_address.m_nUnitCode);
        m_pTable->setItem(row, kUnit,
                          FixedItem(unit ? QString::fromStdU16String(unit->m_strName) +
                                               QStringLiteral(" (%1)").arg(code)
                                         : code));
        std::int64_t address = use.m_address.m_nAddress;
        QString bit;
        if (unit && unit->m_nAddressing == CRegUnitConfig::kByteAndBit) {
            bit = QString::number(address % unit->GetBitsPerAddress());
            address /= unit->GetBitsPerAddress();
        }
        m_pTable->setItem(row, kAddress, FixedItem(QString::number(address)));
        m_pTable->setItem(row, kBit, FixedItem(bit));
        m_pTable->setItem(row, kBytes, FixedItem(QString::number(use.m_nByteCount)));
        m_pTable->setItem(row, kValue, new QTableWidgetItem);
        QStringList users;
        for (const std::string& user : use.m_users) users << QString::fromStdString(user);
        m_pTable->setItem(row, kUsers, FixedItem(users.join(QStringLiteral(", "))));
        auto* trend = new QComboBox;
        trend->addItems({Text(simulation_text::kTrendNone), Text(simulation_text::kTrendRamp),
                         Text(simulation_text::kTrendSine), Text(simulation_text::kTrendRandom)});
        const auto found = m_simulation.GetTrends().find(use.m_address);
        if (found != m_simulation.GetTrends().end())
            trend->setCurrentIndex(1 + static_cast<int>(found->second.m_eShape));
        trend->setEnabled(m_bEditable);
        connect(trend, &QComboBox::currentIndexChanged, this,
                [this, row](int choice) { OnTrendChosen(row, choice); });
        m_pTable->setCellWidget(row, kTrend, trend);
    }
    SetEditable(m_bEditable);
    RefreshValues();
    m_pTable->resizeColumnsToContents();
    m_pTable->resizeRowsToContents();
}

void CPlcTableDock::RefreshValues() {
    const QSignalBlocker blocker(m_pTable);
    // An open cell editor is a child of the viewport with the focus.
    const QWidget* focus = QApplication::focusWidget();
    const QTableWidgetItem* edited =
        focus && m_pTable->viewport()->isAncestorOf(focus) ? m_pTable->currentItem() : nullptr;
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        QTableWidgetItem* item = m_pTable->item(row, kValue);
        if (item == edited) continue;
        const CPlcAddressUse& use = m_uses[static_cast<std::size_t>(row)];
        const QString text =
            QString::fromStdString(use.m_text.Format(m_simulation.ReadValue(use.m_address)));
        if (item->text() != text) item->setText(text);
    }
}

void CPlcTableDock::SetEditable(bool editable) {
    m_bEditable = editable;
    const QSignalBlocker blocker(m_pTable);
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        QTableWidgetItem* item = m_pTable->item(row, kValue);
        item->setFlags(editable ? item->flags() | Qt::ItemIsEditable
                                : item->flags() & ~Qt::ItemIsEditable);
        m_pTable->cellWidget(row, kTrend)->setEnabled(editable);
    }
    m_pLoad->setEnabled(editable);
}

void CPlcTableDock::OnCellChanged(int row, int column) {
    if (column != kValue) return;
    const CPlcAddressUse& use = m_uses[static_cast<std::size_t>(row)];
    const QString text = m_pTable->item(row, kValue)->text();
    if (const std::optional<std::int64_t> value = use.m_text.Parse(text.toStdString())) {
        m_simulation.SetValue(use.m_address, *value);
        m_simulation.SetTrend(use.m_address, std::nullopt);
        const QSignalBlocker blocker(m_pTable->cellWidget(row, kTrend));
        static_cast<QComboBox*>(m_pTable->cellWidget(row, kTrend))->setCurrentIndex(0);
        emit ValuesEdited();
    } else {
        emit Message(Text(simulation_text::kBadValue).arg(text));
    }
    RefreshValues();
}

void CPlcTableDock::OnTrendChosen(int row, int choice) {
    const CPlcAddressUse& use = m_uses[static_cast<std::size_t>(row)];
    std::optional<CValueTrend> trend;
    if (choice > 0) trend = CValueTrend{kShapes[choice - 1], 0, kTrendHigh};
    m_simulation.SetTrend(use.m_address, trend);
    emit ValuesEdited();
}

void CPlcTableDock::Load() {
    const QString file = QFileDialog::getOpenFileName(this, Text(simulation_text::kLoad), {},
                                                      Text(simulation_text::kValuesFilter));
    if (file.isEmpty()) return;
    try {
        m_simulation.ReplaceTable(CVirtualPlcFile::Load(file.toStdU16String()));
    } catch (const CFileError& error) {
        emit Message(QString::fromUtf8(error.what()));
    }
    emit ValuesEdited();
}

void CPlcTableDock::Save() {
    const QString file = QFileDialog::getSaveFileName(this, Text(simulation_text::kSave), {},
                                                      Text(simulation_text::kValuesFilter));
    if (file.isEmpty()) return;
    // Every listed address is saved, zeros included, so the file is a complete table to edit.
    CVirtualPlc table = m_simulation.GetTable();
    for (const CPlcAddressUse& use : m_uses) table.Write(use.m_address, table.Read(use.m_address));
    try {
        CVirtualPlcFile::Save(file.toStdU16String(), table);
    } catch (const CFileError& error) {
        emit Message(QString::fromUtf8(error.what()));
    }
}

}  // namespace tavelo
