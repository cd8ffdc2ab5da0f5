// The new, copy and delete screen commands through their dialogs: refused numbers keep the
// dialog open with the message, accepted ones change the project.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "editor/dialogs/CopyScreenDialog.h"
#include "editor/dialogs/DeleteScreenDialog.h"
#include "editor/dialogs/ScreenDialog.h"
#include "editor/dialogs/SettingsCommands.h"
#include "editor/dialogs/SpinButtonEdit.h"
#include "model/Screen.h"
#include "support/qt/EditorFixture.h"

using namespace tavelo;

namespace {

void PressOk(QDialog& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "确定") button->click();
}

// Presses "确定" on the proposed number, expecting the refusal, then tries the free number.
DialogExec RefuseThenTake(CSpinButtonEdit& (*field)(QDialog&), QStringList& refusals,
                          test::RecordingMessenger& messenger, const QString& freeNumber) {
    return [=, &refusals, &messenger](QDialog& dialog) {
        dialog.show();
        PressOk(dialog);
        refusals = messenger.ShownTexts();
        if (!dialog.isVisible() || dialog.result() == QDialog::Accepted) return dialog.result();
        CSpinButtonEdit& number = field(dialog);
        number.setFocus();
        QTest::keyClick(&number, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&number, freeNumber);
        PressOk(dialog);
        return dialog.result();
    };
}

CSpinButtonEdit& NewScreenNumber(QDialog& dialog) {
    return static_cast<CScreenDialog&>(dialog).GetNumberField();
}

CSpinButtonEdit& CopyTarget(QDialog& dialog) {
    return static_cast<CCopyScreenDialog&>(dialog).GetNumberField();
}

}  // namespace

class DialogScreenTest : public QObject {
    Q_OBJECT

    test::EditorFixture f;

    void AddScreens(std::initializer_list<std::int32_t> numbers) {
        for (std::int32_t n : numbers)
            f.doc.AddScreen(MakeNewScreen(n, NumberedScreenDescription(n)));
        f.doc.SetModified(false);
    }

private slots:
    void init() {
        f.doc.DeleteAll();
        f.doc.SetModified(false);
        f.messenger.shown.clear();
    }

    // The number rules are the screen commands'; the dialog stays open with the refusal and
    // takes the next number typed.
    void aRefusedNumberKeepsTheDialogOpenUntilAFreeOneIsTyped() {
        AddScreens({1, 2});
        QStringList refusals;
        std::optional<std::int32_t> current = RunNewScreenCommand(
            f.context, 1, nullptr, RefuseThenTake(NewScreenNumber, refusals, f.messenger, "5"));
        QCOMPARE(refusals, QStringList{"画面号 2 已经存在！"});
        QCOMPARE(current, std::optional<std::int32_t>(5));
        // The description was proposed for the number first offered.
        QVERIFY(f.doc.FindScreen(5)->GetDescription() == u"画面 2");

        f.messenger.shown.clear();
        current = RunCopyScreenCommand(f.context, 1, nullptr,
                                       RefuseThenTake(CopyTarget, refusals, f.messenger, "7"));
        QCOMPARE(refusals, QStringList{"画面号 2 已经存在！"});
        QCOMPARE(current, std::optional<std::int32_t>(7));
        QVERIFY(f.doc.FindScreen(7));
        QVERIFY(f.doc.IsModified());
    }

    void newScreenCancelChangesNothing() {
        AddScreens({1});
        const std::optional<std::int32_t> current =
            RunNewScreenCommand(f.context, 1, nullptr, [](QDialog& dialog) {
                dialog.reject();
                return dialog.result();
            });
        QVERIFY(!current);
        QCOMPARE(f.doc.GetScreens().size(), std::size_t{1});
        QVERIFY(!f.doc.IsModified());
    }

    void deletingTheLastScreenLeavesScreen1() {
        AddScreens({4});
        QString shownNumber;
        const std::optional<std::int32_t> current =
            RunDeleteScreenCommand(f.context, 4, nullptr, [&shownNumber](QDialog& dialog) {
                shownNumber = static_cast<CDeleteScreenDialog&>(dialog).GetScreenField().text();
                PressOk(dialog);
                return dialog.result();
            });
        QCOMPARE(shownNumber, "4");
        QCOMPARE(current, std::optional<std::int32_t>(1));
        QCOMPARE(f.doc.GetScreens().size(), std::size_t{1});
        QVERIFY(f.doc.GetScreens().front()->GetDescription() == u"画面 1");
        QVERIFY(f.doc.IsModified());
    }
};

QTEST_MAIN(DialogScreenTest)
#include "DialogScreenTest.moc"
