// Builds a small project in code, driving the settings the way their dialogs do, and saves it:
//   tavelo-demo-project OUT.ZORX
// A Modbus(RTU) panel with three screens, the automatic screen change and the clock on
// holding register 100, and three alarm texts on the coils from 0X1.

#include <iostream>

#include "model/AlarmListForm.h"
#include "model/AppState.h"
#include "model/FileError.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/SystemSettingsForm.h"
#include "model/TaveloDoc.h"
#include "plc/LinkSettingsForm.h"
#include "plc/PlcTypeFile.h"

namespace {

constexpr int kModbusRtuPosition = 16;

void ChooseModbus(tavelo::CTaveloDoc& doc, tavelo::CAppState& state) {
    tavelo::CLinkSettingsForm link(doc.GetLink(), state, [] {
        return tavelo::CPlcTypeFile::Load(tavelo::CPlcTypeFile::DefaultPath());
    });
    link.SelectPlcType(kModbusRtuPosition);
    link.Ok();
}

// Picks the unit of that name in a form's unit drop-down.
template <class Form>
void SelectByName(Form& form, std::u16string_view name) {
    const auto& units = form.GetUnitList();
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i] == name) form.SelectUnit(static_cast<int>(i));
}

void SetUpSystemSettings(tavelo::CTaveloDoc& doc, const tavelo::CAppState& state) {
    using Field = tavelo::CSystemSettingsForm::Field;
    tavelo::CSystemSettingsForm form(doc.GetSystemSettings(), state);
    form.Open();
    // The unit list and the register field are enabled once a function is on.
    form.ClickFunction(tavelo::CSystemSettings::kAutoChange);
    form.ClickFunction(tavelo::CSystemSettings::kClock);
    SelectByName(form, u"4X");
    form.SetFieldText(Field::kControlRegister, u"100");
    form.SetFieldText(Field::kPassword, u"2468");
    form.SetFieldText(Field::kInitialScreen, u"2");
}

void SetUpAlarms(tavelo::CTaveloDoc& doc, const tavelo::CAppState& state) {
    tavelo::CAlarmListForm form(doc.GetAlarms(), state);
    form.Open();
    SelectByName(form, u"0X");
    form.SetFieldText(tavelo::CAlarmListForm::Field::kBit, u"1");
    const char16_t* texts[] = {u"电机过热", u"Pump 2 fault", u"液位低"};
    for (int row = 0; row < 3; ++row) {
        form.BeginEdit(row);
        form.TypeText(texts[row]);
        form.EndEdit();
    }
    form.Ok();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tavelo-demo-project OUT.ZORX\n";
        return 2;
    }
    tavelo::CTaveloDoc doc;
    tavelo::CAppState state;
    try {
        tavelo::MakeNewProject(doc);
        ChooseModbus(doc, state);
        doc.AddScreen(tavelo::MakeNewScreen(2, u"温度"));
        doc.AddScreen(tavelo::MakeNewScreen(3, u"Pumps"));
        SetUpSystemSettings(doc, state);
        SetUpAlarms(doc, state);
        tavelo::CProjectFile::Save(doc, state, argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "tavelo-demo-project: " << error.what() << "\n";
        return 1;
    }
    std::cout << argv[1] << "\n";
    return 0;
}
