// The property panels below the canvas, driven as the user drives them: which panel an element
// opens, typed changes reaching the element and the view, refresh after a move, Enter and
// Escape, forgetting freed elements, the screen panel's refusal and the font dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "editor/dialogs/SpinButtonEdit.h"
#include "editor/panels/DynamicTextTable.h"
#include "editor/panels/FontDialog.h"
#include "editor/panels/PanelHost.h"
#include "editor/panels/PropertyDialogBase.h"
#include "editor/panels/PropertyPanelStack.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "support/PlcSamples.h"
#include "support/qt/EditorFixture.h"
#include "support/qt/UserInput.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

struct RecordingHost : CPanelHost {
    struct Change {
        CGraphObj* object;
        int templateId;
        bool operator==(const Change&) const = default;
    };
    void ElementChanged(CGraphObj* object, int templateId) override {
        changes.push_back({object, templateId});
    }
    void BeginPanelChange() override {}
    void EndPanelChange(const QObject*, const CGraphObj*) override {}
    std::vector<Change> changes;
};

constexpr int kByKind = CPropertyPanelStack::kByKind;

// A fresh project, a window holding the panels and a PLC type with coil and word units.
struct Setup {
    Setup() {
        fixture.state.m_currentPlc = MakePlc(u"PLC", {MakeUnit(u"M", CRegUnitConfig::kBit, 7),
                                                      MakeUnit(u"D", CRegUnitConfig::kByte, 1),
                                                      MakeUnit(u"W", CRegUnitConfig::kByte, 3)});
        screen = &fixture.doc.AddScreen(MakeNewScreen(1, u"画面 1"));
        stack = new CPropertyPanelStack(fixture.context, host, &window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(stack);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) qWarning("window not active");
    }
    template <class Element>
    Element& Add(std::unique_ptr<Element> element) {
        auto& added = static_cast<Element&>(fixture.doc.AddElement(std::move(element)));
        fixture.doc.SetModified(false);
        return added;
    }
    template <class Widget = CSpinButtonEdit>
    Widget* Find(const char* name) const {
        return stack->GetPanel(stack->VisibleTemplate())->findChild<Widget*>(name);
    }

    EditorFixture fixture;
    RecordingHost host;
    QDialog window;
    CScreen* screen;
    CPropertyPanelStack* stack;
};

}  // namespace

using MakeElement = std::function<std::unique_ptr<CGraphObj>()>;
Q_DECLARE_METATYPE(MakeElement)

template <class Element, class... Args>
MakeElement Make(Args... args) {
    return [args...] { return std::unique_ptr<CGraphObj>(std::make_unique<Element>(args...)); };
}

template <class Text>
MakeElement MakeText(bool vector) {
    return [vector] {
        auto text = std::make_unique<Text>(CRect{0, 0, 9, 9});
        text->SetVector(vector);
        return std::unique_ptr<CGraphObj>(std::move(text));
    };
}

// An element, the panel it opens and, for one row per kind of control binding, an edit the
// user makes there and the check of the element afterwards.
using Find = std::function<QWidget*(const char*)>;
struct PanelRow {
    MakeElement make;
    int templateId;
    std::function<void(const Find&)> edit = {};
    std::function<bool(const CGraphObj&)> reached = {};
};
Q_DECLARE_METATYPE(PanelRow)

template <class Element>
const Element& As(const CGraphObj& element) {
    return static_cast<const Element&>(element);
}

class PanelStackTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Setup> setup;

private slots:
    void init() { setup = std::make_unique<Setup>(); }
    void cleanup() { setup.reset(); }

    void eachKindOpensItsPanelWhereAnEditReachesTheElementAndTheView_data() {
        const auto typeOver = [](const char* name, const char* text) {
            return [name, text](const Find& find) { TypeOver(find(name), text); };
        };
        const auto click = [](const char* name) {
            return [name](const Find& find) { QTest::mouseClick(find(name), Qt::LeftButton); };
        };
        QTest::addColumn<PanelRow>("row");
        QTest::newRow("dot-matrix text, Chinese") << PanelRow{
            MakeText<CStaticText>(false), 132,
            [](const Find& find) {
                find("text")->setFocus();
                static_cast<QLineEdit*>(find("text"))->selectAll();
                Commit(u"电机运行"_qs);
            },
            [](const CGraphObj& e) { return As<CStaticText>(e).GetText() == u"电机运行"; }};
        QTest::newRow("vector text") << PanelRow{MakeText<CStaticText>(true), 259};
        QTest::newRow("dot-matrix dynamic text, inverse")
            << PanelRow{MakeText<CDynamicText>(false), 142, click("inverse"),
                        [](const CGraphObj& e) { return e.GetInverse() != 0; }};
        QTest::newRow("vector dynamic text") << PanelRow{MakeText<CDynamicText>(true), 261};
        QTest::newRow("register, digits")
            << PanelRow{Make<CRegister>(CRect{}), 143, typeOver("digits", "3"),
                        [](const CGraphObj& e) { return As<CRegister>(e).GetDigits() == 3; }};
        QTest::newRow("indicator, logic")
            << PanelRow{Make<CIndicator>(), 139,
                        [](const Find& find) { QTest::keyClick(find("logic"), Qt::Key_Down); },
                        [](const CGraphObj& e) {
                            return As<CIndicator>(e).GetLogic() == CIndicator::kNegative;
                        }};
        QTest::newRow("function key, action")
            << PanelRow{Make<CFunctionKey>(), 141, click("action2"), [](const CGraphObj& e) {
                            return As<CFunctionKey>(e).GetAction() == CFunctionKey::kActionRegister;
                        }};
        QTest::newRow("trend graph") << PanelRow{Make<CTrendBar>(CTrendBar::kTrendGraph), 145};
        QTest::newRow("static bitmap") << PanelRow{Make<CStaticBitmap>(), 228};
        QTest::newRow("dynamic bitmap, Y")
            << PanelRow{Make<CDynamicBitmap>(), 240, typeOver("y", "4"),
                        [](const CGraphObj& e) { return e.GetPosition().top == 9; }};
        // Without a panel of its own the screen's stays.
        QTest::newRow("rectangle") << PanelRow{Make<CRectObj>(CRect{0, 0, 9, 9}), 134};
    }

    void eachKindOpensItsPanelWhereAnEditReachesTheElementAndTheView() {
        QFETCH(PanelRow, row);
        CGraphObj& element = setup->Add(row.make());
        setup->stack->Show(setup->screen, 134);
        setup->stack->Show(&element, kByKind);
        QCOMPARE(setup->stack->VisibleTemplate(), row.templateId);
        QCOMPARE(setup->stack->GetPanel(row.templateId)->GetObject(),
                 row.templateId == 134 ? static_cast<CGraphObj*>(setup->screen) : &element);
        QCOMPARE(setup->stack->GetPanel(134)->isHidden(), row.templateId != 134);
        QVERIFY(setup->host.changes.empty());  // showing is no change
        QVERIFY(!setup->fixture.doc.IsModified());
        if (!row.edit) return;
        row.edit([&](const char* name) {
            QWidget* widget = setup->Find<QWidget>(name);
            if (!widget) qFatal("no control %s", name);
            return widget;
        });
        QVERIFY(row.reached(element));
        QVERIFY(setup->fixture.doc.IsModified());
        QVERIFY(!setup->host.changes.empty());
        QCOMPARE(setup->host.changes.back(), (RecordingHost::Change{&element, row.templateId}));
    }

    void aTableCellTakesChineseThroughTheEditBox() {
        auto& text = setup->Add(std::make_unique<CDynamicText>(CRect{0, 0, 9, 9}));
        setup->stack->Show(&text, kByKind);
        auto* table = setup->Find<CDynamicTextTable>("table");
        ClickCell(*table, 1, 2);
        QLineEdit* box = table->GetEditBox();
        QVERIFY(box->isVisible());
        QCOMPARE(QApplication::focusWidget(), box);
        Commit(u"故障"_qs);
        QCOMPARE(text.GetTextList()[1], u"故障");
        QCOMPARE(table->item(1, 2)->text(), u"故障"_qs);
        QCOMPARE(setup->host.changes.back(), (RecordingHost::Change{&text, 142}));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(box->isHidden());
    }

    // The rules are the forms'; the controls must show their outcome: the cut text with the caret
    // at its end, a control the form hides or enables, a signed field taking a minus.
    void controlsShowWhatTheFormMadeOfTheChange() {
        auto& text = setup->Add(std::make_unique<CStaticText>(CRect{0, 0, 9, 9}));
        setup->stack->Show(&text, kByKind);
        auto* field = setup->Find<QLineEdit>("text");
        TypeOver(field, QString(25, u'a'));
        QCOMPARE(field->text(), QString(24, u'a'));  // cut to the line's columns
        QCOMPARE(field->cursorPosition(), 24);

        auto& reg = setup->Add(std::make_unique<CRegister>(CRect{}));
        setup->stack->Show(&reg, kByKind);
        QVERIFY(setup->Find<QCheckBox>("float")->isHidden());  // a ZORA project
        CSpinButtonEdit* inputMin = setup->Find("inputMin");
        QVERIFY(!inputMin->isEnabled());
        for (const char* name : {"signed", "settable", "limits"})
            QTest::mouseClick(setup->Find<QCheckBox>(name), Qt::LeftButton);
        QVERIFY(inputMin->isEnabled());
        TypeOver(inputMin, "-5");
        QCOMPARE(reg.GetInputMin(), -5);
        QCOMPARE(inputMin->text(), u"-5"_qs);
    }

    // The static bitmap and text panels apply nothing past 3 digits of X and 2 of Y, so their
    // fields take no more: a field never shows a place the element does not have.
    void positionFieldsRefuseDigitsTheyWouldNotApply() {
        for (MakeElement make : {Make<CStaticBitmap>(), MakeText<CStaticText>(false)}) {
            CGraphObj& element = setup->Add(make());
            setup->stack->Show(&element, kByKind);
            TypeOver(setup->Find("x"), "1234");
            TypeOver(setup->Find("y"), "123");
            QCOMPARE(setup->Find("x")->text(), u"123"_qs);
            QCOMPARE(setup->Find("y")->text(), u"12"_qs);
            // What the fields show is what the element has: 123 x 12 dots.
            const auto* bitmap = dynamic_cast<const CStaticBitmap*>(&element);
            QCOMPARE(bitmap ? bitmap->GetCanvasRect().TopLeft() : element.GetPosition().TopLeft(),
                     (CPoint{276, 27}));
        }
    }

    void enterAndEscapeNeitherCloseNorHideAPanel() {
        auto& text = setup->Add(std::make_unique<CStaticText>(CRect{0, 0, 9, 9}));
        setup->stack->Show(&text, kByKind);
        for (const char* name : {"text", "x"}) {
            QWidget* field = setup->Find<QWidget>(name);
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                // Sent straight to the field, so the test does not hang on which window is active;
                // the event still travels up through the panel to the dialog around it.
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(field, &press);
                QVERIFY(setup->window.isVisible());
                QCOMPARE(setup->stack->VisibleTemplate(), 132);
            }
        }
    }

    void aForgottenElementTakesNoChange() {
        auto& text = setup->Add(std::make_unique<CStaticText>(CRect{0, 0, 9, 9}));
        auto& other = setup->Add(std::make_unique<CRegister>(CRect{}));
        setup->stack->Show(&text, kByKind);
        setup->stack->Forget(&other);  // another element: the panel keeps its own
        QCOMPARE(setup->stack->GetPanel(132)->GetObject(), &text);
        setup->stack->Forget(&text);
        setup->fixture.doc.RemoveElement(&text);  // freed here
        setup->fixture.doc.SetModified(false);
        QCOMPARE(setup->stack->GetPanel(132)->GetObject(), nullptr);
        TypeOver(setup->Find<QLineEdit>("text"), "abc");
        TypeOver(setup->Find("x"), "7");
        QVERIFY(setup->host.changes.empty());
        QVERIFY(!setup->fixture.doc.IsModified());

        setup->stack->Show(&other, kByKind);
        setup->stack->ForgetAll();
        QCOMPARE(setup->stack->GetPanel(143)->GetObject(), nullptr);
    }

    void theScreenPanelRefusesTargetZeroWithItsMessage() {
        setup->screen->SetUpScreen(3);
        setup->stack->Show(setup->screen, 134);
        QCOMPARE(setup->Find<QLabel>("number")->text(), u" 1 号画面"_qs);
        TypeOver(setup->Find("upScreen"), "0");
        QCOMPARE(setup->fixture.messenger.ShownTexts(),
                 QStringList{u"输入的跳转画面号不正确！"_qs});
        QCOMPARE(setup->screen->GetUpScreen(), 3);
        QVERIFY(setup->host.changes.empty());

        TypeOver(setup->Find("upScreen"), "5");
        QCOMPARE(setup->screen->GetUpScreen(), 5);
        QCOMPARE(setup->host.changes, (std::vector{RecordingHost::Change{setup->screen, 134}}));
        QCOMPARE(setup->fixture.messenger.shown.size(), std::size_t{1});
    }

    void theFontDialogAppliesFaceAndSize() {
        auto& text = setup->Add(std::make_unique<CDynamicText>(CRect{0, 0, 9, 9}));
        text.SetVector(true);
        setup->stack->Show(&text, kByKind);
        QTest::mouseClick(setup->Find<QPushButton>("font"), Qt::LeftButton);
        auto* dialog = setup->stack->GetPanel(261)->findChild<CFontDialog*>();
        QVERIFY(dialog);
        auto* face = dialog->findChild<QComboBox*>("face");
        auto* size = dialog->findChild<QComboBox*>("size");
        QTest::keyClick(face, Qt::Key_Down);
        QTest::keyClick(size, Qt::Key_Up);     // "五号", 14 dots
        QVERIFY(setup->host.changes.empty());  // nothing applies before the dialog closes
        dialog->accept();
        QCOMPARE(text.GetFaceName(), u"楷体_GB2312");
        QCOMPARE(text.GetFontSize(), 14);
        QCOMPARE(setup->host.changes.back(), (RecordingHost::Change{&text, 261}));
    }
};

QTEST_MAIN(PanelStackTest)
#include "PanelStackTest.moc"
