#pragma once
// The address cross-reference dock: every PLC address the project reads or writes, in a table
// sorted by a click on a column title and filtered by the text typed above it.

#include <QDockWidget>

#include "check/AddressTableForm.h"

class QLineEdit;
class QTableWidget;
class QTimer;

namespace tavelo {

class CTaveloView;

class CAddressDock : public QDockWidget {
    Q_OBJECT
public:
    CAddressDock(CTaveloView& view, QWidget* parent);

    void Refresh();
    QTableWidget* GetTable() const { return m_pTable; }
    QLineEdit* GetFilter() const { return m_pFilter; }

private:
    void Fill();
    void Sort(int column);

    CTaveloView& m_view;
    CAddressTableForm m_form;
    QLineEdit* m_pFilter;
    QTableWidget* m_pTable;
    QTimer* m_pPause;
    int m_nSortColumn = -1;
    bool m_bAscending = true;
};

}  // namespace tavelo
