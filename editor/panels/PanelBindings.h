#pragma once
// Binds a panel's controls to its form model: each binding shows a form value in a control
// and turns the user's edit of the control into the form's action, run through the panel so
// that it applies, shows every value again and tells the view.

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/SpinRange.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QObject;
class QRadioButton;
class QWidget;

namespace tavelo {

class CSpinButtonEdit;

class CPanelBindings {
public:
    using Change = std::function<void()>;
    template <class T>
    using Get = std::function<T()>;
    template <class T>
    using Set = std::function<void(T)>;

    // run carries a user's change of a control through the panel.
    using Runner = std::function<void(const Change&, const QObject* control)>;
    explicit CPanelBindings(Runner run) : m_run(std::move(run)) {}

    // Without set the field only shows the value.
    void Text(QLineEdit* edit, Get<std::u16string> get, Set<std::u16string_view> set);
    void Spin(CSpinButtonEdit* edit, Get<std::u16string> get, Get<CSpinRange> range,
              Set<std::u16string_view> set);
    void Check(QAbstractButton* box, Get<bool> get, Set<bool> set);
    void Choice(QComboBox* combo, Get<std::vector<std::u16string>> list, Get<int> get,
                Set<int> set);
    // One of the buttons is checked: the one at get(); checking another selects its position.
    void Radios(const std::vector<QRadioButton*>& buttons, Get<int> get, Set<int> set);
    // A control the form hides is disabled too; its label goes with it.
    void Shown(QWidget* widget, Get<bool> shown);
    void Enabled(QWidget* widget, Get<bool> enabled);

    // Shows every bound value without reporting it as the user's edit.
    void ShowAll() const;

private:
    void Run(const Change& change, const QObject* control) const { m_run(change, control); }

    Runner m_run;
    std::vector<Change> m_shows;
};

// Sets a line edit's text unless it already holds it, so the caret stays while the user types.
void ShowLineText(QLineEdit& edit, const QString& text);

}  // namespace tavelo
