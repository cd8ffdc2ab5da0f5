// The new, copy and delete screen commands through their dialogs: refused numbers keep the
// dialog open with the message, accepted ones change the project.

#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "editor/dialogs/DeleteScreenDialog.h"
#include "editor/dialogs/ScreenNumberDialog.h"
#include "editor/dialogs/SettingsCommands.h"
#include "editor/dialogs/SpinButtonEdit.h"
#include "model/Screen.h"
#include "support/qt/EditorFixture.h"
#include "support/qt/UserInput.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

// Presses "确定" on the proposed number, recording the refusal, then tries the free number.
DialogExec RefuseThenTake(QStringList& refusals, RecordingMessenger& messenger,
                          const QString& freeNumber) {
    return [=, &refusals, &messenger](QDialog& dialog) {
        dialog.show();
        PressButton(dialog, "确定");
        refusals = messenger.ShownTexts();
        if (!dialog.isVisible() || dialog.result() == QDialog::Accepted) return dialog.result();
        TypeOver(&static_cast<CScreenNumberDialog&>(dialog).GetNumberField(), freeNumber);
        PressButton(dialog, "确定");
        return dialog.result();
    };
}

}  // namespace

class DialogScreenTest : public QObject {
    Q_OBJECT

    EditorFixture f;

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
    // takes the next number typed. Cancel changes nothing.
    void aRefusedNumberKeepsTheDialogOpenUntilAFreeOneIsTyped() {
        AddScreens({1, 2});
        QVERIFY(!RunNewScreenCommand(f.context, 1, nullptr, [](QDialog& dialog) {
            dialog.reject();
            return dialog.result();
        }));
        QCOMPARE(f.doc.GetScreens().size(), std::size_t{2});
        QVERIFY(!f.doc.IsModified());

        QStringList refusals;
        std::optional<std::int32_t> current =
            RunNewScreenCommand(f.context, 1, nullptr, RefuseThenTake(refusals, f.messenger, "5"));
        QCOMPARE(refusals, QStringList{"画面号 2 已经存在！"});
        QCOMPARE(current, std::optional<std::int32_t>(5));
        // The description was proposed for the number first offered.
        QVERIFY(f.doc.FindScreen(5)->GetDescription() == u"画面 2");

        f.messenger.shown.clear();
        current =
            RunCopyScreenCommand(f.context, 1, nullptr, RefuseThenTake(refusals, f.messenger, "7"));
        QCOMPARE(refusals, QStringList{"画面号 2 已经存在！"});
        QCOMPARE(current, std::optional<std::int32_t>(7));
        QVERIFY(f.doc.FindScreen(7));
        QVERIFY(f.doc.IsModified());
    }

    void deletingTheLastScreenLeavesScreen1() {
        AddScreens({4});
        QString shownNumber;
        const std::optional<std::int32_t> current =
            RunDeleteScreenCommand(f.context, 4, nullptr, [&shownNumber](QDialog& dialog) {
                shownNumber = static_cast<CDeleteScreenDialog&>(dialog).GetScreenField().text();
                PressButton(dialog, "确定");
                return dialog.result();
            });
        QCOMPARE(shownNumber, "4");
        QCOMPARE(current, std::optional<std::int32_t>(1));
        QCOMPARE(f.doc.GetScreens().size(), std::size_t{1});
        QVERIFY(f.doc.IsModified());
    }
};

QTEST_MAIN(DialogScreenTest)
#include "DialogScreenTest.moc"
