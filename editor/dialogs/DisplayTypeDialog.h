#pragma once
// The dialog "显示器类型选择": two radio buttons choosing the panel model.

#include <QDialog>
#include <cstdint>

class QRadioButton;

namespace tavelo {

class CDisplayTypeForm;

class CDisplayTypeDialog : public QDialog {
    Q_OBJECT

public:
    CDisplayTypeDialog(CDisplayTypeForm& form, QWidget* parent = nullptr);

    QRadioButton& GetRadio(std::int32_t modelIndex) const;

private:
    QRadioButton* m_pZorA;
    QRadioButton* m_pZorB;
};

}  // namespace tavelo
