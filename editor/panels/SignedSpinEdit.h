#pragma once
// A number field with spin buttons that also takes a leading minus sign, for limits and scales
// that may be negative.

#include "editor/dialogs/SpinButtonEdit.h"

namespace tavelo {

class CSignedSpinEdit : public CSpinButtonEdit {
    Q_OBJECT

public:
    using CSpinButtonEdit::CSpinButtonEdit;

    QValidator::State validate(QString& input, int& pos) const override;
};

}  // namespace tavelo
