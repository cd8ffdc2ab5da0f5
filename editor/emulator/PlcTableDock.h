#pragma once
// The table of PLC values beside the simulation window: every address the image reads or
// writes (station, unit code, address, byte count, the records that use it) with its value,
// editable in the form its register shows it, a trend that moves it, and loading and saving
// the values as JSON or CSV.

#include <QDockWidget>
#include <vector>

#include "emulator/PlcAddressList.h"

class QTableWidget;
class QPushButton;

namespace tavelo {

class CPLC;
class CSimulation;

class CPlcTableDock : public QDockWidget {
    Q_OBJECT
public:
    enum EColumn { kStation, kUnit, kAddress, kBit, kBytes, kValue, kTrend, kUsers, kColumnCount };

    CPlcTableDock(CSimulation& simulation, QWidget* parent);

    // Lists the addresses of the image now running, with the unit names of the PLC type and
    // the address and bit of byte-and-bit units apart.
    void Fill(const CPLC& plc);
    const CPollAddress& AddressOfRow(int row) const {
        return m_uses[static_cast<std::size_t>(row)].m_address;
    }
    // Shows the values as they stand, leaving a cell being typed into alone.
    void RefreshValues();
    // Editing is for the table only; a device's values are read, not typed.
    void SetEditable(bool editable);
    QTableWidget* GetTable() const { return m_pTable; }

signals:
    // A message for the window's status line.
    void Message(const QString& text);
    // The user changed values: the LCD shows them at once.
    void ValuesEdited();

private:
    void OnCellChanged(int row, int column);
    void OnTrendChosen(int row, int choice);
    void Load();
    void Save();

    CSimulation& m_simulation;
    QTableWidget* m_pTable;
    QPushButton* m_pLoad;
    std::vector<CPlcAddressUse> m_uses;
    bool m_bEditable = true;
};

}  // namespace tavelo
