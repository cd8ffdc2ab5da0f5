// The simulation window on the example project: F5 opens it on the compiled image, keypad
// clicks and table edits change its LCD exactly as the emulator core draws them, and an edit
// of the project restarts it on the screen it was on.

#include <QAction>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "compiler/ImageCompiler.h"
#include "editor/TaveloView.h"
#include "editor/emulator/LcdWidget.h"
#include "editor/emulator/PanelKeypad.h"
#include "editor/emulator/PlcTableDock.h"
#include "editor/emulator/SimulationWindow.h"
#include "emulator/PanelDisplay.h"
#include "model/FileBytes.h"
#include "render/FontLibrary.h"
#include "support/TempDir.h"
#include "support/qt/MainWindow.h"

using namespace tavelo;
using namespace tavelo::test;

class SimulationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;
    CTempDir dir;

    // The LCD as the core draws the project's image after the keys, with the values.
    CLcdFrame CoreFrame(std::vector<EPanelKey> keys, CVirtualPlc plc = {}) {
        const CCompileOutcome outcome =
            CompileDownloadImage(w->doc, w->state, w->context.m_programDir);
        const CPanelImage image = CPanelImage::Load(outcome.m_image->m_bytes);
        const CScreenRenderer renderer(
            image, CBuiltInDigits::FromAsciiFont(ReadFileBytes(
                       w->context.m_programDir / kAsciiFontFileName, CFontLibrary::kAsciiTableBytes)));
        CPanelEmulator panel(image, plc);
        for (const EPanelKey key : keys) panel.Tap(key);
        CLcdFrame frame;
        DrawPanel(panel, renderer, plc, nullptr, frame);
        return frame;
    }
    CSimulationWindow& Window() { return *w->frame.GetSimulation(); }
    const CLcdFrame& Lcd() { return Window().GetLcd()->GetFrame(); }

private slots:
    void init() {
        const QString project = QString::fromStdString((dir / "demo.ZORX").string());
        QCOMPARE(QProcess::execute(qEnvironmentVariable("TAVELO_BIN_DIR") +
                                       QStringLiteral("/tavelo-demo-project"),
                                   {project}),
                 0);
        w = std::make_unique<MainWindow>();
        QVERIFY(w->frame.GetProjectCommands().OpenPath(project));
        w->frame.UpdateCommandStates();
        w->frame.FindAction(QStringLiteral("模拟运行"))->trigger();
        QVERIFY(Window().GetSimulation().IsRunning());
    }
    void cleanup() { w.reset(); }

    void keypadClicksChangeTheLcdAsTheCoreDoes() {
        QCOMPARE(Lcd(), CoreFrame({}));
        QTest::mouseClick(Window().GetKeypad()->GetButton(EPanelKey::Set), Qt::LeftButton);
        QVERIFY(Lcd() != CoreFrame({}));
        QCOMPARE(Lcd(), CoreFrame({EPanelKey::Set}));
        QTest::keyClick(&Window(), Qt::Key_7);  // the PC's digit key types into the entry
        QCOMPARE(Lcd(), CoreFrame({EPanelKey::Set, EPanelKey::Digit7}));
    }

    void aTableEditShowsOnTheLcd() {
        QTableWidget* table = Window().GetTableDock()->GetTable();
        int row = 0;
        while (row < table->rowCount() &&
               !table->item(row, CPlcTableDock::kUsers)->text().contains(u"screen 2 register"_qs))
            ++row;
        QVERIFY(row < table->rowCount());
        QCOMPARE(table->item(row, CPlcTableDock::kUnit)->text(), QStringLiteral("4X (1)"));
        const CPollAddress address = Window().GetTableDock()->AddressOfRow(row);
        table->item(row, CPlcTableDock::kValue)->setText(QStringLiteral("321"));
        CVirtualPlc plc;
        plc.Write(address, 321);
        QVERIFY(Lcd() != CoreFrame({}));
        QCOMPARE(Lcd(), CoreFrame({}, plc));
        table->item(row, CPlcTableDock::kValue)->setText(QStringLiteral("no number"));
        QCOMPARE(Window().GetSimulation().ReadValue(address), 321);
    }

    void anEditOfTheProjectRestartsItOnTheScreenShown() {
        QTest::keyClick(&Window(), Qt::Key_Up);
        QCOMPARE(Window().GetSimulation().GetPanel()->GetScreen(), 1);
        for (const auto& element : w->doc.GetElements())
            if (element->m_nScreenNo == 1) element->MoveBy(45, 0);  // 20 dots to the right
        const CLcdFrame moved = CoreFrame({EPanelKey::Up});
        QVERIFY(Lcd() != moved);
        w->frame.GetView().Redraw();
        QTRY_COMPARE(Lcd(), moved);
        QCOMPARE(Window().GetSimulation().GetPanel()->GetScreen(), 1);
    }
};

QTEST_MAIN(SimulationTest)
#include "SimulationTest.moc"
