// Builds a small project in code, driving the settings the way their dialogs do, and saves it:
//   tavelo-demo-project OUT.ZORX
// A Modbus(RTU) panel with three screens, the automatic screen change and the clock on
// holding register 100, three alarm texts on the coils from 0X1, and on screen 2 a title, a
// settable temperature register 4X10 and a lamp on coil 0X5, each set through its panel.

#include <cstdint>
#include <initializer_list>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "elements/BitmapImport.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicBitmapPanelForm.h"
#include "elements/DynamicText.h"
#include "elements/DynamicTextPanelForm.h"
#include "elements/FunctionKey.h"
#include "elements/FunctionKeyPanelForm.h"
#include "elements/Indicator.h"
#include "elements/IndicatorPanelForm.h"
#include "elements/Register.h"
#include "elements/RegisterPanelForm.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticBitmapPanelForm.h"
#include "elements/StaticText.h"
#include "elements/TextPanelForm.h"
#include "elements/TrendBar.h"
#include "elements/TrendBarPanelForm.h"
#include "elements/VectorDynamicTextPanelForm.h"
#include "elements/VectorTextPanelForm.h"
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
Form& Place(tavelo::CTaveloDoc& doc, Form& form, std::unique_ptr<Element> made, int screen, int x,
            int y) {
    auto& element = static_cast<Element&>(doc.AddElement(std::move(made)));
    element.m_nScreenNo = screen;
    form.SetObject(&element);
    form.SetPositionText(Form::Axis::kX, tavelo::FromUtf8(std::to_string(x)));
    form.SetPositionText(Form::Axis::kY, tavelo::FromUtf8(std::to_string(y)));
    return form;
}

template <class Element, class Form>
Form& Place(tavelo::CTaveloDoc& doc, Form& form, int screen, int x, int y) {
    return Place(doc, form, std::make_unique<Element>(tavelo::CRect{}), screen, x, y);
}

void SetUpScreenTwo(tavelo::CTaveloDoc& doc, const tavelo::CAppState& state) {
    tavelo::CTextPanelForm title(state);
    Place<tavelo::CStaticText>(doc, title, 2, 0, 0).SetText(u"温度 Temperature");

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

// Types value and text of each row into a dynamic text's table, as a user does.
void TypeRows(tavelo::CDynamicTextPanelForm& form,
              std::initializer_list<std::pair<const char16_t*, const char16_t*>> rows) {
    using Column = tavelo::CDynamicTextPanelForm::Column;
    std::size_t row = 0;
    for (const auto& [value, text] : rows) {
        for (auto [column, typed] :
             {std::pair{Column::kValue, value}, std::pair{Column::kText, text}}) {
            form.BeginEdit(row, column);
            form.TypeInCell(typed);
            form.EndEdit();
        }
        ++row;
    }
}

// A 1-bit BMP file of a framed 48 x 16 badge with a diagonal, as a user would import one.
std::vector<std::uint8_t> BadgeBmp() {
    constexpr std::uint32_t kWidth = 48, kHeight = 16, kStride = 8;
    std::vector<std::uint8_t> file = {'B', 'M'};
    auto put = [&file](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(62 + kStride * kHeight, 4);
    put(0, 4);
    put(62, 4);
    for (std::uint32_t field : {40u, kWidth, kHeight}) put(field, 4);
    put(1, 2);
    put(1, 2);
    for (int i = 0; i < 6; ++i) put(0, 4);
    put(0x000000, 4);  // palette: index 0 black, 1 white
    put(0xFFFFFF, 4);
    for (std::uint32_t row = kHeight; row-- > 0;) {  // bottom row first
        for (std::uint32_t byte = 0; byte < kStride; ++byte) {
            std::uint8_t bits = 0xFF;
            for (std::uint32_t bit = 0; bit < 8; ++bit) {
                const std::uint32_t x = byte * 8 + bit;
                const bool ink = x < kWidth && (row == 0 || row == kHeight - 1 || x == 0 ||
                                                x == kWidth - 1 || x / 3 == row);
                if (ink) bits = static_cast<std::uint8_t>(bits & ~(0x80u >> bit));
            }
            file.push_back(bits);
        }
    }
    return file;
}

// The vector texts and the two bitmap kinds.
void SetUpScreenOne(tavelo::CTaveloDoc& doc, const tavelo::CAppState& state) {
    tavelo::CVectorTextPanelForm title(state);
    auto vector = std::make_unique<tavelo::CStaticText>(tavelo::CRect{});
    vector->SetVector(true);
    Place(doc, title, std::move(vector), 1, 0, 0).SetText(u"欢迎 Welcome");

    tavelo::CVectorDynamicTextPanelForm mode(state);
    auto dynamic = std::make_unique<tavelo::CDynamicText>(tavelo::CRect{});
    dynamic->SetVector(true);
    Place(doc, mode, std::move(dynamic), 1, 0, 24);
    TypeRows(mode, {{u"0", u"手动"}, {u"1", u"自动"}});

    const tavelo::CBitmapImport badge = tavelo::CBitmapImport::FromBytes(BadgeBmp());
    tavelo::CStaticBitmapPanelForm picture(state);
    Place(doc, picture, std::make_unique<tavelo::CStaticBitmap>(*badge.m_bitmap, u"badge.bmp"), 1,
          120, 0);

    tavelo::CDynamicBitmapPanelForm lamp(state);
    Place<tavelo::CDynamicBitmap>(doc, lamp, 1, 120, 32);
}

// A pump's state as text, its start key and its speed as a bar.
void SetUpScreenThree(tavelo::CTaveloDoc& doc, const tavelo::CAppState& state) {
    tavelo::CDynamicTextPanelForm status(state);
    Place<tavelo::CDynamicText>(doc, status, 3, 0, 0);
    TypeRows(status, {{u"0", u"停止"}, {u"1", u"运行"}});

    tavelo::CFunctionKeyPanelForm start(state);
    Place<tavelo::CFunctionKey>(doc, start, 3, 0, 32);

    tavelo::CTrendBarPanelForm speed(state);
    Place(doc, speed, std::make_unique<tavelo::CTrendBar>(tavelo::CTrendBar::kBarGraph), 3, 160, 8);
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
        // The last screen's down key leads back to the first, so every target exists.
        doc.AddScreen(tavelo::MakeNewScreen(3, u"Pumps")).SetDownScreen(1);
        SetUpSystemSettings(doc, state);
        SetUpAlarms(doc, state);
        SetUpScreenOne(doc, state);
        SetUpScreenTwo(doc, state);
        SetUpScreenThree(doc, state);
        // In the order a project read back lists its elements, so the example converts to
        // ".ZOR" and back byte for byte.
        doc.BuildKindLists();
        doc.RebuildElementList();
        tavelo::CProjectFile::Save(doc, state, argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "tavelo-demo-project: " << error.what() << "\n";
        return 1;
    }
    std::cout << argv[1] << "\n";
    return 0;
}
