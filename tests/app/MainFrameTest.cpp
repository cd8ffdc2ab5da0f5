// The main window through its commands: captions, availability, the ask-to-save answers, failed
// saves and damaged files, the screen list, the status bar, the file dialogs and the manual.

#include <QAction>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <fstream>
#include <functional>

#include "app/MainFrame.h"
#include "app/ToolPalette.h"
#include "editor/CanvasGeometry.h"
#include "editor/FileDialogChooser.h"
#include "editor/ProjectCommands.h"
#include "editor/TaveloView.h"
#include "editor/screens/ScreenListPanel.h"
#include "elements/Register.h"
#include "model/ProjectFile.h"
#include "model/ScreenCommands.h"
#include "support/TempDir.h"
#include "support/qt/EditorFixture.h"
#include "support/qt/ModalDialogs.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

QRgb PixelAt(QWidget& view, CPoint client) {
    return view.grab().toImage().pixel(client.x, client.y);
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fixture;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<CTempDir> dir;

    bool Enabled(const char16_t* text) { return frame->FindAction(Q(text))->isEnabled(); }
    CViewState& ViewState() { return frame->GetView().GetViewState(); }

    void NewProject() {
        ModalDialogs dialogs;
        QVERIFY(frame->GetProjectCommands().New());
    }

    QString SaveSample(const std::string& name, int screens) {
        CTaveloDoc doc;
        CAppState state;
        for (int number = 1; number <= screens; ++number)
            doc.AddScreen(MakeNewScreen(number, u"画面"));
        auto reg = std::make_unique<CRegister>(CRect{18, 18, 108, 54});
        reg->m_nScreenNo = 1;
        doc.AddElement(std::move(reg));
        const auto path = dir->Path() / name;
        CProjectFile::Save(doc, state, path);
        return QString::fromStdString(path.string());
    }

private slots:
    void init() {
        fixture = std::make_unique<EditorFixture>();
        frame = std::make_unique<CMainFrame>(fixture->context);
        frame->m_openUrl = [](const QUrl&) { return true; };
        dir = std::make_unique<CTempDir>();
    }
    void cleanup() {
        fixture->doc.SetModified(false);
        frame.reset();
        fixture.reset();
    }

    void startsWithoutAProjectGreyAndWithProjectCommandsOff() {
        QCOMPARE(frame->windowTitle(), QStringLiteral("ZOR"));
        QVERIFY(!Enabled(u"另存为(&A)..."));
        QVERIFY(!Enabled(u"系统设置(&O)"));
        QVERIFY(Enabled(u"新建(&N)"));
        QVERIFY(!Enabled(u"撤消(&U)"));
        const CPoint gridPoint = CanvasToClient({kGridPitch, kGridPitch});
        QCOMPARE(PixelAt(frame->GetView(), gridPoint), CCanvasPainter::kClosedBackground);
    }

    void newMakesScreenOneWithTheModelAsCaptionAndTheCommandsOn() {
        NewProject();
        QCOMPARE(frame->windowTitle(), QStringLiteral("ZORA"));
        QCOMPARE(fixture->doc.GetScreens().size(), std::size_t{1});
        QCOMPARE(ViewState().GetCurrentScreenNo(), 1);
        QVERIFY(!fixture->doc.IsModified());
        frame->UpdateCommandStates();
        QVERIFY(Enabled(u"系统设置(&O)"));
        QVERIFY(!Enabled(u"保存(&S)"));
        QVERIFY(!Enabled(u"下载数据(&D)"));
        QVERIFY(frame->GetDrawingToolbar()->isVisibleTo(frame.get()));
        QCOMPARE(frame->GetView().GetScreenList()->GetList()->rowCount(), 1);
    }

    void newWithoutThePlcTypeFileAsksToInstallAndChangesNothing() {
        fixture->context.m_programDir = dir->Path();
        QVERIFY(!frame->GetProjectCommands().New());
        QCOMPARE(fixture->messenger.ShownTexts(), QStringList{Q(u"请安装后再运行")});
        QVERIFY(fixture->doc.GetScreens().empty());
    }

    void theSaveQuestionsThreeAnswers() {
        NewProject();
        fixture->doc.SetModified();
        fixture->messenger.answers = {CMessenger::EAnswer::kCancel};
        QVERIFY(!frame->GetProjectCommands().Close());
        QVERIFY(ViewState().IsProjectOpen());
        QCOMPARE(fixture->messenger.asked.back().caption, QStringLiteral("ZORA"));
        QCOMPARE(fixture->messenger.asked.back().text, Q(u"是否保存当前工程!"));

        fixture->messenger.answers = {CMessenger::EAnswer::kYes};
        fixture->files.savePaths = {QString::fromStdString((dir->Path() / "saved").string())};
        QVERIFY(frame->GetProjectCommands().Close());
        QVERIFY(std::filesystem::exists(dir->Path() / "saved.ZORX"));
        QVERIFY(!ViewState().IsProjectOpen());
        QCOMPARE(frame->windowTitle(), QStringLiteral("ZORA"));

        NewProject();
        fixture->doc.SetModified();
        fixture->messenger.answers = {CMessenger::EAnswer::kNo};
        QVERIFY(frame->GetProjectCommands().Close());
    }

    void aFailedSaveSaysWhyAndKeepsTheProject() {
        NewProject();
        fixture->doc.SetModified();
        fixture->messenger.answers = {CMessenger::EAnswer::kYes};
        fixture->files.savePaths = {
            QString::fromStdString((dir->Path() / "missing" / "x.ZORX").string())};
        QVERIFY(!frame->GetProjectCommands().Exit());
        QVERIFY(ViewState().IsProjectOpen());
        QVERIFY(fixture->doc.IsModified());
        QCOMPARE(fixture->messenger.shown.size(), std::size_t{1});
        const QString text = fixture->messenger.shown.front().text;
        QVERIFY(text.startsWith(Q(u"无法保存工程文件。\n")) && text.contains(u"x.ZORX"_qs));
    }

    void replacingAnExistingFileIsAskedAndNoChoosesAgain() {
        NewProject();
        const QString existing = SaveSample("old.ZORX", 1);
        const QString fresh = QString::fromStdString((dir->Path() / "fresh.ZORX").string());
        fixture->files.savePaths = {existing, fresh};
        fixture->messenger.answers = {CMessenger::EAnswer::kNo};
        QVERIFY(frame->GetProjectCommands().SaveAs());
        QCOMPARE(fixture->messenger.asked.back().text, Q(u"该项目已存在，是否替换当前工程!"));
        QCOMPARE(frame->windowTitle(), fresh);
    }

    void openShowsThePathTheFirstScreenAndItsElements() {
        const QString path = SaveSample("two.ZORX", 2);
        fixture->files.openPaths = {path};
        QVERIFY(frame->GetProjectCommands().Open());
        QCOMPARE(frame->windowTitle(), path);
        QCOMPARE(ViewState().GetCurrentScreenNo(), 1);
        QCOMPARE(frame->GetView().GetScreenList()->GetList()->rowCount(), 2);
        frame->UpdateCommandStates();
        QVERIFY(Enabled(u"下载数据(&D)"));
        QVERIFY(!fixture->doc.IsModified());
    }

    void aDamagedFileIsNamedAndTheOpenProjectStays() {
        NewProject();
        const auto damaged = dir->Path() / "damaged.ZORX";
        std::ofstream(damaged) << "not a project";
        QVERIFY(!frame->GetProjectCommands().OpenPath(QString::fromStdString(damaged.string())));
        // The user's sentence first, the reason for whoever digs deeper after it.
        const QString text = fixture->messenger.shown.back().text;
        QVERIFY(text.startsWith(Q(u"无法打开工程文件：文件不存在、已损坏或不是工程文件。\n")));
        QVERIFY(text.contains(u"damaged.ZORX"_qs));
        QCOMPARE(fixture->doc.GetScreens().size(), std::size_t{1});
        QVERIFY(ViewState().IsProjectOpen());
    }

    void clickingAScreenRowMakesItCurrent() {
        frame->GetProjectCommands().OpenPath(SaveSample("three.ZORX", 3));
        QTableWidget* list = frame->GetView().GetScreenList()->GetList();
        const QRect row = list->visualItemRect(list->item(2, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(ViewState().GetCurrentScreenNo(), 3);
    }

    void theStatusBarShowsReadyAgainWhenATipGoes() {
        QStatusTipEvent tip(Q(u"新建"));
        QApplication::sendEvent(frame.get(), &tip);
        QCOMPARE(frame->statusBar()->currentMessage(), Q(u"新建"));
        QStatusTipEvent gone{QString()};
        QApplication::sendEvent(frame.get(), &gone);
        QStringList shown;
        for (const QLabel* label : frame->statusBar()->findChildren<QLabel*>())
            if (label->isVisibleTo(frame.get())) shown << label->text();
        QCOMPARE(shown, QStringList{Q(u"就绪")});
    }

    void theFileDialogsNameTheirFiltersInChinese() {
        CFileDialogChooser chooser;
        const auto filtersOf = [](const std::function<void()>& choose) {
            QStringList filters;
            QTimer::singleShot(0, [&filters] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                filters = dialog->nameFilters();
                dialog->reject();
            });
            choose();
            return filters;
        };
        QCOMPARE(filtersOf([&] { chooser.ChooseProjectToOpen(nullptr); }),
                 (QStringList{Q(u"工程文件 (*.ZORX *.ZOR)"), Q(u"所有文件 (*)")}));
        QCOMPARE(filtersOf([&] { chooser.ChooseProjectToSave(nullptr); }),
                 QStringList{Q(u"工程文件 (*.ZORX)")});
        QCOMPARE(filtersOf([&] { chooser.ChooseBitmap(nullptr); }),
                 (QStringList{Q(u"位图文件 (*.bmp)"), Q(u"所有文件 (*)")}));
    }

    void theUserManualFollowsTheModelAndSaysWhenItIsMissing() {
        QUrl opened;
        frame->m_openUrl = [&opened](const QUrl& url) {
            opened = url;
            return true;
        };
        fixture->context.m_programDir = dir->Path();
        std::ofstream(dir->Path() / "QLMB.pdf") << "%PDF";
        fixture->state.m_nModelIndex = CAppState::kModelZorB;
        frame->OpenUserManual();
        QVERIFY(opened.toLocalFile().endsWith(QStringLiteral("QLMB.pdf")));
        fixture->state.m_nModelIndex = CAppState::kModelZorA;
        frame->OpenUserManual();
        QCOMPARE(fixture->messenger.ShownTexts(),
                 QStringList{Q(u"找不到帮助文件，请重新安装软件")});
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
