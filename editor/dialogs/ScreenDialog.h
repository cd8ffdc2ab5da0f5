#pragma once
// The new-screen dialog "新建画面": the new screen's number and description.

#include <string>

#include "ScreenNumberDialog.h"
#include "model/ScreenCommands.h"

class QLineEdit;

namespace tavelo {

class CScreenDialog : public CScreenNumberDialog {
    Q_OBJECT

public:
    CScreenDialog(const CTaveloDoc& doc, CMessenger& messenger, std::int32_t currentScreen,
                  QWidget* parent = nullptr);

    QLineEdit& GetDescriptionField() const { return *m_pDescription; }
    std::u16string GetDescription() const;

private:
    CScreenDialog(const CTaveloDoc& doc, CMessenger& messenger, const SNewScreenProposal& proposal,
                  QWidget* parent);

    QLineEdit* m_pDescription;
};

}  // namespace tavelo
