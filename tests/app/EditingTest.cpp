// Editing in the main window with real pointer and key events: placing with the drawing tools,
// the property panel that follows the element wherever the canvas keeps it, deleting, and
// a project built this way surviving save and open.

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "editor/TaveloView.h"
#include "editor/dialogs/SpinButtonEdit.h"
#include "editor/panels/PropertyDialogBase.h"
#include "editor/panels/PropertyPanelStack.h"
#include "support/TempDir.h"
#include "support/qt/CanvasHands.h"
#include "support/qt/MainWindow.h"
#include "support/qt/UserInput.h"

using namespace tavelo;
using namespace tavelo::test;

class EditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    CTaveloView& View() { return w->frame.GetView(); }
    CTaveloDoc& Doc() { return w->doc; }

    CGraphObj* Place(const char16_t* menuText, CPoint client) {
        return PlaceWithTool(w->frame, menuText, client);
    }
    CSpinButtonEdit* PanelField(const char* name) {
        CPropertyPanelStack* panels = View().GetPanels();
        return panels->GetPanel(panels->VisibleTemplate())->findChild<CSpinButtonEdit*>(name);
    }

private slots:
    void init() {
        w = std::make_unique<MainWindow>();
        w->frame.show();
        QVERIFY(w->NewProject());
    }
    void cleanup() { w.reset(); }

    // The canvas keeps elements inside the display as it draws them: a text grown past the
    // right edge, a lamp dragged past it. The panel shows where the element is drawn.
    void thePanelShowsWhereTheCanvasKeptTheElement() {
        CGraphObj* text = Place(u"文本(&T)", {300, 70});
        QVERIFY(text);
        TypeOver(PanelField("x"), QStringLiteral("40"));
        QCOMPARE(text->GetPosition().left, 90);
        TypeOver(View().GetPanels()->findChild<QLineEdit*>("text"), QString(24, u'W'));
        QTRY_COMPARE(PanelField("x")->text(), u"16"_qs);
        QCOMPARE(text->GetPosition().left, 36);

        CGraphObj* lamp = Place(u"指示灯(&I)", {600, 70});
        QVERIFY(lamp);
        const QPoint grip = Grip(*lamp);
        QTest::mousePress(&View(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(&View(), grip + QPoint(36, 5));
        QTest::mouseRelease(&View(), Qt::LeftButton, {}, grip + QPoint(36, 5));
        QTRY_COMPARE(PanelField("x")->text(), u"176"_qs);
        QCOMPARE(lamp->GetPosition().left, 396);
    }

    void deleteRemovesTheSelectionAndNoPanelKeepsIt() {
        CGraphObj* text = Place(u"文本(&T)", {300, 70});
        QVERIFY(text);
        QTest::keyClick(&View(), Qt::Key_Delete);
        QVERIFY(Doc().GetElements().empty());
        QCOMPARE(View().GetPanels()->VisibleTemplate(), 134);
        QCOMPARE(View().GetPanels()->GetPanel(132)->GetObject(), nullptr);
    }

    // Each tool places its kind, opens its panel and hands back to the select tool.
    void aProjectDrawnWithTheToolsComesBackFromItsFile() {
        for (const char16_t* tool :
             {u"文本(&T)", u"矢量静态文本(&V)", u"动态文本(&D)", u"矢量动态文本(&C)", u"寄存器(&G)",
              u"指示灯(&I)", u"功能键(&F)", u"柱状图(&A)"}) {
            QVERIFY(Place(tool, {215, 30}));
            QVERIFY(View().GetPanels()->VisibleTemplate() != 134);
            QVERIFY(w->frame.FindAction(u"选择(&S)"_qs)->isChecked());
        }
        CTempDir dir;
        w->files.savePaths = {QString::fromStdString((dir / "drawn").string())};
        QVERIFY(w->frame.GetProjectCommands().SaveAs());
        const std::size_t placed = Doc().GetElements().size();
        QVERIFY(w->frame.GetProjectCommands().Close());
        QVERIFY(w->frame.GetProjectCommands().OpenPath(
            QString::fromStdString((dir / "drawn.ZORX").string())));
        QCOMPARE(Doc().GetElements().size(), placed);
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
