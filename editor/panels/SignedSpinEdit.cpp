#include "SignedSpinEdit.h"

#include <algorithm>

namespace tavelo {

// An optional minus sign, then digits; the form model decides what the text means.
QValidator::State CSignedSpinEdit::validate(QString& input, int&) const {
    const auto digits = input.startsWith(u'-') ? input.cbegin() + 1 : input.cbegin();
    const bool valid =
        std::all_of(digits, input.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return valid ? QValidator::Acceptable : QValidator::Invalid;
}

}  // namespace tavelo
