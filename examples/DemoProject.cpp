// Builds a small project in code, driving the settings the way their dialogs do, and saves it:
//   tavelo-demo-project OUT.ZORX
// A Modbus(RTU) panel with three screens, the automatic screen change and the clock on
// holding register 100, three alarm texts on the coils from 0X1, and on screen 2 a title, a
// settable temperature register 4X10 and a lamp on coil 0X5, each set through its panel.

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "elements/Indicator.h"
#include "elements/IndicatorPanelForm.h"
#include "elements/Register.h"
#include "elements/RegisterPanelForm.h"
#include "elements/StaticText.h"
#include "elements/TextPanelForm.h"
#include "model/AlarmListForm.h"
#include "model/AppState.h"
#include "model/FileError.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/SystemSettingsForm.h"
#include "model/TaveloDoc.h"
#include "model/TextCodec.h"
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

template <class Form>
const std::vector<std::u16string>& GetUnits(const Form& form) {
    if constexpr (requires { form.GetUnitList(); })
        return form.GetUnitList();
    else
        return form.GetAddressFields().GetUnitList();
}

// Picks the unit of that name in a form's unit drop-down.
template <class Form>
void SelectByName(Form& form, std::u16string_view name) {
    const auto& units = GetUnits(form);
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

// Places an element on a screen as a drawing tool does, then lets its panel take it.
template <class Element, class Form>
Form& Place(tavelo::CTaveloDoc& doc, Form& form, int screen, int x, int y) {
    auto& element =
        static_cast<Element&>(doc.AddElement(std::make_unique<Element>(tavelo::CRect{})));
    element.m_nScreenNo = screen;
    form.SetObject(&element);
    form.SetPositionText(Form::Axis::kX, tavelo::FromUtf8(std::to_string(x)));
    form.SetPositionText(Form::Axis::kY, tavelo::FromUtf8(std::to_string(y)));
    return form;
}

void SetUpScreenTwo(tavelo::CTaveloDoc& doc, const tavelo::CAppState& state) {
    tavelo::CTextPanelForm title(state);
    Place<tavelo::CStaticText>(doc, title, 2, 0, 0).SetText(u"温度 Temperature");

    // In drawing order (texts, lamps, registers), so a read-back project lists them alike.
    tavelo::CIndicatorPanelForm lamp(state);
    Place<tavelo::CIndicator>(doc, lamp, 2, 120, 24);
    SelectByName(lamp, u"0X");
    lamp.SetAddressText(tavelo::CIndicatorPanelForm::AddressField::kBit, u"5");

    tavelo::CRegisterPanelForm temperature(state);
    Place<tavelo::CRegister>(doc, temperature, 2, 8, 24);
    SelectByName(temperature, u"4X");
    temperature.SetAddressText(tavelo::CRegisterPanelForm::AddressField::kAddress, u"10");
    temperature.SetFieldText(tavelo::CRegisterPanelForm::Field::kDecimals, u"1");
    temperature.SetCheck(tavelo::CRegisterPanelForm::Check::kSettable, true);
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
        SetUpScreenTwo(doc, state);
        tavelo::CProjectFile::Save(doc, state, argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "tavelo-demo-project: " << error.what() << "\n";
        return 1;
    }
    std::cout << argv[1] << "\n";
    return 0;
}
