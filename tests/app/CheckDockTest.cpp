// The project check and the address cross-reference in the main window: a download with errors
// asks first, a double click shows the finding's element, the cross-reference filters, and the
// report is exported from the file menu.

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

#include "editor/TaveloView.h"
#include "editor/check/AddressDock.h"
#include "editor/check/CheckDock.h"
#include "elements/StaticText.h"
#include "model/Screen.h"
#include "support/TempDir.h"
#include "support/qt/MainWindow.h"

using namespace tavelo;
using namespace tavelo::test;

class CheckDockTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    void Trigger(const char16_t* text) { w->frame.FindAction(QString::fromUtf16(text))->trigger(); }

    // Screen 2 with a text whose snowman has no glyph on the panel.
    CGraphObj& AddDamagedText() {
        w->doc.AddScreen(MakeNewScreen(2, u"二"));
        auto text = std::make_unique<CStaticText>(CRect{0, 0, 40, 36});
        text->SetText(u"A☃");
        text->m_nScreenNo = 2;
        return w->doc.AddElement(std::move(text));
    }

private slots:
    void init() {
        w = std::make_unique<MainWindow>();
        w->frame.show();
        QVERIFY(w->NewProject());
    }
    void cleanup() { w.reset(); }

    void aDownloadWithErrorsAsksAndADoubleClickSelectsTheElement() {
        CGraphObj& text = AddDamagedText();
        w->messenger.answers = {CMessenger::EAnswer::kNo};
        w->frame.UpdateCommandStates();
        Trigger(u"下载数据(&D)");
        QCOMPARE(w->messenger.asked.size(), std::size_t{1});
        QVERIFY(w->messenger.asked[0].text.startsWith(u"工程检查发现 1 个错误"_qs));
        CCheckDock* dock = w->frame.GetCheckDock();
        QVERIFY(dock->isVisible());
        QListWidget* list = dock->GetList();
        QVERIFY(list->count() >= 1);
        QVERIFY(list->item(0)->text().contains(u"☃"_qs));
        const QPoint row = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        CViewState& view = w->frame.GetView().GetViewState();
        QCOMPARE(view.GetCurrentScreenNo(), 2);
        QCOMPARE(view.GetSelection(), std::vector<CGraphObj*>{&text});
    }

    void theCheckFollowsEdits() {
        Trigger(u"检查工程");
        CCheckDock* dock = w->frame.GetCheckDock();
        const int before = dock->GetList()->count();
        AddDamagedText();
        w->frame.GetView().Redraw();
        QTRY_COMPARE(dock->GetList()->count(), before + 1);
    }

    void theCrossReferenceFiltersItsRows() {
        Trigger(u"地址交叉引用");
        CAddressDock* dock = w->frame.GetAddressDock();
        QVERIFY(dock->isVisible());
        w->doc.GetSystemSettings().m_bFunctions[CSystemSettings::kClock] = 1;
        dock->Refresh();
        QCOMPARE(dock->GetTable()->rowCount(), 1);
        dock->GetFilter()->setText(u"报警"_qs);
        QCOMPARE(dock->GetTable()->rowCount(), 0);
    }

    void theReportIsExportedFromTheFileMenu() {
        CTempDir dir;
        const QString file = QString::fromStdString((dir.Path() / "r.pdf").string());
        w->files.exportPaths = {file};
        Trigger(u"导出报告");
        QVERIFY(QFileInfo(file).size() > 0);
        QVERIFY(w->messenger.shown.empty());
    }
};

QTEST_MAIN(CheckDockTest)
#include "CheckDockTest.moc"
