#include "SpinButtonEdit.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

#include "editor/QtText.h"
#include "model/FieldText.h"

namespace tavelo {

CSpinButtonEdit::CSpinButtonEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    connect(lineEdit(), &QLineEdit::textEdited, this, &CSpinButtonEdit::TextEdited);
}

void CSpinButtonEdit::SetText(const QString& text) {
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void CSpinButtonEdit::stepBy(int steps) {
    const std::int64_t stepped =
        std::clamp<std::int64_t>(CurrentNumber() + steps, m_range.m_nLow, m_range.m_nHigh);
    const QString text = ToQString(FieldNumberText(stepped));
    SetText(text);
    emit TextEdited(text);
}

// Digits only, as the number fields of the dialogs; an empty field is the user still typing.
QValidator::State CSpinButtonEdit::validate(QString& input, int&) const {
    const bool digits =
        std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const bool fits = static_cast<std::size_t>(input.size()) <= m_nMaxLength;
    return digits && fits ? QValidator::Acceptable : QValidator::Invalid;
}

QSize CSpinButtonEdit::sizeHint() const {
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize textSize(fontMetrics().horizontalAdvance(QString(kShownDigits, u'0')) + 2,
                         lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, textSize, this);
}

QAbstractSpinBox::StepEnabled CSpinButtonEdit::stepEnabled() const {
    const std::int64_t number = CurrentNumber();
    StepEnabled enabled = StepNone;
    if (number < m_range.m_nHigh) enabled |= StepUpEnabled;
    if (number > m_range.m_nLow) enabled |= StepDownEnabled;
    return enabled;
}

// An empty field steps from the low end of the range.
std::int64_t CSpinButtonEdit::CurrentNumber() const {
    return ParseFieldNumber(ToU16(lineEdit()->text())).value_or(m_range.m_nLow);
}

}  // namespace tavelo
