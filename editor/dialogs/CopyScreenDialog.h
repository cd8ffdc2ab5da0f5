#pragma once
// The copy-screen dialog "复制画面": copies the current screen to a target number.

#include "ScreenNumberDialog.h"

class QLineEdit;

namespace tavelo {

class CCopyScreenDialog : public CScreenNumberDialog {
    Q_OBJECT

public:
    CCopyScreenDialog(const CTaveloDoc& doc, CMessenger& messenger, std::int32_t currentScreen,
                      QWidget* parent = nullptr);

    QLineEdit& GetSourceField() const { return *m_pSource; }

private:
    QLineEdit* m_pSource;
};

}  // namespace tavelo
