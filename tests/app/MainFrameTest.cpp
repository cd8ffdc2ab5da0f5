// The main window through its commands: captions, availability, the ask-to-save answers, failed
// saves and damaged files, the screen list, the status bar, the file dialogs and the manual.

#include <QAction>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>

#include "app/ToolPalette.h"
#include "editor/CanvasGeometry.h"
#include "editor/FileDialogChooser.h"
#include "editor/TaveloView.h"
#include "editor/canvas/CanvasPainter.h"
#include "editor/canvas/CanvasWidget.h"
#include "editor/screens/ScreenListPanel.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"
#include "support/qt/MainWindow.h"
#include "support/qt/UserInput.h"

using namespace tavelo;
using namespace tavelo::test;

class MainFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;
    std::unique_ptr<CTempDir> dir;

    bool Enabled(const char16_t* text) {
        return w->frame.FindAction(QString::fromUtf16(text))->isEnabled();
    }
    CViewState& ViewState() { return w->frame.GetView().GetViewState(); }
    void NewProject() { QVERIFY(w->NewProject()); }

private slots:
    void init() {
        w = std::make_unique<MainWindow>();
        dir = std::make_unique<CTempDir>();
    }
    void cleanup() { w.reset(); }

    // Without a project the canvas is grey and the project commands are off; New makes screen
    // 1, captions the window with the model and turns them on.
    void startsWithoutAProjectAndNewMakesScreenOne() {
        QCOMPARE(w->frame.windowTitle(), QStringLiteral("ZOR"));
        QVERIFY(!Enabled(u"另存为(&A)..."));
        QVERIFY(!Enabled(u"系统设置(&O)"));
        QVERIFY(Enabled(u"新建(&N)"));
        QVERIFY(!Enabled(u"撤消(&U)"));
        const CCanvasWidget& canvas = w->frame.GetView().GetCanvas();
        const CPoint gridPoint =
            canvas.GetZoom().ClientToWidget(CanvasToClient({kGridPitch, kGridPitch}));
        QCOMPARE(w->frame.GetView().GetCanvas().grab().toImage().pixel(gridPoint.x, gridPoint.y),
                 CCanvasPainter::kClosedBackground);

        NewProject();
        QCOMPARE(w->frame.windowTitle(), QStringLiteral("ZORA[*]"));
        QCOMPARE(w->doc.GetScreens().size(), std::size_t{1});
        QCOMPARE(ViewState().GetCurrentScreenNo(), 1);
        QVERIFY(!w->doc.IsModified());
        w->frame.UpdateCommandStates();
        QVERIFY(Enabled(u"系统设置(&O)"));
        QVERIFY(!Enabled(u"保存(&S)"));
        QVERIFY(!Enabled(u"下载数据(&D)"));
        QVERIFY(w->frame.GetDrawingToolbar()->isVisibleTo(&w->frame));
        QCOMPARE(w->frame.GetView().GetScreenList()->GetList()->rowCount(), 1);
    }

    void newWithoutThePlcTypeFileAsksToInstallAndChangesNothing() {
        w->context.m_programDir = dir->Path();
        QVERIFY(!w->frame.GetProjectCommands().New());
        QCOMPARE(w->messenger.ShownTexts(), QStringList{u"请安装后再运行"_qs});
        QVERIFY(w->doc.GetScreens().empty());
    }

    void theSaveQuestionsThreeAnswers() {
        NewProject();
        w->doc.SetModified();
        w->messenger.answers = {CMessenger::EAnswer::kCancel};
        QVERIFY(!w->frame.GetProjectCommands().Close());
        QVERIFY(ViewState().IsProjectOpen());
        QCOMPARE(w->messenger.asked.back().caption, QStringLiteral("ZORA"));
        QCOMPARE(w->messenger.asked.back().text, u"是否保存当前工程!"_qs);

        w->messenger.answers = {CMessenger::EAnswer::kYes};
        w->files.savePaths = {QString::fromStdString((dir->Path() / "saved").string())};
        QVERIFY(w->frame.GetProjectCommands().Close());
        QVERIFY(std::filesystem::exists(dir->Path() / "saved.ZORX"));
        QVERIFY(!ViewState().IsProjectOpen());
        QCOMPARE(w->frame.windowTitle(), QStringLiteral("ZORA[*]"));

        NewProject();
        w->doc.SetModified();
        w->messenger.answers = {CMessenger::EAnswer::kNo};
        QVERIFY(w->frame.GetProjectCommands().Close());
    }

    void aFailedSaveSaysWhyAndKeepsTheProject() {
        NewProject();
        w->doc.SetModified();
        w->messenger.answers = {CMessenger::EAnswer::kYes};
        w->files.savePaths = {
            QString::fromStdString((dir->Path() / "missing" / "x.ZORX").string())};
        QVERIFY(!w->frame.GetProjectCommands().Exit());
        QVERIFY(ViewState().IsProjectOpen());
        QVERIFY(w->doc.IsModified());
        QCOMPARE(w->messenger.shown.size(), std::size_t{1});
        const QString text = w->messenger.shown.front().text;
        QVERIFY(text.startsWith(u"无法保存工程文件。\n"_qs) && text.contains(u"x.ZORX"_qs));
    }

    void replacingAnExistingFileIsAskedAndNoChoosesAgain() {
        NewProject();
        const QString existing = QString::fromStdString((dir->Path() / "old.ZORX").string());
        std::ofstream(existing.toStdString()) << "old";
        const QString fresh = QString::fromStdString((dir->Path() / "fresh.ZORX").string());
        w->files.savePaths = {existing, fresh};
        w->messenger.answers = {CMessenger::EAnswer::kNo};
        QVERIFY(w->frame.GetProjectCommands().SaveAs());
        QCOMPARE(w->messenger.asked.back().text, u"该项目已存在，是否替换当前工程!"_qs);
        QCOMPARE(w->frame.windowTitle(), fresh + "[*]");
    }

    // Save refuses a read-only file by name and keeps the project modified; Save As names it
    // in its question and 是 replaces it. As root this runs as "nobody".
    void aReadOnlyFileIsSavedOnlyAfterSaveAsAsks() {
        NewProject();
        const auto passed = RunUnprivileged(
            [this] {
                CTempDir own;
                std::ofstream(own / "ro.ZORX") << "old";
                std::filesystem::permissions(own / "ro.ZORX", std::filesystem::perms::owner_read);
                const QString path = QString::fromStdString((own / "ro.ZORX").string());
                w->files.savePaths = {path};
                w->messenger.answers = {CMessenger::EAnswer::kYes};
                QVERIFY(w->frame.GetProjectCommands().SaveAs());
                QCOMPARE(w->messenger.asked.back().text,
                         u"工程文件“%1”是只读的，是否仍然替换?"_qs.arg(path));
                w->doc.SetModified();
                QVERIFY(!w->frame.GetProjectCommands().Save());
                QCOMPARE(
                    w->messenger.ShownTexts(),
                    QStringList{u"工程文件“%1”是只读的，未保存。请用“另存为”保存。"_qs.arg(path)});
                QVERIFY(w->doc.IsModified() && ViewState().IsProjectOpen());
            },
            [] { return QTest::currentTestFailed(); });
        if (!passed) QSKIP("root without a user \"nobody\" to become");
        QVERIFY(*passed);
    }

    void openShowsThePathTheFirstScreenAndAClickedRowMakesItsScreenCurrent() {
        const QString path = TAVELO_TEST_DATA_DIR "/editor/three-screens.ZORX";
        w->files.openPaths = {path};
        QVERIFY(w->frame.GetProjectCommands().Open());
        QCOMPARE(w->frame.windowTitle(), path + "[*]");
        QCOMPARE(ViewState().GetCurrentScreenNo(), 1);
        QCOMPARE(w->frame.GetView().GetScreenList()->GetList()->rowCount(), 3);
        w->frame.UpdateCommandStates();
        QVERIFY(Enabled(u"下载数据(&D)"));
        QVERIFY(!w->doc.IsModified() && !w->frame.isWindowModified());
        {
            ModalDialogs dialogs;
            QVERIFY(w->frame.GetProjectCommands().ChooseDisplayType());
        }
        w->frame.UpdateCommandStates();
        QCOMPARE(w->frame.windowTitle(), path + "[*]");
        QVERIFY(w->doc.IsModified() && w->frame.isWindowModified());
        w->doc.SetModified(false);
        ClickCell(*w->frame.GetView().GetScreenList()->GetList(), 2, 1);
        QCOMPARE(ViewState().GetCurrentScreenNo(), 3);
    }

    void aDamagedFileIsNamedAndTheOpenProjectStays() {
        NewProject();
        const auto damaged = dir->Path() / "damaged.ZORX";
        std::ofstream(damaged) << "not a project";
        QVERIFY(!w->frame.GetProjectCommands().OpenPath(QString::fromStdString(damaged.string())));
        // The user's sentence first, the reason for whoever digs deeper after it.
        const QString text = w->messenger.shown.back().text;
        QVERIFY(text.startsWith(u"无法打开工程文件：文件不存在、已损坏或不是工程文件。\n"_qs));
        QVERIFY(text.contains(u"damaged.ZORX"_qs));
        QCOMPARE(w->doc.GetScreens().size(), std::size_t{1});
        QVERIFY(ViewState().IsProjectOpen());
    }

    void theStatusBarShowsReadyAgainWhenATipGoes() {
        QStatusTipEvent tip(u"新建"_qs);
        QApplication::sendEvent(&w->frame, &tip);
        QCOMPARE(w->frame.statusBar()->currentMessage(), u"新建"_qs);
        QStatusTipEvent gone{QString()};
        QApplication::sendEvent(&w->frame, &gone);
        QStringList shown;
        for (const QLabel* label : w->frame.statusBar()->findChildren<QLabel*>())
            if (label->isVisibleTo(&w->frame) && !label->text().isEmpty()) shown << label->text();
        QCOMPARE(shown, QStringList{u"就绪"_qs});
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
                 (QStringList{u"工程文件 (*.ZORX *.ZOR)"_qs, u"所有文件 (*)"_qs}));
        QCOMPARE(filtersOf([&] { chooser.ChooseProjectToSave(nullptr); }),
                 QStringList{u"工程文件 (*.ZORX)"_qs});
        QCOMPARE(filtersOf([&] { chooser.ChooseBitmap(nullptr); }),
                 (QStringList{u"位图文件 (*.bmp)"_qs, u"所有文件 (*)"_qs}));
    }

    void theUserManualFollowsTheModelAndSaysWhenItIsMissing() {
        QUrl opened;
        w->frame.m_openUrl = [&opened](const QUrl& url) {
            opened = url;
            return true;
        };
        w->context.m_programDir = dir->Path();
        std::ofstream(dir->Path() / "QLMB.pdf") << "%PDF";
        w->state.m_nModelIndex = CAppState::kModelZorB;
        w->frame.OpenUserManual();
        QVERIFY(opened.toLocalFile().endsWith(QStringLiteral("QLMB.pdf")));
        w->state.m_nModelIndex = CAppState::kModelZorA;
        w->frame.OpenUserManual();
        QCOMPARE(w->messenger.ShownTexts(), QStringList{u"找不到帮助文件，请重新安装软件"_qs});
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
