#pragma once
// The copy-screen dialog "复制画面": copies the current screen to a target number. It stays
// open while the target is out of range or taken.

#include <QDialog>
#include <cstdint>

class QLineEdit;

namespace tavelo {

class CMessenger;
class CSpinButtonEdit;
class CTaveloDoc;

class CCopyScreenDialog : public QDialog {
    Q_OBJECT

public:
    CCopyScreenDialog(const CTaveloDoc& doc, CMessenger& messenger, std::int32_t currentScreen,
                      QWidget* parent = nullptr);

    QLineEdit& GetSourceField() const { return *m_pSource; }
    CSpinButtonEdit& GetTargetField() const { return *m_pTarget; }
    // What "确定" accepted.
    std::int32_t GetTarget() const { return m_nTarget; }

    void accept() override;

private:
    const CTaveloDoc& m_doc;
    CMessenger& m_messenger;
    QLineEdit* m_pSource;
    CSpinButtonEdit* m_pTarget;
    std::int32_t m_nTarget = 0;
};

}  // namespace tavelo
