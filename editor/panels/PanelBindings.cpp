#include "PanelBindings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "editor/QtText.h"
#include "editor/dialogs/DialogParts.h"
#include "editor/dialogs/SpinButtonEdit.h"

namespace tavelo {
namespace {

// The labels that name the widget.
QList<QLabel*> LabelsOf(QWidget* widget) {
    QList<QLabel*> labels;
    if (!widget->parentWidget()) return labels;
    for (QLabel* label : widget->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == widget) labels << label;
    return labels;
}

}  // namespace

void ShowLineText(QLineEdit& edit, const QString& text) {
    if (edit.text() != text) edit.setText(text);
}

void CPanelBindings::Text(QLineEdit* edit, Get<std::u16string> get, Set<std::u16string_view> set) {
    if (set)
        QObject::connect(
            edit, &QLineEdit::textEdited, edit,
            [this, set, edit](const QString& text) { Run([&] { set(ToU16(text)); }, edit); });
    m_shows.push_back([edit, get] {
        const QSignalBlocker blocker(edit);
        ShowLineText(*edit, ToQString(get()));
    });
}

void CPanelBindings::Spin(CSpinButtonEdit* edit, Get<std::u16string> get, Get<CSpinRange> range,
                          Set<std::u16string_view> set) {
    QObject::connect(
        edit, &CSpinButtonEdit::TextEdited, edit,
        [this, set, edit](const QString& text) { Run([&] { set(ToU16(text)); }, edit); });
    m_shows.push_back([edit, get, range] {
        const QSignalBlocker blocker(edit);
        edit->SetRange(range());
        edit->SetText(ToQString(get()));
    });
}

void CPanelBindings::Check(QAbstractButton* box, Get<bool> get, Set<bool> set) {
    QObject::connect(box, &QAbstractButton::toggled, box,
                     [this, set, box](bool checked) { Run([&] { set(checked); }, box); });
    m_shows.push_back([box, get] {
        const QSignalBlocker blocker(box);
        box->setChecked(get());
    });
}

void CPanelBindings::Choice(QComboBox* combo, Get<std::vector<std::u16string>> list, Get<int> get,
                            Set<int> set) {
    QObject::connect(combo, &QComboBox::activated, combo,
                     [this, set, combo](int position) { Run([&] { set(position); }, combo); });
    m_shows.push_back([combo, list, get] {
        const QSignalBlocker blocker(combo);
        ShowChoices(*combo, list(), get());
    });
}

void CPanelBindings::Radios(const std::vector<QRadioButton*>& buttons, Get<int> get, Set<int> set) {
    auto* group = new QButtonGroup(buttons.front());
    for (std::size_t i = 0; i < buttons.size(); ++i)
        group->addButton(buttons[i], static_cast<int>(i));
    QObject::connect(group, &QButtonGroup::idToggled, group,
                     [this, set, group](int id, bool checked) {
                         if (checked) Run([&] { set(id); }, group);
                     });
    m_shows.push_back([group, get] {
        const QSignalBlocker blocker(group);
        if (QAbstractButton* button = group->button(get())) button->setChecked(true);
    });
}

void CPanelBindings::Shown(QWidget* widget, Get<bool> shown) {
    m_shows.push_back([widget, shown] {
        const bool on = shown();
        widget->setHidden(!on);
        widget->setEnabled(on);
        for (QLabel* label : LabelsOf(widget)) label->setHidden(!on);
    });
}

void CPanelBindings::Enabled(QWidget* widget, Get<bool> enabled) {
    m_shows.push_back([widget, enabled] {
        const bool on = enabled();
        widget->setEnabled(on);
        for (QLabel* label : LabelsOf(widget)) label->setEnabled(on);
    });
}

void CPanelBindings::ShowAll() const {
    for (const Change& show : m_shows) show();
}

}  // namespace tavelo
