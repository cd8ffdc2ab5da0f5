// Editing in the main window with real pointer and key events: placing with the drawing tools,
// the property panel that follows the element wherever the canvas keeps it, deleting, and
// a project built this way surviving save and open.

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "editor/CanvasGeometry.h"
#include "editor/TaveloView.h"
#include "editor/canvas/CanvasArea.h"
#include "editor/canvas/CanvasWidget.h"
#include "editor/dialogs/SpinButtonEdit.h"
#include "editor/panels/PropertyDialogBase.h"
#include "editor/panels/PropertyPanelStack.h"
#include "support/TempDir.h"
#include "support/qt/MainWindow.h"
#include "support/qt/UserInput.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

// Four pixels per canvas unit.
constexpr int kTestZoom = 9;

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    CTaveloView& View() { return w->frame.GetView(); }
    CCanvasWidget& Canvas() { return View().GetCanvas(); }
    CTaveloDoc& Doc() { return w->doc; }
    QPoint At(CPoint client) {
        const CPoint widget = Canvas().GetZoom().ClientToWidget(client);
        return {widget.x, widget.y};
    }
    // The canvas pixel in the middle of a dot.
    QPoint AtDot(int x, int y) {
        const int zoom = Canvas().GetZoom().Get();
        return {CCanvasZoom::kMargin + x * zoom + zoom / 2,
                CCanvasZoom::kMargin + y * zoom + zoom / 2};
    }

    CGraphObj* Place(const char16_t* menuText, CPoint client) {
        return PlaceAt(menuText, At(client));
    }
    CGraphObj* PlaceAt(const char16_t* menuText, QPoint pixel) {
        w->frame.FindAction(QString::fromUtf16(menuText))->trigger();
        QTest::mouseMove(&Canvas(), pixel);
        QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, pixel);
        // Elements take their size when first drawn, as they do on screen before the next click.
        View().repaint();
        const auto& selection = View().GetViewState().GetSelection();
        return selection.size() == 1 ? selection.front() : nullptr;
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
        View().GetCanvasArea().SetZoom(kTestZoom);
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
        const CPoint start = lamp->GetPosition().TopLeft();
        const QPoint grip = At(CanvasToClient({start.x + 9, start.y + 9}));
        const QPoint drop = At(CanvasToClient({start.x + 9 + 36, start.y + 9 + 5}));
        QTest::mousePress(&Canvas(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(&Canvas(), drop);
        QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, drop);
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

    // Clicks at the middle of dots either side of a 4-dot snap line land alike at every zoom.
    void aClickFallsOnTheSameDotAtEveryZoom() {
        for (int zoom : {CCanvasZoom::kMinZoom, 5, 7, CCanvasZoom::kMaxZoom}) {
            View().GetCanvasArea().SetZoom(zoom);
            CGraphObj* onLine = PlaceAt(u"寄存器(&G)", AtDot(20, 8));
            QVERIFY(onLine);
            QCOMPARE(onLine->GetPosition().TopLeft(), (CPoint{45, 18}));
            CGraphObj* before = PlaceAt(u"寄存器(&G)", AtDot(19, 7));
            QVERIFY(before);
            QCOMPARE(before->GetPosition().TopLeft(), (CPoint{36, 9}));
        }
    }

    void escapeCancelsTheChosenTool() {
        w->frame.FindAction(u"寄存器(&G)"_qs)->trigger();
        QTest::mouseMove(&Canvas(), AtDot(40, 20));
        QVERIFY(View().GetViewState().GetPreview().m_bOn);
        QTest::keyClick(&View(), Qt::Key_Escape);
        QVERIFY(!View().GetViewState().GetPreview().m_bOn);
        QVERIFY(w->frame.FindAction(u"选择(&S)"_qs)->isChecked());
    }

    // Arrows move the selection by the 4-dot snap, with Alt by one dot, as the panel shows.
    void altArrowMovesTheSelectionOneDot() {
        QVERIFY(PlaceAt(u"寄存器(&G)", AtDot(20, 8)));
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* field;
            int dots;
        } rows[] = {{Qt::Key_Right, Qt::AltModifier, "x", 21},
                    {Qt::Key_Right, {}, "x", 25},
                    {Qt::Key_Down, Qt::AltModifier, "y", 9},
                    {Qt::Key_Left, Qt::AltModifier, "x", 24},
                    {Qt::Key_Up, Qt::AltModifier, "y", 8}};
        for (const auto& row : rows) {
            QTest::keyClick(&View(), row.key, row.modifiers);
            QCOMPARE(PanelField(row.field)->text().toInt(), row.dots);
        }
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
