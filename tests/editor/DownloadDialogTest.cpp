#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "compiler/CompilerMessages.h"
#include "compiler/ImageCompiler.h"
#include "editor/EditorTexts.h"
#include "editor/download/DownloadCommand.h"
#include "editor/download/DownloadDialog.h"
#include "elements/StaticText.h"
#include "link/LinkMessages.h"
#include "model/FileBytes.h"
#include "model/NewProject.h"
#include "plc/LinkSettingsForm.h"
#include "plc/PlcTypeFile.h"
#include "plc/ProgramDirectory.h"
#include "support/PanelProcess.h"
#include "support/TempDir.h"
#include "support/qt/EditorFixture.h"

namespace tavelo {

namespace {

// Modbus(RTU): driver identifier 17, so its driver file is named drv_x1y7.dat.
constexpr int kModbusRtu = 16;
// Long enough that a paced transfer still runs while the test presses keys.
constexpr std::size_t kDriverLength = 3000;
// An upper bound for a whole session on a slow (sanitizer) build.
constexpr int kSessionTimeoutMs = 60000;

enum class EBreakage { kMissingPort, kMissingInitialScreen, kNoDriverFile };

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

}  // namespace

// Downloads of a New project with one text through the dialog to tavelo-panel.
class DownloadDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_fixture = std::make_unique<test::EditorFixture>();
        m_drivers = std::make_unique<test::CTempDir>();
        WriteFileAtomically(*m_drivers / "drv_x1y7.dat",
                            std::vector<std::uint8_t>(kDriverLength, 0x5A));
        MakeNewProject(m_fixture->doc);
        const auto plcFile = m_fixture->context.m_programDir / kPlcTypesFileName;
        CLinkSettingsForm form(m_fixture->doc.GetLink(), m_fixture->state,
                               [&plcFile] { return CPlcTypeFile::Load(plcFile); });
        QVERIFY(form.SelectPlcType(kModbusRtu).empty());
        form.Ok();
        auto text = std::make_unique<CStaticText>();
        text->SetText(u"Tank 温度");
        text->SetPosition(CRect{0, 0, 18, 36});
        text->m_nScreenNo = 1;
        m_fixture->doc.AddElement(std::move(text));
    }

    void DownloadReachesThePanelAndEndsAtFullProgress() {
        test::CPanelProcess panel({"--out", m_out.Path().string()});
        CDownloadDialog dialog(m_fixture->context, OptionsFor(panel.GetDevice()));
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.show();
        dialog.Start();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kSessionTimeoutMs);
        panel.Stop();

        QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        ExpectOnlyMessage(Q(link_messages::kCaption), Q(link_messages::kSucceeded));
        const auto* progress = dialog.findChild<QProgressBar*>();
        QCOMPARE(progress->value(), progress->maximum());
        const CCompileOutcome compiled =
            CompileDownloadImage(m_fixture->doc, m_fixture->state, m_fixture->context.m_programDir);
        QVERIFY(compiled.Succeeded());
        QVERIFY(ReadFileBytes(m_out / "image.bin") == compiled.m_image->m_bytes);
        QCOMPARE(ReadFileBytes(m_out / "driver.bin").size(), 3072u);
    }

    void EscAndEnterAreSwallowedWhileCancelEndsTheTransfer() {
        test::CPanelProcess panel({"--pace"});
        CDownloadDialog dialog(m_fixture->context, OptionsFor(panel.GetDevice()));
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.show();
        dialog.Start();
        const auto* progress = dialog.findChild<QProgressBar*>();
        QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, kSessionTimeoutMs);

        // Keys reach the focused button first, as they would from the user.
        auto* cancel = dialog.findChild<QPushButton*>();
        const int before = progress->value();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(cancel, key);
        dialog.close();
        // A cancelled or abandoned transfer would advance no further.
        QTRY_VERIFY_WITH_TIMEOUT(progress->value() > before, kSessionTimeoutMs);
        QVERIFY(dialog.isVisible());
        QVERIFY(m_fixture->messenger.shown.empty());

        QTest::mouseClick(cancel, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kSessionTimeoutMs);
        ExpectOnlyMessage(Q(link_messages::kCaption), Q(link_messages::kCancelled));
        QVERIFY(progress->value() < progress->maximum());
    }

    void FailuresShowTheirMessageAndOpenNoPortBeforeTheTransfer_data() {
        QTest::addColumn<EBreakage>("breakage");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        const QString before = Q(editor_text::kMessageCaption);
        QTest::newRow("port that does not exist")
            << EBreakage::kMissingPort << Q(link_messages::kCaption)
            << Q(link_messages::kNoSuchPort);
        QTest::newRow("initial screen that does not exist")
            << EBreakage::kMissingInitialScreen << before
            << Q(compiler_messages::kInitialScreenMissing);
        QTest::newRow("no driver file for the PLC type")
            << EBreakage::kNoDriverFile << before << Q(link_messages::kUnsupportedPlc);
    }

    // Every row names a device that does not exist: a port tried anyway adds its message.
    void FailuresShowTheirMessageAndOpenNoPortBeforeTheTransfer() {
        QFETCH(EBreakage, breakage);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        if (breakage == EBreakage::kMissingInitialScreen)
            m_fixture->doc.GetSystemSettings().m_nInitialScreen = 7;
        if (breakage == EBreakage::kNoDriverFile) m_drivers = std::make_unique<test::CTempDir>();
        // Returns only once the dialog has closed itself.
        RunDownloadCommand(m_fixture->context, OptionsFor((m_out / "no-such-port").string()),
                           nullptr);
        ExpectOnlyMessage(caption, text);
    }

private:
    CDownloadOptions OptionsFor(const std::string& device) const {
        CDownloadOptions options;
        options.m_portDevice = device;
        options.m_driversFolder = m_drivers->Path();
        return options;
    }
    void ExpectOnlyMessage(const QString& caption, const QString& text) const {
        const auto& shown = m_fixture->messenger.shown;
        QCOMPARE(shown.size(), 1u);
        QCOMPARE(shown[0].caption, caption);
        QCOMPARE(shown[0].text, text);
        QCOMPARE(shown[0].icon, CMessenger::EIcon::kWarning);
    }

    std::unique_ptr<test::EditorFixture> m_fixture;
    std::unique_ptr<test::CTempDir> m_drivers;
    test::CTempDir m_out;
};

}  // namespace tavelo

QTEST_MAIN(tavelo::DownloadDialogTest)
#include "DownloadDialogTest.moc"
