#pragma once
// What the new-screen and copy-screen dialogs share: one screen number that must lie in range
// and be free. "确定" refuses any other number with its message and keeps the dialog open.

#include <QDialog>
#include <cstdint>

class QLayout;

namespace tavelo {

class CMessenger;
class CSpinButtonEdit;
class CTaveloDoc;

class CScreenNumberDialog : public QDialog {
    Q_OBJECT

public:
    CSpinButtonEdit& GetNumberField() const { return *m_pNumber; }
    // What "确定" accepted.
    std::int32_t GetNumber() const { return m_nNumber; }

    void accept() override;

protected:
    CScreenNumberDialog(const CTaveloDoc& doc, CMessenger& messenger, const char16_t* caption,
                        std::int32_t proposal, QWidget* parent);

    // The dialog's own fields, above the buttons "确定" and "取消".
    void SetContents(QLayout* contents);

private:
    const CTaveloDoc& m_doc;
    CMessenger& m_messenger;
    CSpinButtonEdit* m_pNumber;
    std::int32_t m_nNumber = 0;
};

}  // namespace tavelo
