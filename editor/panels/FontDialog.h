#pragma once
// The modal font choice dialog "字体设置" of the vector text panels: the face and size lists
// over a CFontDialogForm.

#include <QDialog>
#include <functional>

#include "elements/FontDialogForm.h"

class QComboBox;

namespace tavelo {

class CFontDialog : public QDialog {
    Q_OBJECT

public:
    using Closed = std::function<void(const CFontDialogForm& form, bool ok)>;

    CFontDialog(const CFontDialogForm& form, QWidget* parent);

    // Opens the dialog modal over parent without waiting; closed runs when it closes, on OK
    // or Cancel, and the dialog frees itself.
    static CFontDialog* Open(const CFontDialogForm& form, QWidget* parent, Closed closed);

    const CFontDialogForm& GetForm() const { return m_form; }

private:
    void ShowValues();

    CFontDialogForm m_form;
    QComboBox* m_pFace;
    QComboBox* m_pSize;
};

}  // namespace tavelo
