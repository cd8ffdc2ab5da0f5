#pragma once
// The value/text table of the dynamic text panels: the columns "序号", "数值" and "字符串",
// and the edit box that opens over a clicked cell, as the form model allows.

#include <QTableWidget>
#include <vector>

#include "elements/DynamicTextPanelForm.h"

class QLineEdit;

namespace tavelo {

class CDynamicTextTable : public QTableWidget {
    Q_OBJECT

public:
    explicit CDynamicTextTable(QWidget* parent);

    void ShowRows(const std::vector<CDynamicTextPanelForm::CRow>& rows);
    // Shows the edit box over the cell with its text, or hides it. A box that opens, or moves
    // to another cell, takes the focus with the caret at the end.
    void ShowEditBox(bool editing, int row, int column, const QString& text);
    QLineEdit* GetEditBox() const { return m_pEditBox; }

signals:
    void CellChosen(int row, int column);
    // The edit box's whole text after a keystroke or an input method's commit.
    void EditBoxEdited(const QString& text);
    void EditBoxClosed();

protected:
    void scrollContentsBy(int dx, int dy) override;

private:
    void PlaceEditBox();

    QLineEdit* m_pEditBox;
    int m_nEditRow = -1;
    int m_nEditColumn = -1;
};

}  // namespace tavelo
