#pragma once
// The alarm list dialog "报警画面": the first alarm bit (station, unit, address, bit) and the
// list of alarm texts, one row per bit, each text edited in a box over its cell.

#include <QDialog>
#include <array>

#include "model/AlarmListForm.h"

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace tavelo {

class CMessenger;
class CSpinButtonEdit;

class CAlarmDialog : public QDialog {
    Q_OBJECT

public:
    using Field = CAlarmListForm::Field;
    static constexpr int kNumberColumn = 0;
    static constexpr int kTextColumn = 1;

    // Opens the form.
    CAlarmDialog(CAlarmListForm& form, CMessenger& messenger, QWidget* parent = nullptr);

    CSpinButtonEdit& GetField(Field field) const { return *m_fields[Index(field)]; }
    QComboBox& GetUnitList() const { return *m_pUnits; }
    QTableWidget& GetRows() const { return *m_pRows; }
    // The box over the cell being edited; hidden while no text is edited.
    QLineEdit& GetEditBox() const { return *m_pEditBox; }

    // "确定" takes the rows back as the alarm texts; "取消" puts the alarm list back.
    void accept() override;
    void reject() override;

private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }

    CSpinButtonEdit* AddField(Field field);
    void MakeRowList();
    void ClickCell(int row, int column);
    void TypeText(const QString& text);
    void EndEdit();
    void Refresh();
    void ShowRows();

    CAlarmListForm& m_form;
    CMessenger& m_messenger;
    std::array<CSpinButtonEdit*, CAlarmListForm::kFieldCount> m_fields{};
    QComboBox* m_pUnits = nullptr;
    QTableWidget* m_pRows = nullptr;
    QLineEdit* m_pEditBox = nullptr;
};

}  // namespace tavelo
