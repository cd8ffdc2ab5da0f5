#pragma once
// A number field with spin buttons: the field holds the digits the user typed, even outside
// the range, and the buttons step the number within the range, as the form models expect.

#include <QAbstractSpinBox>
#include <cstdint>
#include <string>

#include "model/SpinRange.h"

namespace tavelo {

class CSpinButtonEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit CSpinButtonEdit(QWidget* parent = nullptr);

    void SetRange(CSpinRange range) { m_range = range; }
    CSpinRange GetRange() const { return m_range; }
    // The field refuses a text of more characters.
    void SetMaxLength(std::size_t length) { m_nMaxLength = length; }
    // Shows the text without reporting it as the user's edit; the caret stays where it was
    // when the text is unchanged.
    void SetText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The whole text after a keystroke or a step of the buttons.
    void TextEdited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    static constexpr int kShownDigits = 6;

    std::int64_t CurrentNumber() const;

    CSpinRange m_range{0, 0};
    std::size_t m_nMaxLength = std::u16string::npos;
};

}  // namespace tavelo
