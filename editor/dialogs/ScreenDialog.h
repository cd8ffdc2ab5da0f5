#pragma once
// The new-screen dialog "新建画面": the new screen's number and description. It stays open
// while the number is out of range or taken.

#include <QDialog>
#include <cstdint>
#include <string>

class QLineEdit;

namespace tavelo {

class CMessenger;
class CSpinButtonEdit;
class CTaveloDoc;

class CScreenDialog : public QDialog {
    Q_OBJECT

public:
    CScreenDialog(const CTaveloDoc& doc, CMessenger& messenger, std::int32_t currentScreen,
                  QWidget* parent = nullptr);

    CSpinButtonEdit& GetNumberField() const { return *m_pNumber; }
    QLineEdit& GetDescriptionField() const { return *m_pDescription; }
    // What "确定" accepted.
    std::int32_t GetNumber() const { return m_nNumber; }
    std::u16string GetDescription() const;

    void accept() override;

private:
    const CTaveloDoc& m_doc;
    CMessenger& m_messenger;
    CSpinButtonEdit* m_pNumber;
    QLineEdit* m_pDescription;
    std::int32_t m_nNumber = 0;
};

}  // namespace tavelo
