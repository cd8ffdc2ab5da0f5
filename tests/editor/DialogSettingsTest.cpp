// The settings dialogs (system settings, alarm list, PLC and link, port, display type, About):
// what typing, clicking and OK/Cancel in the widgets do to the document and the process-wide
// state, and the messages their commands show.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <tuple>

#include "editor/QtText.h"
#include "editor/dialogs/AboutDialog.h"
#include "editor/dialogs/AlarmDialog.h"
#include "editor/dialogs/DisplayTypeDialog.h"
#include "editor/dialogs/LinkSettingsDialog.h"
#include "editor/dialogs/PortDialog.h"
#include "editor/dialogs/SettingsCommands.h"
#include "editor/dialogs/SpinButtonEdit.h"
#include "editor/dialogs/SystemSetingDialog.h"
#include "model/SettingsTestPlc.h"
#include "support/TempDir.h"
#include "support/qt/EditorFixture.h"

using namespace tavelo;

namespace {

using Function = CSystemSettings::Function;
using SettingsField = CSystemSetingDialog::Field;
using SerialField = CLinkSettingsDialog::SerialField;

enum class EButton { kOk, kCancel };

// Shows the dialog, lets the test drive it, then presses "确定" or "取消".
DialogExec Drive(std::function<void(QDialog&)> drive, EButton button) {
    return [drive = std::move(drive), button](QDialog& dialog) {
        dialog.show();
        drive(dialog);
        const QString text = button == EButton::kOk ? "确定" : "取消";
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == text) candidate->click();
        return dialog.result();
    };
}

// Selects the field's text and types over it, as a user replaces a value.
void Retype(QWidget& field, const QString& text) {
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&field, Qt::Key_Delete);
    else
        QTest::keyClicks(&field, text);
}

// The word units of the test PLC are listed VW, DM, D.
void ChooseUnitDM(CSystemSetingDialog& dialog) {
    QComboBox& units = dialog.GetUnitList();
    units.setCurrentIndex(0);
    QTest::keyClick(&units, Qt::Key_Down);
}

void Commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(QApplication::focusWidget(), &event);
}

// The stored fields of the link settings.
auto LinkFields(const CLinkSettings& link) {
    return std::tuple(link.m_nStation, link.m_nDownloadPort, link.m_nBaudCode,
                      link.m_nStopBitsChoice, link.m_nParityChoice, link.m_nDataBitsChoice,
                      link.m_nPlcListIndex);
}

void ClickCell(QTableWidget& table, int row, int column) {
    table.scrollToItem(table.item(row, column));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualItemRect(table.item(row, column)).center());
}

}  // namespace

class DialogSettingsTest : public QObject {
    Q_OBJECT

    test::EditorFixture f;

private slots:
    void init() {
        f.doc.GetSystemSettings().Reset();
        f.doc.GetAlarms() = CAlarmList();
        f.doc.SetModified(false);
        f.state = CAppState();
        f.state.m_currentPlc = test::MakeSettingsTestPlc();
        f.messenger.shown.clear();
    }

    void typedRegisterShowsTextsAndVisibility() {
        CSystemSettingsForm form(f.doc.GetSystemSettings(), f.state);
        CSystemSetingDialog dialog(form, f.messenger);
        dialog.show();
        QVERIFY(!dialog.GetUnitList().isEnabled());
        QVERIFY(dialog.GetRegisterText(Function::kAutoChange).isHidden());

        QTest::mouseClick(&dialog.GetFunctionCheck(Function::kAutoChange), Qt::LeftButton);
        dialog.GetFunctionCheck(Function::kClock).click();
        // DM starts at 10, so the number is typed while VW is chosen.
        Retype(dialog.GetField(SettingsField::kControlRegister), "100");
        ChooseUnitDM(dialog);

        QCOMPARE(dialog.GetRegisterText(Function::kAutoChange).text(), "DM100");
        QCOMPARE(dialog.GetRegisterText(Function::kReportScreen).text(), "");
        QCOMPARE(dialog.GetRegisterText(Function::kClock).text(), "DM101");
        QVERIFY(dialog.GetRegisterText(Function::kClock).isVisible());
        QVERIFY(dialog.GetRegisterLabel(Function::kClock).isVisible());
        QVERIFY(!dialog.GetRegisterText(Function::kReportScreen).isVisible());
        QVERIFY(!dialog.GetRegisterLabel(Function::kReportScreen).isVisible());
        QVERIFY(!dialog.GetDirectionLabel(Function::kReportScreen).isEnabled());
        QCOMPARE(dialog.GetDirectionLabel(Function::kClock).text(), "(ZORA<-PLC)");
        QVERIFY(dialog.GetUnitList().isEnabled());
        QVERIFY(!dialog.GetAnalogCheck().isEnabled());
        QCOMPARE(f.doc.GetSystemSettings().m_strFunctionRegisters[Function::kAutoChange], u"DM100");
    }

    void emptiedFieldShowsItsValueAndSaverScreenFollowsTheAction() {
        CSystemSettingsForm form(f.doc.GetSystemSettings(), f.state);
        CSystemSetingDialog dialog(form, f.messenger);
        dialog.show();
        Retype(dialog.GetField(SettingsField::kInitialScreen), "");
        QCOMPARE(dialog.GetFieldText(SettingsField::kInitialScreen), "1");

        QVERIFY(!dialog.GetField(SettingsField::kSaverScreen).isVisible());
        dialog.GetSaverActionRadio(CSystemSettings::kSaverShowScreen).click();
        QVERIFY(dialog.GetField(SettingsField::kSaverScreen).isVisible());
        Retype(dialog.GetField(SettingsField::kSaverScreen), "12");
        QCOMPARE(f.doc.GetSystemSettings().m_nSaverScreen, 12);

        // The spin buttons step the number the field holds.
        QTest::keyClick(&dialog.GetField(SettingsField::kSaverScreen), Qt::Key_Up);
        QCOMPARE(dialog.GetFieldText(SettingsField::kSaverScreen), "13");
        QCOMPARE(f.doc.GetSystemSettings().m_nSaverScreen, 13);
    }

    void okMarksModifiedAndCancelRestores() {
        const CSystemSettings before = f.doc.GetSystemSettings();
        auto typeInitialScreen = [](QDialog& dialog) {
            auto& settings = static_cast<CSystemSetingDialog&>(dialog);
            Retype(settings.GetField(SettingsField::kInitialScreen), "7");
            settings.GetFunctionCheck(Function::kReportScreen).click();
        };
        QVERIFY(!RunSystemSettingsCommand(f.context, nullptr,
                                          Drive(typeInitialScreen, EButton::kCancel)));
        QVERIFY(f.doc.GetSystemSettings() == before);
        QVERIFY(!f.doc.IsModified());

        QVERIFY(
            RunSystemSettingsCommand(f.context, nullptr, Drive(typeInitialScreen, EButton::kOk)));
        QCOMPARE(f.doc.GetSystemSettings().m_nInitialScreen, 7);
        QCOMPARE(f.doc.GetSystemSettings().m_bFunctions[Function::kReportScreen], 1);
        QVERIFY(f.doc.IsModified());
        QVERIFY(f.messenger.shown.empty());
    }

    void chineseCommittedInACellReachesTheAlarmTexts() {
        f.doc.GetAlarms().m_strUnitName = u"M";
        f.doc.GetAlarms().m_nAddress = 10;
        f.doc.GetAlarms().m_texts = {u"一", u""};
        auto typeAlarm = [](QDialog& dialog) {
            auto& alarms = static_cast<CAlarmDialog&>(dialog);
            QVERIFY(QTest::qWaitForWindowActive(&alarms));
            ClickCell(alarms.GetRows(), 1, CAlarmDialog::kTextColumn);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&alarms.GetEditBox()));
            Commit("温度过高");
            QCOMPARE(alarms.GetRows().item(1, CAlarmDialog::kTextColumn)->text(), "温度过高");
            QCOMPARE(alarms.GetRows().item(1, CAlarmDialog::kNumberColumn)->text(), "M10.1");
            QCOMPARE(alarms.GetRows().rowCount(), 3);
            // A click elsewhere closes the box; the next click edits the first text.
            ClickCell(alarms.GetRows(), 0, CAlarmDialog::kTextColumn);
            QCOMPARE(alarms.GetEditBox().text(), "一");
            Commit("二");
        };
        QVERIFY(RunAlarmListCommand(f.context, nullptr, Drive(typeAlarm, EButton::kOk)));
        const std::vector<std::u16string> expected = {u"一二", u"温度过高", u""};
        QVERIFY(f.doc.GetAlarms().m_texts == expected);
        QVERIFY(f.doc.IsModified());
    }

    void emptyingAMiddleRowClosesTheBoxInsteadOfEditingTheNextText() {
        f.doc.GetAlarms().m_strUnitName = u"M";
        f.doc.GetAlarms().m_texts = {u"a", u"b", u"c"};
        CAlarmListForm form(f.doc.GetAlarms(), f.state);
        CAlarmDialog dialog(form, f.messenger);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ClickCell(dialog.GetRows(), 1, CAlarmDialog::kTextColumn);
        QTest::keyClick(&dialog.GetEditBox(), Qt::Key_Backspace);
        QVERIFY(dialog.GetEditBox().isHidden());
        QVERIFY(QApplication::focusWidget());
        QTest::keyClicks(QApplication::focusWidget(), "x");
        QCOMPARE(dialog.GetRows().item(1, CAlarmDialog::kTextColumn)->text(), "c");
        dialog.reject();
        QVERIFY((f.doc.GetAlarms().m_texts == std::vector<std::u16string>{u"a", u"b", u"c"}));
    }

    void cancelRestoresTheAlarmList() {
        f.doc.GetAlarms().m_strUnitName = u"M";
        f.doc.GetAlarms().m_texts = {u"一"};
        const CAlarmList before = f.doc.GetAlarms();
        auto changeStation = [](QDialog& dialog) {
            Retype(static_cast<CAlarmDialog&>(dialog).GetField(CAlarmDialog::Field::kStation), "9");
        };
        QVERIFY(!RunAlarmListCommand(f.context, nullptr, Drive(changeStation, EButton::kCancel)));
        QVERIFY(f.doc.GetAlarms() == before);
        QVERIFY(!f.doc.IsModified());
    }

    void alarmMessagesReachTheMessenger() {
        // A full list refuses to edit the row after the limit.
        f.doc.GetAlarms().m_strUnitName = u"M";
        f.doc.GetAlarms().m_texts.assign(128, u"报警");
        CAlarmListForm form(f.doc.GetAlarms(), f.state);
        CAlarmDialog dialog(form, f.messenger);
        dialog.show();
        ClickCell(dialog.GetRows(), 127, CAlarmDialog::kTextColumn);
        QVERIFY(dialog.GetEditBox().isHidden());
        QCOMPARE(f.messenger.ShownTexts(), QStringList{"报警列表上限！"});
        dialog.reject();

        // A protocol without alarms refuses the command before any dialog.
        f.messenger.shown.clear();
        f.state.m_nPlcListIndex = CAlarmListForm::kPlcIndexWithoutAlarms;
        bool opened = false;
        QVERIFY(!RunAlarmListCommand(f.context, nullptr, [&opened](QDialog&) {
            opened = true;
            return 0;
        }));
        QVERIFY(!opened);
        QCOMPARE(f.messenger.ShownTexts(), QStringList{"该协议不支持报警！"});
        QCOMPARE(f.messenger.shown.front().caption, "Tavelo");
    }

    void linkToggleShowsSerialListsAndCancelRestoresThePlcType() {
        auto choosePlcType = [this](QDialog& dialog) {
            auto& link = static_cast<CLinkSettingsDialog&>(dialog);
            QVERIFY(!link.GetSerialList(SerialField::kBaud).isVisible());
            link.GetToggleButton().click();
            QVERIFY(link.GetSerialList(SerialField::kParity).isVisible());
            QCOMPARE(link.GetToggleButton().text(), "通讯参数设置<<");
            // Entry 2, 光洋(DirectLOGIC), talks 8 data bits and odd parity.
            QTest::keyClick(&link.GetPlcTypeList(), Qt::Key_Down);
            QTest::keyClick(&link.GetPlcTypeList(), Qt::Key_Down);
            QCOMPARE(link.GetSerialList(SerialField::kDataBits).currentText(), "8位");
            QCOMPARE(link.GetSerialList(SerialField::kParity).currentText(), "奇校验");
            QCOMPARE(f.state.m_nPlcListIndex, 2);
            QCOMPARE(ToQString(f.state.m_currentPlc.GetName()), "光洋(DirectLOGIC)");
            link.GetToggleButton().click();
            QVERIFY(!link.GetSerialList(SerialField::kBaud).isVisible());
            QCOMPARE(link.GetToggleButton().text(), "通讯参数设置>>");
        };
        QVERIFY(
            !RunLinkSettingsCommand(f.context, nullptr, Drive(choosePlcType, EButton::kCancel)));
        QCOMPARE(f.state.m_nPlcListIndex, 0);
        QCOMPARE(f.doc.GetLink().m_nPlcListIndex, 0);
        QCOMPARE(ToQString(f.state.m_currentPlc.GetName()), "西门子S7-200");
        QVERIFY(!f.doc.IsModified());

        QVERIFY(RunLinkSettingsCommand(f.context, nullptr, Drive(choosePlcType, EButton::kOk)));
        QCOMPARE(f.doc.GetLink().m_nPlcListIndex, 2);
        QVERIFY(f.doc.GetLink().m_plcTypes.empty());
        QVERIFY(f.doc.IsModified());
        QVERIFY(f.messenger.shown.empty());
    }

    void unreadablePlcTypeFileIsNamedAndChangesNothing() {
        const test::CTempDir emptyDir;
        const std::filesystem::path programDir = f.context.m_programDir;
        f.context.m_programDir = emptyDir.Path();
        const auto before = LinkFields(f.doc.GetLink());
        bool opened = false;
        const bool accepted = RunLinkSettingsCommand(f.context, nullptr, [&opened](QDialog&) {
            opened = true;
            return 1;
        });
        f.context.m_programDir = programDir;
        QVERIFY(!accepted);
        QVERIFY(!opened);
        QCOMPARE(f.messenger.shown.size(), std::size_t{1});
        QVERIFY(f.messenger.shown.front().text.contains("PlcTypes.DAT"));
        QVERIFY(LinkFields(f.doc.GetLink()) == before);
        QVERIFY(f.state.m_currentPlc.GetName() == u"TestPLC");
    }

    void portOkStoresTheChosenPort() {
        auto chooseCom3 = [](QDialog& dialog) {
            QComboBox& ports = static_cast<CPortDialog&>(dialog).GetPortList();
            QCOMPARE(ports.currentText(), "COM1");
            QTest::keyClick(&ports, Qt::Key_Down);
            QTest::keyClick(&ports, Qt::Key_Down);
        };
        QVERIFY(!RunPortCommand(f.context, nullptr, Drive(chooseCom3, EButton::kCancel)));
        QCOMPARE(f.doc.GetLink().m_nDownloadPort, 1);
        QVERIFY(!f.doc.IsModified());
        QVERIFY(RunPortCommand(f.context, nullptr, Drive(chooseCom3, EButton::kOk)));
        QCOMPARE(f.doc.GetLink().m_nDownloadPort, 3);
        QVERIFY(f.doc.IsModified());
    }

    void displayTypeClickSetsTheModelAtOnce() {
        f.state.m_nModelIndex = 5;
        auto chooseZorB = [this](QDialog& dialog) {
            auto& display = static_cast<CDisplayTypeDialog&>(dialog);
            QVERIFY(display.GetRadio(CAppState::kModelZorA).isChecked());
            display.GetRadio(CAppState::kModelZorB).click();
            QCOMPARE(f.state.m_nModelIndex, CAppState::kModelZorB);
        };
        QVERIFY(!RunDisplayTypeCommand(f.context, nullptr, Drive(chooseZorB, EButton::kCancel)));
        QCOMPARE(f.state.m_nModelIndex, CAppState::kModelZorB);
        QVERIFY(!f.doc.IsModified());

        QString version;
        RunAboutCommand(f.context, nullptr, [&version](QDialog& dialog) {
            version = static_cast<CAboutDialog&>(dialog).GetVersionText();
            return 1;
        });
        QCOMPARE(version, "ZORB 测试版");

        auto keepZorB = [](QDialog& dialog) {
            QVERIFY(static_cast<CDisplayTypeDialog&>(dialog)
                        .GetRadio(CAppState::kModelZorB)
                        .isChecked());
        };
        QVERIFY(RunDisplayTypeCommand(f.context, nullptr, Drive(keepZorB, EButton::kOk)));
        QVERIFY(f.doc.IsModified());
    }
};

QTEST_MAIN(DialogSettingsTest)
#include "DialogSettingsTest.moc"
