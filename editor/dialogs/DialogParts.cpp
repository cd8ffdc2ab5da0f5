#include "DialogParts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "DialogTexts.h"
#include "editor/EditorTexts.h"
#include "SpinButtonEdit.h"
#include "editor/Messenger.h"
#include "editor/QtText.h"
#include "model/FieldText.h"
#include "model/Screen.h"
#include "model/ScreenCommands.h"

namespace tavelo {

QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(ShownText(dialog_text::kOk));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(ShownText(dialog_text::kCancel));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

void ShowChoices(QComboBox& combo, const std::vector<std::u16string>& texts, int position) {
    bool same = combo.count() == static_cast<int>(texts.size());
    for (int i = 0; same && i < combo.count(); ++i)
        same = combo.itemText(i) == ShownText(texts[static_cast<std::size_t>(i)]);
    if (!same) {
        combo.clear();
        for (const std::u16string& text : texts) combo.addItem(ShownText(text));
    }
    combo.setCurrentIndex(position);
}

void ShowNotice(CMessenger& messenger, QWidget* parent, std::u16string_view text) {
    messenger.Show(parent, ShownText(editor_text::kMessageCaption), ShownText(text),
                   CMessenger::EIcon::kWarning);
}

void ShowNoticeIfAny(CMessenger& messenger, QWidget* parent,
                     const std::optional<std::u16string>& text) {
    if (text) ShowNotice(messenger, parent, *text);
}

CSpinButtonEdit* MakeScreenNumberField(std::int32_t number, QWidget* parent) {
    auto* field = new CSpinButtonEdit(parent);
    field->SetRange({kMinScreenNumber, kMaxScreenNumber});
    field->SetText(ToQString(FieldNumberText(number)));
    return field;
}

std::optional<std::int32_t> TakeFreeScreenNumber(const CTaveloDoc& doc, CMessenger& messenger,
                                                 const CSpinButtonEdit& field) {
    // An empty field is refused as number 0, out of range.
    const std::int32_t number = ParseFieldNumber(ToU16(field.text())).value_or(0);
    const std::u16string refusal = CheckScreenNumber(doc, number);
    if (refusal.empty()) return number;
    ShowNotice(messenger, field.window(), refusal);
    return std::nullopt;
}

}  // namespace tavelo
