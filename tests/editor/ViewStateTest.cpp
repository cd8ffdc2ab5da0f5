// Selection, band selection, moves, deletion and alignment of the editing state.

#include <QTest>
#include <vector>

#include "editor/ViewState.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "model/AppState.h"
#include "model/Screen.h"
#include "model/TaveloDoc.h"

using namespace tavelo;

namespace {

struct Listener : CViewStateListener {
    void CanvasChanged() override { ++redraws; }
    void ShowProperties(CGraphObj* object, int templateId) override {
        shown.push_back({object, templateId});
    }
    void SelectionMoved() override {}
    void ElementDeleting(const CGraphObj* element) override { deleting.push_back(element); }
    void EditStarting(EEditStep) override {}

    int redraws = 0;
    std::vector<std::pair<CGraphObj*, int>> shown;
    std::vector<const CGraphObj*> deleting;
};

}  // namespace

class ViewStateTest : public QObject {
    Q_OBJECT

    CTaveloDoc doc;
    CAppState state;
    CViewState view{doc, state};
    Listener listener;

    CGraphObj& Place(std::int32_t screen, CRect rect) {
        auto element = std::make_unique<CRegister>(rect);
        element->m_nScreenNo = screen;
        return doc.AddElement(std::move(element));
    }

private slots:
    void init() {
        doc.DeleteAll();
        doc.AddScreen(MakeNewScreen(1, u"画面 1"));
        view.ClearSelection();
        view.SetCurrentScreenNo(1);
        view.SetProjectOpen(true);
        listener = {};
        view.SetListener(&listener);
    }

    void selectingBringsToFrontAndShowsItsPanelAndShiftTakesItBack() {
        CGraphObj& first = Place(1, {0, 0, 90, 36});
        Place(1, {0, 0, 90, 36});
        view.Select(&first, false);
        QCOMPARE(doc.GetElements().back().get(), &first);
        QCOMPARE(listener.shown.back(), std::make_pair(&first, CViewState::kByKind));

        // Shift on a selected element or on one of another screen empties the selection.
        CGraphObj& other = Place(2, {0, 0, 90, 36});
        view.Select(&first, true);
        QVERIFY(view.GetSelection().empty());
        view.Select(&first, false);
        view.Select(&other, true);
        QVERIFY(view.GetSelection().empty());
        QCOMPARE(listener.shown.back().second, CViewState::kScreenTemplate);
    }

    void deletingFreesTheSelectionAndTellsTheListenerFirst() {
        CGraphObj& a = Place(1, {0, 0, 36, 36});
        Place(1, {45, 0, 81, 36});
        view.Select(&a, false);
        view.DeleteSelection();
        QCOMPARE(doc.GetElements().size(), std::size_t{1});
        QCOMPARE(listener.deleting, std::vector<const CGraphObj*>{&a});
        QVERIFY(view.GetSelection().empty());
        QCOMPARE(listener.shown.back().second, CViewState::kScreenTemplate);
    }

    // A negative edge of the first selected element stops the alignment.
    void alignmentTakesTheExtremeEdgeAndKeepsSizes() {
        CGraphObj& a = Place(1, {18, 9, 54, 45});
        CGraphObj& b = Place(1, {90, 27, 180, 63});
        view.Select(&a, false);
        view.Select(&b, true);
        view.Align(EAlignment::kRight);
        QCOMPARE(a.GetPosition(), (CRect{144, 9, 180, 45}));
        view.Align(EAlignment::kTop);
        QCOMPARE(b.GetPosition(), (CRect{90, 9, 180, 45}));
        a.MoveBy(-153, 0);
        doc.SetModified(false);
        view.Align(EAlignment::kLeft);
        QCOMPARE(b.GetPosition().left, 90);
        QVERIFY(!doc.IsModified());
    }

    // A static bitmap lines up where the canvas shows it, not by its picture's own extent.
    void alignmentTakesAStaticBitmapWhereTheCanvasShowsIt() {
        auto bitmap = std::make_unique<CStaticBitmap>();
        bitmap->SetPosition({180, 54, 207, 72});
        bitmap->m_nScreenNo = 1;
        CGraphObj& picture = doc.AddElement(std::move(bitmap));
        CGraphObj& lamp = Place(1, {90, 90, 126, 126});
        view.Select(&picture, false);
        view.Select(&lamp, true);
        view.Align(EAlignment::kLeft);
        view.Align(EAlignment::kTop);
        QCOMPARE(picture.GetCanvasRect(), (CRect{90, 54, 117, 72}));
        QCOMPARE(lamp.GetCanvasRect(), (CRect{90, 54, 126, 90}));
    }
};

QTEST_GUILESS_MAIN(ViewStateTest)
#include "ViewStateTest.moc"
