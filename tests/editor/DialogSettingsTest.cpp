// The settings dialogs (system settings, alarm list, PLC and link, port, display type, About):
// what typing, clicking and OK/Cancel in the widgets do to the document and the process-wide
// state, and the messages their commands show.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "editor/MessageBoxMessenger.h"
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
#include "support/qt/UserInput.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

using Function = CSystemSettings::Function;
using SettingsField = CSystemSetingDialog::Field;
using SerialField = CLinkSettingsDialog::SerialField;

enum class EButton { kOk, kCancel };

using Command = bool (*)(CEditorContext&, QWidget*, const DialogExec&);
using DriveDialog = std::function<void(QDialog&)>;
using Changed = std::function<bool()>;

// A drive of one dialog class.
template <class Dialog>
DriveDialog Drive(std::function<void(Dialog&)> drive) {
    return [drive](QDialog& dialog) { drive(static_cast<Dialog&>(dialog)); };
}

Changed Check(Changed check) {
    return check;
}

// Shows the dialog, lets the test drive it, then presses "确定" or "取消".
DialogExec ButtonAfter(DriveDialog drive, EButton button) {
    return [drive = std::move(drive), button](QDialog& dialog) {
        dialog.show();
        drive(dialog);
        PressButton(dialog, button == EButton::kOk ? "确定" : "取消");
        return dialog.result();
    };
}

}  // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(DriveDialog)
Q_DECLARE_METATYPE(Changed)

class DialogSettingsTest : public QObject {
    Q_OBJECT

    EditorFixture f;
    const std::filesystem::path programDir = f.context.m_programDir;
    const CTempDir emptyDir;

private slots:
    void init() {
        f.context.m_programDir = programDir;
        f.doc.GetSystemSettings().Reset();
        f.doc.GetAlarms() = CAlarmList();
        f.doc.SetModified(false);
        f.state = CAppState();
        f.state.m_currentPlc = MakeSettingsTestPlc();
        f.messenger.shown.clear();
    }

    // Each settings command: Cancel puts back what the dialog changed, OK marks the project.
    void cancelPutsBackAndOkMarksModified_data() {
        QTest::addColumn<Command>("run");
        QTest::addColumn<DriveDialog>("drive");
        QTest::addColumn<Changed>("changed");
        // The system settings dialog shows what the form made of each edit; the spin buttons
        // step the number the field holds.
        QTest::newRow("system settings")
            << Command(RunSystemSettingsCommand) << Drive<CSystemSetingDialog>([](auto& d) {
                   QVERIFY(d.GetRegisterText(Function::kAutoChange).isHidden());
                   QTest::mouseClick(&d.GetFunctionCheck(Function::kAutoChange), Qt::LeftButton);
                   TypeOver(&d.GetField(SettingsField::kControlRegister), "100");
                   QVERIFY(d.GetRegisterText(Function::kAutoChange).isVisible());
                   QCOMPARE(d.GetRegisterText(Function::kAutoChange).text(), "VW100");
                   TypeOver(&d.GetField(SettingsField::kInitialScreen), "");
                   QCOMPARE(d.GetFieldText(SettingsField::kInitialScreen), "1");
                   TypeOver(&d.GetField(SettingsField::kInitialScreen), "7");
                   d.GetSaverActionRadio(CSystemSettings::kSaverShowScreen).click();
                   TypeOver(&d.GetField(SettingsField::kSaverScreen), "12");
                   QTest::keyClick(&d.GetField(SettingsField::kSaverScreen), Qt::Key_Up);
                   QCOMPARE(d.GetFieldText(SettingsField::kSaverScreen), "13");
               })
            << Check([this] {
                   const CSystemSettings& settings = f.doc.GetSystemSettings();
                   return settings.m_nInitialScreen == 7 && settings.m_nSaverScreen == 13;
               });
        QTest::newRow("alarm list")
            << Command(RunAlarmListCommand) << Drive<CAlarmDialog>([](auto& d) {
                   TypeOver(&d.GetField(CAlarmDialog::Field::kStation), "9");
               })
            << Check([this] { return f.doc.GetAlarms().m_nStation == 9; });
        QTest::newRow("port") << Command(RunPortCommand) << Drive<CPortDialog>([](auto& d) {
            QTest::keyClick(&d.GetPortList(), Qt::Key_Down);
            QTest::keyClick(&d.GetPortList(), Qt::Key_Down);
        }) << Check([this] { return f.doc.GetLink().m_nDownloadPort == 3; });
        // The serial lists show behind the toggle and follow the chosen type: entry 2,
        // 光洋(DirectLOGIC), talks odd parity.
        QTest::newRow("PLC and link")
            << Command(RunLinkSettingsCommand) << Drive<CLinkSettingsDialog>([](auto& d) {
                   QVERIFY(!d.GetSerialList(SerialField::kBaud).isVisible());
                   d.GetToggleButton().click();
                   QCOMPARE(d.GetToggleButton().text(), "通讯参数设置<<");
                   QTest::keyClick(&d.GetPlcTypeList(), Qt::Key_Down);
                   QTest::keyClick(&d.GetPlcTypeList(), Qt::Key_Down);
                   QCOMPARE(d.GetSerialList(SerialField::kParity).currentText(), "奇校验");
               })
            << Check([this] { return f.doc.GetLink().m_nPlcListIndex == 2; });
        // The click sets the model at once; Cancel keeps it, as the original does.
        QTest::newRow("display type")
            << Command(RunDisplayTypeCommand)
            << Drive<CDisplayTypeDialog>([](auto& d) { d.GetRadio(CAppState::kModelZorB).click(); })
            << Check([this] { return f.state.m_nModelIndex == CAppState::kModelZorB; });
    }
    void cancelPutsBackAndOkMarksModified() {
        QFETCH(Command, run);
        QFETCH(DriveDialog, drive);
        QFETCH(Changed, changed);
        f.doc.GetAlarms().m_strUnitName = u"M";
        const bool keptOnCancel = QTest::currentDataTag() == QByteArray("display type");
        QVERIFY(!run(f.context, nullptr, ButtonAfter(drive, EButton::kCancel)));
        QCOMPARE(changed(), keptOnCancel);
        QVERIFY(!f.doc.IsModified());
        QVERIFY(run(f.context, nullptr, ButtonAfter(drive, EButton::kOk)));
        QVERIFY(changed());
        QVERIFY(f.doc.IsModified());
        QVERIFY(f.messenger.shown.empty());
    }

    void chineseCommittedInACellReachesTheAlarmTexts() {
        f.doc.GetAlarms().m_strUnitName = u"M";
        f.doc.GetAlarms().m_texts = {u"一", u""};
        auto typeAlarm = [](QDialog& dialog) {
            auto& alarms = static_cast<CAlarmDialog&>(dialog);
            QVERIFY(QTest::qWaitForWindowActive(&alarms));
            ClickCell(alarms.GetRows(), 1, CAlarmDialog::kTextColumn);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&alarms.GetEditBox()));
            Commit("温度过高");
            QCOMPARE(alarms.GetRows().item(1, CAlarmDialog::kTextColumn)->text(), "温度过高");
            // A click elsewhere closes the box; the next click edits the first text.
            ClickCell(alarms.GetRows(), 0, CAlarmDialog::kTextColumn);
            QCOMPARE(alarms.GetEditBox().text(), "一");
            Commit("二");
        };
        QVERIFY(RunAlarmListCommand(f.context, nullptr, ButtonAfter(typeAlarm, EButton::kOk)));
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

    void aProtocolWithoutAlarmsRefusesTheCommandBeforeAnyDialog() {
        f.state.m_nPlcListIndex = CAlarmListForm::kPlcIndexWithoutAlarms;
        QVERIFY(!RunAlarmListCommand(f.context, nullptr, [](QDialog&) {
            qFatal("opened");
            return 1;
        }));
        QCOMPARE(f.messenger.ShownTexts(), QStringList{"该协议不支持报警！"});
        QCOMPARE(f.messenger.shown.front().caption, "Tavelo");
    }

    void unreadablePlcTypeFileIsNamedAndChangesNothing() {
        f.context.m_programDir = emptyDir.Path();
        QVERIFY(!RunLinkSettingsCommand(f.context, nullptr, [](QDialog&) {
            qFatal("opened");
            return 1;
        }));
        QCOMPARE(f.messenger.shown.size(), std::size_t{1});
        QVERIFY(f.messenger.shown.front().text.contains("PlcTypes.DAT"));
        QVERIFY(!f.doc.IsModified());
        QVERIFY(f.state.m_currentPlc.GetName() == u"TestPLC");
    }

    // A short message and the About box are wide enough for their whole caption beside the
    // title bar's icon and buttons; the About box shows the program icon and the model.
    void captionsShowWholeAndTheAboutBoxHasTheIcon() {
        const auto roomFor = [](const QWidget& window) {
            QFont bold = window.font();
            bold.setBold(true);
            return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + 4 * 24;
        };
        int width = 0, room = 1;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            width = box->width();
            room = roomFor(*box);
            static_cast<QDialog*>(box)->accept();
        });
        CMessageBoxMessenger().Show(nullptr, "通讯状态", "下载成功!", CMessenger::EIcon::kWarning);
        QVERIFY2(width >= room, qPrintable(QString("%1 < %2").arg(width).arg(room)));

        f.state.m_nModelIndex = CAppState::kModelZorB;
        QString version;
        bool icon = false;
        RunAboutCommand(f.context, nullptr, [&](QDialog& dialog) {
            dialog.show();
            version = static_cast<CAboutDialog&>(dialog).GetVersionText();
            icon = !dialog.findChild<QLabel*>("icon")->pixmap().isNull();
            width = dialog.width();
            room = roomFor(dialog);
            return 1;
        });
        QCOMPARE(version, "ZORB 测试版");
        QVERIFY(icon);
        QVERIFY2(width >= room, qPrintable(QString("%1 < %2").arg(width).arg(room)));
    }
};

QTEST_MAIN(DialogSettingsTest)
#include "DialogSettingsTest.moc"
