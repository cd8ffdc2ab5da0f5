// Undo, redo, cut, copy and paste in the main window, through its menus, keys and pointer:
// undo puts back exactly the bytes the project saved before the step, redo those after it.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <functional>

#include "editor/clipboard/ElementClipboard.h"
#include "editor/panels/PropertyDialogBase.h"
#include "editor/panels/PropertyPanelStack.h"
#include "editor/screens/ScreenListPanel.h"
#include "editor/undo/UndoHistory.h"
#include "model/ElementTransfer.h"
#include "model/FileBytes.h"
#include "model/Screen.h"
#include "support/TempDir.h"
#include "support/qt/CanvasHands.h"
#include "support/qt/MainWindow.h"
#include "support/qt/UserInput.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> w;
    std::unique_ptr<CTempDir> dir;
    CGraphObj* text = nullptr;
    CGraphObj* lamp = nullptr;

    CTaveloView& View() { return w->frame.GetView(); }
    void Trigger(const char16_t* menuText) {
        w->frame.FindAction(QString::fromUtf16(menuText))->trigger();
    }
    std::vector<std::uint8_t> SavedBytes() {
        // Queued redraws run first: drawing sizes texts, as on screen before the user saves.
        QCoreApplication::processEvents();
        View().GetCanvas().repaint();
        // Saved even when unmodified: a selection reorders elements without marking.
        w->frame.GetProjectCommands().Save();
        return ReadFileBytes(*dir / "undo.ZORX");
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        // Shortcuts reach the active window only; a closed dialog may leave none active.
        w->frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w->frame));
        QTest::keyClick(View().GetScreenList()->GetList(), key, modifiers);
    }
    void Click(const CGraphObj* element, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&View().GetCanvas(), Qt::LeftButton, modifiers, Grip(View(), *element));
    }
    QWidget* PanelField(const char* name) {
        CPropertyPanelStack* panels = View().GetPanels();
        return panels->GetPanel(panels->VisibleTemplate())->findChild<QWidget*>(name);
    }
    // Changes the next modal dialog, then presses its "确定".
    void WhenDialogOpens(std::function<void(QDialog&)> change) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, [timer, change] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            timer->deleteLater();
            timer->stop();
            change(*dialog);
            PressButton(*dialog, u"确定"_qs);
        });
        timer->start(5);
    }

private slots:
    void init() {
        w = std::make_unique<MainWindow>();
        dir = std::make_unique<CTempDir>();
        w->frame.show();
        QVERIFY(w->NewProject());
        text = PlaceWithTool(w->frame, u"文本(&T)", {300, 70});
        lamp = PlaceWithTool(w->frame, u"指示灯(&I)", {500, 100});
        QVERIFY(text && lamp);
        w->files.savePaths = {QString::fromStdString((*dir / "undo").string())};
        QVERIFY(w->frame.GetProjectCommands().SaveAs());
    }
    void cleanup() { w.reset(); }

    void undoPutsBackTheSavedBytesAndRedoTheChangedOnes() {
        using Picks = std::vector<CGraphObj * UndoTest::*>;
        const struct {
            const char* name;
            Picks picks;  // selected before the step
            std::function<void()> step;
        } steps[] = {
            {"place",
             {},
             [&] {
                 PlaceWithTool(w->frame, u"寄存器(&G)", {230, 40});
             }},
            {"drag",
             {&UndoTest::lamp},
             [&] {
                 QWidget* canvas = &View().GetCanvas();
                 QTest::mousePress(canvas, Qt::LeftButton, {}, Grip(View(), *lamp));
                 QTest::mouseMove(canvas, Grip(View(), *lamp, {-18, 0}));
                 QTest::mouseMove(canvas, Grip(View(), *lamp, {-36, -9}));
                 QTest::mouseRelease(canvas, Qt::LeftButton, {}, Grip(View(), *lamp));
             }},
            {"arrow key run",
             {&UndoTest::text},
             [&] {
                 for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) Key(key);
             }},
            {"align", {&UndoTest::text, &UndoTest::lamp}, [&] { Trigger(u"选中元件上对齐"); }},
            {"delete", {&UndoTest::lamp}, [&] { Key(Qt::Key_Delete); }},
            {"field typed", {&UndoTest::text}, [&] { TypeOver(PanelField("x"), u"120"_qs); }},
            {"screen field typed",
             {},
             [&] {
                 ClickCell(*View().GetScreenList()->GetList(), 0, 0);
                 TypeOver(PanelField("description"), u"Pump"_qs);
             }},
            {"new screen",
             {},
             [&] {
                 ModalDialogs accept;
                 Trigger(u"新建画面(&N)");
             }},
            {"copy screen",
             {},
             [&] {
                 ModalDialogs accept;
                 Trigger(u"复制画面(&C)");
             }},
            {"delete screen",
             {},
             [&] {
                 ModalDialogs accept;
                 Trigger(u"删除画面(&D)");
             }},
            {"system settings",
             {},
             [&] {
                 WhenDialogOpens([](QDialog& d) { TypeOver(d.findChild<QLineEdit*>(), u"12"_qs); });
                 Trigger(u"系统设置(&O)");
             }},
            {"cut", {&UndoTest::text}, [&] { Key(Qt::Key_X, Qt::ControlModifier); }},
            {"paste",
             {&UndoTest::text},
             [&] {
                 Key(Qt::Key_C, Qt::ControlModifier);
                 Key(Qt::Key_V, Qt::ControlModifier);
             }},
        };
        for (const auto& [name, picks, step] : steps) {
            init();
            for (CGraphObj* UndoTest::*pick : picks) Click(this->*pick, Qt::ShiftModifier);
            const std::vector<std::uint8_t> before = SavedBytes();
            step();
            const std::vector<std::uint8_t> after = SavedBytes();
            QVERIFY2(after != before, name);
            Key(Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(SavedBytes() == before, name);
            Key(Qt::Key_Y, Qt::ControlModifier);
            QVERIFY2(SavedBytes() == after, name);
            QVERIFY2(!w->frame.FindAction(u"重做(&R)"_qs)->isEnabled(), name);
        }
    }

    void undoFollowsTheCleanStateOfTheSavedProject() {
        QVERIFY(!w->doc.IsModified());
        Click(text);
        Key(Qt::Key_Left);
        QVERIFY(w->doc.IsModified());
        Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w->doc.IsModified());
        // Past the save: the lamp's placing is taken back.
        Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w->doc.IsModified());
        QCOMPARE(w->doc.GetElements().size(), std::size_t{1});
        Key(Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!w->doc.IsModified());
    }

    void pasteLandsOnItsPlaceOrBesideItsOriginal() {
        const CRect where = text->GetPosition();
        Click(text);
        Key(Qt::Key_C, Qt::ControlModifier);
        const QByteArray copied = Bytes(CElementTransfer::Write({text}));
        QCOMPARE(QApplication::clipboard()->mimeData()->data(CElementClipboard::kMimeType), copied);
        const std::pair<int, std::int32_t> pastes[] = {{1, 9}, {1, 18}, {2, 0}};
        for (const auto& [screen, offset] : pastes) {
            if (screen == 2) {
                ModalDialogs accept;
                Trigger(u"新建画面(&N)");
            }
            Key(Qt::Key_V, Qt::ControlModifier);
            const auto& pasted = View().GetViewState().GetSelection();
            QCOMPARE(pasted.size(), std::size_t{1});
            QCOMPARE(pasted.front()->m_nScreenNo, screen);
            QCOMPARE(pasted.front()->GetPosition().TopLeft(),
                     (CPoint{where.left + offset, where.top + offset}));
        }
        Key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(View().GetViewState().GetSelection().size(), std::size_t{1});

        // Another running editor takes the same bytes.
        MainWindow other;
        QVERIFY(other.NewProject());
        other.frame.FindAction(u"粘贴(&P)"_qs)->trigger();
        QCOMPARE(other.doc.GetElements().size(), std::size_t{1});
        QCOMPARE(Bytes(CElementTransfer::Write({other.doc.GetElements().front().get()})), copied);
    }

    void pasteRefusesWhatIsNotAnElement() {
        CScreen screen;
        const std::vector<std::uint8_t> stored = CElementTransfer::Write({&screen});
        const QByteArray notElements[] = {
            Bytes(stored),
            QByteArray::fromHex("0100ffff0000070043466f6f42617200"),  // class "CFooBar"
            QByteArray::fromHex("0500"),
        };
        const std::size_t elements = w->doc.GetElements().size();
        for (const QByteArray& bytes : notElements) {
            auto* data = new QMimeData;
            data->setData(CElementClipboard::kMimeType, bytes);
            QApplication::clipboard()->setMimeData(data);
            Key(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(w->doc.GetElements().size(), elements);
        }
        QCOMPARE(w->messenger.shown.size(), std::size_t{3});
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
