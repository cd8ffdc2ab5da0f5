#pragma once
// The "检查" dock: the project check's findings in a list, the image budget as a bar. A double
// click shows the finding's screen and selects its element; the list follows every change.

#include <QDockWidget>

#include "check/CheckListForm.h"

class QLabel;
class QListWidget;
class QTimer;

namespace tavelo {

class CBudgetBar;
class CTaveloView;

class CCheckDock : public QDockWidget {
    Q_OBJECT
public:
    CCheckDock(CTaveloView& view, QWidget* parent);

    // Checks the project now and shows the dock.
    void CheckNow();
    // Checks and, when there are errors, asks whether to download all the same; true to go on.
    bool ConfirmDownload();
    void GoTo(int row);
    const CCheckListForm& GetForm() const { return m_form; }
    QListWidget* GetList() const { return m_pList; }

private:
    void Refresh();

    CTaveloView& m_view;
    CCheckListForm m_form;
    QLabel* m_pSummary;
    QListWidget* m_pList;
    QLabel* m_pBudget;
    CBudgetBar* m_pBar;
    // Edits come in bursts (a drag redraws at every step); the check runs once they pause.
    QTimer* m_pPause;
};

}  // namespace tavelo
