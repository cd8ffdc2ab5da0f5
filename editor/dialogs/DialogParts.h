#pragma once
// Small pieces the settings and screen dialogs share: the 确定/取消 buttons, filling a
// drop-down from a form model's list, showing a form model's message, the screen number field.

#include <QDialogButtonBox>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QDialog;
class QWidget;

namespace tavelo {

class CMessenger;
class CSpinButtonEdit;
class CTaveloDoc;

// "确定" accepts the dialog and is its default button, "取消" rejects it.
QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog);

// Refills the drop-down only when its entries differ, then selects position (-1: none).
void ShowChoices(QComboBox& combo, const std::vector<std::u16string>& texts, int position);

// Shows the message, if any, with the dialogs' caption.
void ShowNotice(CMessenger& messenger, QWidget* parent, std::u16string_view text);
void ShowNoticeIfAny(CMessenger& messenger, QWidget* parent,
                     const std::optional<std::u16string>& text);

// A screen number field with spin buttons over 1 to 32767, holding the number.
CSpinButtonEdit* MakeScreenNumberField(std::int32_t number, QWidget* parent);
// The field's number when a new screen may take it; otherwise shows why not and answers none.
std::optional<std::int32_t> TakeFreeScreenNumber(const CTaveloDoc& doc, CMessenger& messenger,
                                                 const CSpinButtonEdit& field);

}  // namespace tavelo
