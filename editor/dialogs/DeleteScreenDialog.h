#pragma once
// The delete-screen dialog "删除画面": confirms deleting the current screen.

#include <QDialog>
#include <cstdint>

class QLineEdit;

namespace tavelo {

class CDeleteScreenDialog : public QDialog {
    Q_OBJECT

public:
    explicit CDeleteScreenDialog(std::int32_t currentScreen, QWidget* parent = nullptr);

    QLineEdit& GetScreenField() const { return *m_pScreen; }

private:
    QLineEdit* m_pScreen;
};

}  // namespace tavelo
