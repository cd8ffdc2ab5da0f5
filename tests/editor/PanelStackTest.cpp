// The property panels below the canvas, driven as the user drives them: which panel an element
// opens, typed changes reaching the element and the view, refresh after a move, Enter and
// Escape, forgetting freed elements, the screen panel's refusal and the font dialog.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QTest>
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

using namespace tavelo;

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
    std::vector<Change> changes;
};

// Hands text to the focused widget as an input method commits it.
void Commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

// Replaces a field's text by typing, as a user selecting it all and typing over it.
template <class Field>
void TypeOver(Field* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

}  // namespace

class PanelStackTest : public QObject {
    Q_OBJECT

private:
    // A fresh project, a window holding the panels and a PLC type with coil and word units.
    struct Setup {
        Setup() {
            fixture.state.m_currentPlc =
                test::MakePlc(u"PLC", {test::MakeUnit(u"M", CRegUnitConfig::kBit, 7),
                                       test::MakeUnit(u"D", CRegUnitConfig::kByte, 1),
                                       test::MakeUnit(u"W", CRegUnitConfig::kByte, 3)});
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

        test::EditorFixture fixture;
        RecordingHost host;
        QDialog window;
        CScreen* screen;
        CPropertyPanelStack* stack;
    };

private slots:
    void choosesThePanelByTemplateOrByKind_data();
    void choosesThePanelByTemplateOrByKind();
    void anElementWithoutPanelChangesNothing();
    void aTypedChangeReachesTheElementAndTheView_data();
    void aTypedChangeReachesTheElementAndTheView();
    void aTableCellTakesChineseThroughTheEditBox();
    void registerControlsFollowTheFormAndLimitsTakeAMinus();
    void aChangeShowsWhatTheFormMadeOfIt();
    void onlyTheGroupOfTheChosenActionShows();
    void theVectorPanelsHideDoubleSize();
    void refreshShowsTheMovedPositionInDots();
    void enterAndEscapeNeitherCloseNorHideAPanel();
    void aForgottenElementTakesNoChange();
    void theScreenPanelRefusesTargetZeroWithItsMessage();
    void theFontDialogAppliesFaceAndSize();
};

using MakeElement = std::function<std::unique_ptr<CGraphObj>()>;
Q_DECLARE_METATYPE(MakeElement)

void PanelStackTest::choosesThePanelByTemplateOrByKind_data() {
    QTest::addColumn<MakeElement>("make");
    QTest::addColumn<int>("expected");
    const auto text = [](bool vector) {
        return MakeElement([vector] {
            auto element = std::make_unique<CStaticText>(CRect{0, 0, 9, 9});
            element->SetVector(vector);
            return std::unique_ptr<CGraphObj>(std::move(element));
        });
    };
    const auto dynamicText = [](bool vector) {
        return MakeElement([vector] {
            auto element = std::make_unique<CDynamicText>(CRect{0, 0, 9, 9});
            element->SetVector(vector);
            return std::unique_ptr<CGraphObj>(std::move(element));
        });
    };
    QTest::newRow("dot-matrix text") << text(false) << 132;
    QTest::newRow("vector text") << text(true) << 259;
    QTest::newRow("dot-matrix dynamic text") << dynamicText(false) << 142;
    QTest::newRow("vector dynamic text") << dynamicText(true) << 261;
    QTest::newRow("register") << MakeElement([] { return std::make_unique<CRegister>(CRect{}); })
                              << 143;
    QTest::newRow("indicator") << MakeElement([] { return std::make_unique<CIndicator>(); }) << 139;
    QTest::newRow("function key") << MakeElement([] { return std::make_unique<CFunctionKey>(); })
                                  << 141;
    QTest::newRow("trend graph") << MakeElement([] {
        return std::make_unique<CTrendBar>(CTrendBar::kTrendGraph);
    }) << 145;
    QTest::newRow("static bitmap")
        << MakeElement([] { return std::make_unique<CStaticBitmap>(); }) << 228;
    QTest::newRow("dynamic bitmap")
        << MakeElement([] { return std::make_unique<CDynamicBitmap>(); }) << 240;
}

void PanelStackTest::choosesThePanelByTemplateOrByKind() {
    QFETCH(MakeElement, make);
    QFETCH(int, expected);
    Setup setup;
    CGraphObj& element = setup.Add(make());
    setup.stack->Show(setup.screen, 134);
    QCOMPARE(setup.stack->VisibleTemplate(), 134);
    setup.stack->Show(&element, CPropertyPanelStack::kByKind);
    QCOMPARE(setup.stack->VisibleTemplate(), expected);
    QCOMPARE(setup.stack->GetPanel(expected)->GetObject(), &element);
    QVERIFY(setup.stack->GetPanel(134)->isHidden());
    QVERIFY(setup.host.changes.empty());  // showing is no change
    QVERIFY(!setup.fixture.doc.IsModified());
}

void PanelStackTest::anElementWithoutPanelChangesNothing() {
    Setup setup;
    CGraphObj& rectangle = setup.Add(std::make_unique<CRectObj>(CRect{0, 0, 9, 9}));
    setup.stack->Show(setup.screen, 134);
    setup.stack->Show(&rectangle, CPropertyPanelStack::kByKind);
    QCOMPARE(setup.stack->VisibleTemplate(), 134);
    QCOMPARE(setup.stack->GetPanel(134)->GetObject(), setup.screen);
}

// An element, the edit the user makes in its panel, and the check of the element afterwards.
struct TypedChange {
    MakeElement make;
    int templateId;
    std::function<void(const std::function<QWidget*(const char*)>&)> edit;
    std::function<bool(const CGraphObj&)> reached;
};
Q_DECLARE_METATYPE(TypedChange)

void PanelStackTest::aTypedChangeReachesTheElementAndTheView_data() {
    using Find = std::function<QWidget*(const char*)>;
    QTest::addColumn<TypedChange>("change");
    QTest::newRow("text, Chinese")
        << TypedChange{[] {
                           return std::make_unique<CStaticText>(CRect{0, 0, 9, 9});
                       },
                       132,
                       [](const Find& find) {
                           auto* edit = static_cast<QLineEdit*>(find("text"));
                           edit->setFocus();
                           edit->selectAll();
                           Commit(u"电机运行"_qs);
                       },
                       [](const CGraphObj& e) {
                           return static_cast<const CStaticText&>(e).GetText() == u"电机运行";
                       }};
    QTest::newRow("vector text, X") << TypedChange{
        [] {
            auto element = std::make_unique<CStaticText>(CRect{0, 0, 9, 9});
            element->SetVector(true);
            return element;
        },
        259, [](const Find& find) { TypeOver(static_cast<CSpinButtonEdit*>(find("x")), "20"); },
        [](const CGraphObj& e) { return e.GetPosition().left == 45; }};
    QTest::newRow("dynamic text, inverse") << TypedChange{
        [] {
            return std::make_unique<CDynamicText>(CRect{0, 0, 9, 9});
        },
        142, [](const Find& find) { QTest::mouseClick(find("inverse"), Qt::LeftButton); },
        [](const CGraphObj& e) { return e.GetInverse() != 0; }};
    QTest::newRow("register, digits") << TypedChange{
        [] { return std::make_unique<CRegister>(CRect{}); }, 143,
        [](const Find& find) { TypeOver(static_cast<CSpinButtonEdit*>(find("digits")), "3"); },
        [](const CGraphObj& e) { return static_cast<const CRegister&>(e).GetDigits() == 3; }};
    QTest::newRow("indicator, logic") << TypedChange{
        [] { return std::make_unique<CIndicator>(); }, 139,
        [](const Find& find) { QTest::keyClick(find("logic"), Qt::Key_Down); },
        [](const CGraphObj& e) {
            return static_cast<const CIndicator&>(e).GetLogic() == CIndicator::kNegative;
        }};
    QTest::newRow("function key, action") << TypedChange{
        [] { return std::make_unique<CFunctionKey>(); }, 141,
        [](const Find& find) { QTest::mouseClick(find("action2"), Qt::LeftButton); },
        [](const CGraphObj& e) {
            return static_cast<const CFunctionKey&>(e).GetAction() == CFunctionKey::kActionRegister;
        }};
    QTest::newRow("trend graph, width") << TypedChange{
        [] { return std::make_unique<CTrendBar>(CTrendBar::kTrendGraph); }, 145,
        [](const Find& find) { TypeOver(static_cast<CSpinButtonEdit*>(find("width")), "120"); },
        [](const CGraphObj& e) { return static_cast<const CTrendBar&>(e).GetWidth() == 120; }};
    QTest::newRow("static bitmap, X") << TypedChange{
        [] { return std::make_unique<CStaticBitmap>(); }, 228,
        [](const Find& find) { TypeOver(static_cast<CSpinButtonEdit*>(find("x")), "8"); },
        [](const CGraphObj& e) {
            return static_cast<const CStaticBitmap&>(e).GetCanvasRect().left == 18;
        }};
    QTest::newRow("dynamic bitmap, Y") << TypedChange{
        [] { return std::make_unique<CDynamicBitmap>(); }, 240,
        [](const Find& find) { TypeOver(static_cast<CSpinButtonEdit*>(find("y")), "4"); },
        [](const CGraphObj& e) { return e.GetPosition().top == 9; }};
}

void PanelStackTest::aTypedChangeReachesTheElementAndTheView() {
    QFETCH(TypedChange, change);
    Setup setup;
    CGraphObj& element = setup.Add(change.make());
    setup.stack->Show(&element, CPropertyPanelStack::kByKind);
    QCOMPARE(setup.stack->VisibleTemplate(), change.templateId);
    change.edit([&](const char* name) {
        QWidget* widget = setup.Find<QWidget>(name);
        if (!widget) qFatal("no control %s", name);
        return widget;
    });
    QVERIFY(change.reached(element));
    QVERIFY(setup.fixture.doc.IsModified());
    QVERIFY(!setup.host.changes.empty());
    QCOMPARE(setup.host.changes.back(), (RecordingHost::Change{&element, change.templateId}));
}

void PanelStackTest::aTableCellTakesChineseThroughTheEditBox() {
    Setup setup;
    auto& text = setup.Add(std::make_unique<CDynamicText>(CRect{0, 0, 9, 9}));
    setup.stack->Show(&text, CPropertyPanelStack::kByKind);
    auto* table = setup.Find<CDynamicTextTable>("table");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(1, 2)).center());
    QLineEdit* box = table->GetEditBox();
    QVERIFY(box->isVisible());
    QCOMPARE(QApplication::focusWidget(), box);
    Commit(u"故障"_qs);
    // The first blank row's text takes the next value after the used row "0".
    QCOMPARE(text.GetValueList()[1], u"1");
    QCOMPARE(text.GetTextList()[1], u"故障");
    QCOMPARE(table->item(1, 2)->text(), u"故障"_qs);
    QCOMPARE(setup.host.changes.back(), (RecordingHost::Change{&text, 142}));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(box->isHidden());
}

void PanelStackTest::registerControlsFollowTheFormAndLimitsTakeAMinus() {
    Setup setup;
    auto& reg = setup.Add(std::make_unique<CRegister>(CRect{}));
    setup.stack->Show(&reg, CPropertyPanelStack::kByKind);
    QVERIFY(setup.Find<QCheckBox>("float")->isHidden());  // a ZORA project
    CSpinButtonEdit* inputMin = setup.Find("inputMin");
    QVERIFY(!inputMin->isEnabled());
    QVERIFY(!setup.Find<QCheckBox>("password")->isEnabled());
    for (const char* name : {"signed", "settable", "limits"})
        QTest::mouseClick(setup.Find<QCheckBox>(name), Qt::LeftButton);
    QVERIFY(inputMin->isEnabled());
    QVERIFY(setup.Find<QCheckBox>("password")->isEnabled());
    TypeOver(inputMin, "-5");
    QCOMPARE(reg.GetInputMin(), -5);
    QCOMPARE(inputMin->text(), u"-5"_qs);
}

void PanelStackTest::aChangeShowsWhatTheFormMadeOfIt() {
    Setup setup;
    auto& text = setup.Add(std::make_unique<CStaticText>(CRect{0, 0, 9, 9}));
    setup.stack->Show(&text, CPropertyPanelStack::kByKind);
    auto* field = setup.Find<QLineEdit>("text");
    TypeOver(field, QString(25, u'a'));
    QCOMPARE(field->text(), QString(24, u'a'));  // cut to the line's columns
    QCOMPARE(field->cursorPosition(), 24);

    auto& bar = setup.Add(std::make_unique<CTrendBar>(CTrendBar::kBarGraph));
    setup.stack->Show(&bar, CPropertyPanelStack::kByKind);
    QTest::keyClick(setup.Find<QComboBox>("direction"), Qt::Key_Down);  // "向下"
    QTest::keyClick(setup.Find<QComboBox>("direction"), Qt::Key_Down);  // "向左"
    QCOMPARE(setup.Find("width")->text(), u"48"_qs);
    QCOMPARE(setup.Find("height")->text(), u"16"_qs);
    QVERIFY(setup.Find("points")->isHidden());  // a bar graph
}

void PanelStackTest::onlyTheGroupOfTheChosenActionShows() {
    Setup setup;
    auto& key = setup.Add(std::make_unique<CFunctionKey>());
    setup.stack->Show(&key, CPropertyPanelStack::kByKind);
    const auto shown = [&](const char* name) { return setup.Find<QWidget>(name)->isVisible(); };
    QVERIFY(shown("station") && shown("coilAction0"));
    QVERIFY(!shown("jumpTarget0") && !shown("parameter"));
    QTest::mouseClick(setup.Find<QRadioButton>("action1"), Qt::LeftButton);
    QVERIFY(!shown("station") && !shown("coilAction0") && !shown("parameter"));
    QVERIFY(shown("jumpTarget0") && setup.Find("jumpScreen")->isEnabled());
    QTest::mouseClick(setup.Find<QRadioButton>("jumpTarget1"), Qt::LeftButton);
    QVERIFY(!setup.Find("jumpScreen")->isEnabled());
    QCOMPARE(key.GetJumpTarget(), CFunctionKey::kJumpPassword);
}

void PanelStackTest::theVectorPanelsHideDoubleSize() {
    Setup setup;
    for (bool vector : {false, true}) {
        auto& text = setup.Add(std::make_unique<CDynamicText>(CRect{0, 0, 9, 9}));
        text.SetVector(vector);
        setup.stack->Show(&text, CPropertyPanelStack::kByKind);
        QCOMPARE(setup.Find<QCheckBox>("doubleSize")->isVisible(), !vector);
        QCOMPARE(setup.Find<QPushButton>("font") != nullptr, vector);
    }
}

void PanelStackTest::refreshShowsTheMovedPositionInDots() {
    Setup setup;
    auto& indicator = setup.Add(std::make_unique<CIndicator>(CRect{0, 0, 36, 36}));
    setup.stack->Show(&indicator, CPropertyPanelStack::kByKind);
    indicator.MoveBy(45, 90);  // a drag of 20 x 40 dots
    setup.stack->RefreshVisible();
    QCOMPARE(setup.Find("x")->text(), u"20"_qs);
    QCOMPARE(setup.Find("y")->text(), u"40"_qs);
    QVERIFY(setup.host.changes.empty());
}

void PanelStackTest::enterAndEscapeNeitherCloseNorHideAPanel() {
    Setup setup;
    auto& text = setup.Add(std::make_unique<CStaticText>(CRect{0, 0, 9, 9}));
    setup.stack->Show(&text, CPropertyPanelStack::kByKind);
    for (const char* name : {"text", "x"}) {
        QWidget* field = setup.Find<QWidget>(name);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            // Sent straight to the field, so the test does not hang on which window is active;
            // the event still travels up through the panel to the dialog around it.
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(field, &press);
            QVERIFY(setup.window.isVisible());
            QCOMPARE(setup.stack->VisibleTemplate(), 132);
        }
    }
}

void PanelStackTest::aForgottenElementTakesNoChange() {
    Setup setup;
    auto& text = setup.Add(std::make_unique<CStaticText>(CRect{0, 0, 9, 9}));
    auto& other = setup.Add(std::make_unique<CRegister>(CRect{}));
    setup.stack->Show(&text, CPropertyPanelStack::kByKind);
    setup.stack->Forget(&other);  // another element: the panel keeps its own
    QCOMPARE(setup.stack->GetPanel(132)->GetObject(), &text);
    setup.stack->Forget(&text);
    setup.fixture.doc.RemoveElement(&text);  // freed here
    setup.fixture.doc.SetModified(false);
    QCOMPARE(setup.stack->GetPanel(132)->GetObject(), nullptr);
    TypeOver(setup.Find<QLineEdit>("text"), "abc");
    TypeOver(setup.Find("x"), "7");
    QVERIFY(setup.host.changes.empty());
    QVERIFY(!setup.fixture.doc.IsModified());

    setup.stack->Show(&other, CPropertyPanelStack::kByKind);
    setup.stack->ForgetAll();
    QCOMPARE(setup.stack->GetPanel(143)->GetObject(), nullptr);
}

void PanelStackTest::theScreenPanelRefusesTargetZeroWithItsMessage() {
    Setup setup;
    setup.screen->SetUpScreen(3);
    setup.stack->Show(setup.screen, 134);
    QCOMPARE(setup.Find<QLabel>("number")->text(), u" 1 号画面"_qs);
    TypeOver(setup.Find("upScreen"), "0");
    QCOMPARE(setup.fixture.messenger.ShownTexts(), QStringList{u"输入的跳转画面号不正确！"_qs});
    QCOMPARE(setup.screen->GetUpScreen(), 3);
    QVERIFY(setup.host.changes.empty());

    TypeOver(setup.Find("upScreen"), "5");
    QCOMPARE(setup.screen->GetUpScreen(), 5);
    auto* description = setup.Find<QLineEdit>("description");
    description->setFocus();
    description->selectAll();
    Commit(u"主画面"_qs);
    QCOMPARE(setup.screen->GetDescription(), u"主画面");
    QCOMPARE(setup.host.changes.back(), (RecordingHost::Change{setup.screen, 134}));
    QCOMPARE(setup.fixture.messenger.shown.size(), std::size_t{1});
}

void PanelStackTest::theFontDialogAppliesFaceAndSize() {
    Setup setup;
    auto& text = setup.Add(std::make_unique<CDynamicText>(CRect{0, 0, 9, 9}));
    text.SetVector(true);
    setup.stack->Show(&text, CPropertyPanelStack::kByKind);
    QTest::mouseClick(setup.Find<QPushButton>("font"), Qt::LeftButton);
    auto* dialog = setup.stack->GetPanel(261)->findChild<CFontDialog*>();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"字体设置"_qs);
    auto* face = dialog->findChild<QComboBox*>("face");
    auto* size = dialog->findChild<QComboBox*>("size");
    QCOMPARE(size->currentText(), u"小五"_qs);
    QTest::keyClick(face, Qt::Key_Down);
    QTest::keyClick(size, Qt::Key_Up);    // "五号", 14 dots
    QVERIFY(setup.host.changes.empty());  // nothing applies before the dialog closes
    dialog->accept();
    QCOMPARE(text.GetFaceName(), u"楷体_GB2312");
    QCOMPARE(text.GetFontSize(), 14);
    QCOMPARE(setup.host.changes.back(), (RecordingHost::Change{&text, 261}));
}

QTEST_MAIN(PanelStackTest)
#include "PanelStackTest.moc"
