// The tools through their registry, as the view drives them: picking, dragging and band
// selection with the select tool, the drawing commands, the placement preview, and placing
// each element kind where the preview showed it.

#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "editor/CanvasGeometry.h"
#include "editor/ViewState.h"
#include "editor/tools/ToolCommand.h"
#include "editor/tools/ToolCommands.h"
#include "editor/tools/ToolHost.h"
#include "editor/tools/ToolRegistry.h"
#include "elements/DynamicText.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "model/FileBytes.h"
#include "model/Screen.h"
#include "support/BmpFiles.h"
#include "support/RecordingDrawSurface.h"
#include "support/qt/EditorFixture.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

// The view's part: records capture, cursor, band and panel refreshes.
class FakeToolHost : public CToolHost {
public:
    explicit FakeToolHost(CViewState& view) : m_view(view) {}

    CViewState& GetViewState() override { return m_view; }
    void CapturePointer() override { captured = true; }
    void ReleasePointer() override { captured = false; }
    bool HasCapture() const override { return captured; }
    void SetCursorShape(ECursorShape shape) override { cursor = shape; }
    void SetBand(const std::optional<CRect>& clientBand) override { band = clientBand; }
    void RefreshPanels() override { ++refreshes; }

    bool captured = false;
    ECursorShape cursor = ECursorShape::kArrow;
    std::optional<CRect> band;
    int refreshes = 0;

private:
    CViewState& m_view;
};

// A fixture document with screen 1 current and a project open.
struct ToolScene : EditorFixture {
    ToolScene() {
        doc.AddScreen(MakeNewScreen(1, u"画面 1"));
        view.SetProjectOpen(true);
        view.SetCurrentScreenNo(1);
        doc.SetModified(false);
    }

    CViewState view{doc, state};
    FakeToolHost host{view};
    CToolRegistry tools{messenger};
};

const CToolCommand& Command(int id) {
    return *tool_command::Find(id);
}

// Class name, vector flag of texts, kind of graphs.
std::string KindOf(const CGraphObj& element) {
    std::string kind = element.GetClassName();
    if (auto* text = dynamic_cast<const CStaticText*>(&element); text && text->IsVector())
        kind += " vector";
    if (auto* text = dynamic_cast<const CDynamicText*>(&element); text && text->IsVector())
        kind += " vector";
    if (auto* graph = dynamic_cast<const CTrendBar*>(&element))
        kind += " " + std::to_string(graph->GetShape());
    return kind;
}

// Where the element lies on the canvas; the static bitmap answers its picture as position.
CRect CanvasRect(const CGraphObj& element) {
    if (auto* bitmap = dynamic_cast<const CStaticBitmap*>(&element)) return bitmap->GetCanvasRect();
    return element.GetPosition();
}

CGraphObj& Place(ToolScene& scene, CRect rect) {
    auto element = std::make_unique<CRegister>(rect);
    element->m_nScreenNo = 1;
    return scene.doc.AddElement(std::move(element));
}

void Click(ToolScene& scene, CPoint canvas, bool shift = false) {
    scene.tools.OnMove(scene.host, CanvasToClient(canvas), shift);
    scene.tools.OnLeftPress(scene.host, CanvasToClient(canvas), shift);
    scene.tools.OnLeftRelease(scene.host, CanvasToClient(canvas), shift);
}

std::vector<CGraphObj*> List(std::initializer_list<CGraphObj*> elements) {
    return elements;
}

}  // namespace

class ToolTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString WriteBmp(const QString& name, std::int32_t width, std::int32_t height) {
        const QString path = dir.filePath(name);
        BmpLayout layout;
        layout.width = width;
        layout.height = height;
        WriteFileAtomically(path.toStdString(), MakeBmp(layout));
        return path;
    }

private slots:
    void aClickPicksAndShiftAddsWithoutDroppingWhatIsSelected() {
        ToolScene scene;
        CGraphObj& a = Place(scene, {0, 0, 36, 36});
        CGraphObj& b = Place(scene, {90, 0, 126, 36});
        Click(scene, {10, 10});
        QCOMPARE(scene.view.GetSelection(), List({&a}));
        Click(scene, {100, 10}, true);
        QCOMPARE(scene.view.GetSelection(), List({&a, &b}));
        Click(scene, {10, 10}, true);  // already selected: unchanged
        QCOMPARE(scene.view.GetSelection(), List({&a, &b}));
        Click(scene, {100, 10});  // a selected element keeps the group for dragging
        QCOMPARE(scene.view.GetSelection(), List({&a, &b}));
        Click(scene, {300, 100}, true);  // empty canvas with Shift keeps the selection
        QCOMPARE(scene.view.GetSelection(), List({&a, &b}));
        // (42, 20) misses a; its snapped point (36, 18) lies within a's margin.
        Click(scene, {42, 20});
        QVERIFY(scene.view.GetSelection().empty());
    }

    // A drag off the canvas moves nothing, and its release anywhere still ends it.
    void aDragMovesInWholeStepsAndKeepsTheRemainderPending() {
        // Pointer offsets from the press; the selection's move and the last point's.
        const struct {
            std::vector<CPoint> steps;
            CPoint moved, lastMoved;
        } rows[] = {
            {{{18, 5}}, {18, 0}, {18, 0}},
            {{{13, 4}}, {0, 0}, {0, 0}},
            {{{4, 5}, {13, 14}, {22, 2}}, {0, 0}, {0, 0}},
            {{{13, 4}, {18, 5}}, {18, 0}, {18, 0}},
            {{{-20, -18}}, {-18, -18}, {-18, -18}},
            {{{18, 5}, {22, 9}}, {18, 9}, {18, 9}},  // the pending 5 completes later
            {{{0, 121}}, {0, 0}, {0, 0}},            // below the canvas
        };
        for (const auto& row : rows) {
            ToolScene scene;
            CGraphObj& element = Place(scene, {90, 45, 126, 81});
            scene.doc.SetModified(false);
            const CPoint press = CanvasToClient({99, 54});
            scene.tools.OnLeftPress(scene.host, press, false);
            QVERIFY(scene.host.captured);
            QCOMPARE(scene.host.cursor, ECursorShape::kSizeAll);
            const CTool& tool = *scene.tools.Find(0);
            QCOMPARE(tool.GetLastPoint(), press);
            for (CPoint step : row.steps)
                scene.tools.OnMove(scene.host, {press.x + step.x, press.y + step.y}, false);
            QCOMPARE(element.GetPosition().TopLeft(), (CPoint{90 + row.moved.x, 45 + row.moved.y}));
            QCOMPARE(tool.GetLastPoint(),
                     (CPoint{press.x + row.lastMoved.x, press.y + row.lastMoved.y}));
            QCOMPARE(scene.host.refreshes > 0, row.moved != CPoint{});
            QCOMPARE(scene.doc.IsModified(), row.moved != CPoint{});
            scene.tools.OnLeftRelease(scene.host, {800, 400}, false);
            QVERIFY(!scene.host.captured);
            QCOMPARE(scene.host.cursor, ECursorShape::kArrow);
        }
    }

    void aBandSelectsWhatItTouchesInEitherDirection() {
        const std::pair<CPoint, CPoint> bands[] = {
            {{9, 90}, {126, 18}}, {{126, 18}, {9, 90}}, {{135, 99}, {9, 18}}};
        for (const auto& [from, to] : bands) {
            ToolScene scene;
            CGraphObj& a = Place(scene, {0, 0, 36, 36});
            CGraphObj& b = Place(scene, {90, 72, 126, 108});
            Place(scene, {200, 90, 236, 126});
            const CPoint clientFrom = CanvasToClient(from), clientTo = CanvasToClient(to);
            scene.tools.OnLeftPress(scene.host, clientFrom, false);
            scene.tools.OnMove(scene.host, clientTo, false);
            QCOMPARE(scene.host.band,
                     std::optional<CRect>(
                         CRect{clientFrom.x, clientFrom.y, clientTo.x, clientTo.y}.Normalized()));
            QVERIFY(scene.view.GetSelection().empty());
            scene.tools.OnLeftRelease(scene.host, clientTo, false);
            QVERIFY(!scene.host.band);
            QCOMPARE(scene.view.GetSelection(), List({&a, &b}));
        }
    }

    void theRightButtonCancelsTheChosenTool() {
        ToolScene scene;
        Place(scene, {0, 0, 36, 36});
        Click(scene, {10, 10});
        ChooseTool(scene.view, Command(tool_command::kTrendGraph));
        scene.tools.OnRightRelease(scene.host);
        QCOMPARE(scene.view.GetCurrentTool(), 0);
        QVERIFY(!scene.view.GetPreview().m_bOn);
        QVERIFY(scene.view.GetSelection().empty());
        scene.tools.OnLeftPress(scene.host, CanvasToClient({200, 100}), false);
        QCOMPARE(scene.doc.GetElements().size(), 1u);
    }

    // The preview snaps to the grid and near the far edges is held on the canvas, and the
    // element with it.
    void eachToolPlacesItsKindWhereThePreviewShowedIt() {
        using namespace tool_command;
        const struct {
            int command;
            const char* kind;
            CPoint client, topLeft;
        } rows[] = {
            {kRegister, "CRegister", {215, 30}, {0, 0}},
            {kStaticText, "CStaticText", CanvasToClient({53, 26}), {45, 18}},
            {kVectorStaticText, "CStaticText vector", CanvasToClient({9, 9}), {9, 9}},
            {kDynamicText, "CDynamicText", CanvasToClient({100, 100}), {99, 99}},
            {kVectorDynamicText, "CDynamicText vector", CanvasToClient({431, 143}), {297, 117}},
            {kIndicator, "CIndicator", {207, 60}, {0, 27}},  // left of the canvas
            {kBarGraph, "CTrendBar 2", CanvasToClient({20, 140}), {18, 36}},
            {kTrendGraph, "CTrendBar 3", CanvasToClient({80, 8}), {72, 0}},
            {kFunctionKey, "CFunctionKey", CanvasToClient({17, 17}), {9, 9}},
            // 50 x 20 dots, 112 x 45 units: held back to 320 x 99, then onto the grid.
            {kStaticBitmap, "CStaticBitmap", CanvasToClient({400, 130}), {315, 99}},
        };
        for (const auto& row : rows) {
            ToolScene scene;
            scene.files.bitmapPaths.push_back(WriteBmp("picture.bmp", 50, 20));
            RunToolCommand(scene.context, scene.view, Command(row.command), nullptr);
            scene.tools.OnMove(scene.host, row.client, false);
            const CRect preview = scene.view.GetPreview().m_rcClient;
            scene.tools.OnLeftPress(scene.host, row.client, false);
            QVERIFY(scene.host.captured);
            scene.tools.OnLeftRelease(scene.host, row.client, false);

            QCOMPARE(scene.doc.GetElements().size(), 1u);
            CGraphObj* element = scene.doc.GetElements().front().get();
            QCOMPARE(KindOf(*element), std::string(row.kind));
            QCOMPARE(ClientToCanvas(preview.TopLeft()), row.topLeft);
            // Drawn, as the canvas keeps it inside the display.
            RecordingDrawSurface surface;
            scene.doc.DrawScreen(surface, scene.view);
            QCOMPARE(CanvasRect(*element).TopLeft(), row.topLeft);
            if (row.command == kStaticBitmap)
                QCOMPARE(CanvasRect(*element).BottomRight(), ClientToCanvas(preview.BottomRight()));
            QCOMPARE(element->m_nScreenNo, 1);
            QCOMPARE(scene.view.GetSelection(), std::vector<CGraphObj*>{element});
            QVERIFY(scene.doc.IsModified());
            QCOMPARE(scene.view.GetCurrentTool(), 0);
            QVERIFY(!scene.view.GetPreview().m_bOn);
            QVERIFY(!scene.host.captured);
        }
    }

    void aPressOutsideTheHitAreaPlacesNothingAndKeepsTheTool() {
        ToolScene scene;
        ChooseTool(scene.view, Command(tool_command::kRegister));
        for (CPoint outside :
             {CPoint{300, 25}, CPoint{206, 100}, CPoint{643, 100}, CPoint{300, 170}})
            scene.tools.OnLeftPress(scene.host, outside, false);
        QVERIFY(scene.doc.GetElements().empty());
        QCOMPARE(scene.view.GetCurrentTool(), 11);
        QVERIFY(scene.view.GetPreview().m_bOn);
    }

    void everyToolCommandHasItsToolAndEveryButtonItsCommand() {
        ToolScene scene;
        for (const CToolCommand& command : tool_command::kCommands)
            QCOMPARE(scene.tools.Find(command.m_nTool) != nullptr, !command.IsAlwaysUnavailable());
        for (int id : tool_command::kToolbarOrder) QVERIFY(tool_command::Find(id));
    }

    // The import's limit refuses a picture with its message and leaves no tool chosen; one of
    // the display's size is taken. A cancelled chooser or a file gone before the click places
    // nothing.
    void aBitmapIsTakenOnlyIfItFitsAndIsStillThere() {
        ToolScene scene;
        ChooseTool(scene.view, Command(tool_command::kRegister));
        scene.files.bitmapPaths = {WriteBmp("large.bmp", 196, 8), WriteBmp("full.bmp", 192, 64)};
        ChooseStaticBitmap(scene.context, scene.view, nullptr);
        QCOMPARE(scene.messenger.ShownTexts(), QStringList{u"单色位图超出192*64范围"_qs});
        QCOMPARE(scene.view.GetCurrentTool(), 0);
        QVERIFY(!scene.view.GetPreview().m_bOn);
        ChooseStaticBitmap(scene.context, scene.view, nullptr);
        QCOMPARE(scene.view.GetCurrentTool(), 9);
        QCOMPARE(scene.view.GetPreview().m_sizeDots, (CSize{192, 64}));
        ChooseStaticBitmap(scene.context, scene.view, nullptr);  // the chooser cancels
        QVERIFY(scene.view.m_strBitmapPath.empty());
        QCOMPARE(scene.view.GetCurrentTool(), 0);
        QVERIFY(!scene.view.GetPreview().m_bOn);

        const QString path = WriteBmp("gone.bmp", 16, 16);
        scene.files.bitmapPaths.push_back(path);
        ChooseStaticBitmap(scene.context, scene.view, nullptr);
        QCOMPARE(scene.view.m_strBitmapTitle, u"gone");
        QVERIFY(QFile::remove(path));
        scene.tools.OnLeftPress(scene.host, {300, 60}, false);
        QVERIFY(scene.doc.GetElements().empty());
        QCOMPARE(scene.messenger.shown.size(), 2u);
        QCOMPARE(scene.view.GetCurrentTool(), 0);
    }
};

QTEST_GUILESS_MAIN(ToolTest)
#include "ToolTest.moc"
