// The canvas through the view: each element kind shows its preview inside its own rectangle
// and nowhere else, selected elements carry their marks, and the display's colours and grid.

#include <QImage>
#include <QTest>
#include <functional>

#include "compiler/CompilerMessages.h"
#include "compiler/ImageCompiler.h"
#include "editor/CanvasGeometry.h"
#include "editor/TaveloView.h"
#include "editor/canvas/CanvasArea.h"
#include "editor/canvas/CanvasPainter.h"
#include "editor/canvas/CanvasWidget.h"
#include "elements/BitmapImport.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "emulator/LcdPng.h"
#include "emulator/ScreenRenderer.h"
#include "model/NewProject.h"
#include "model/Screen.h"
#include "support/BmpFiles.h"
#include "support/qt/EditorFixture.h"

using namespace tavelo;
using namespace tavelo::test;

namespace {

using Maker = std::function<std::unique_ptr<CGraphObj>(const CRect&)>;

template <class Element, class... Args>
Maker Make(Args... args) {
    return [args...](const CRect& rect) -> std::unique_ptr<CGraphObj> {
        return std::make_unique<Element>(args..., rect);
    };
}

std::unique_ptr<CGraphObj> VectorText(const CRect& rect) {
    auto text = std::make_unique<CStaticText>(rect);
    text->SetVector(true);
    return text;
}

std::unique_ptr<CGraphObj> DynamicText(const CRect& rect) {
    auto text = std::make_unique<CDynamicText>(rect);
    text->GetTextList() = {u"运行", u"停止"};
    return text;
}

std::unique_ptr<CGraphObj> Bitmap(const CRect& rect) {
    BmpLayout layout;
    layout.width = 32;
    layout.height = 16;
    layout.pixel = [](std::int32_t x, std::int32_t) { return x < 16 ? 0u : 1u; };
    auto bitmap = std::make_unique<CStaticBitmap>(
        *CBitmapImport::FromBytes(MakeBmp(layout)).m_bitmap, u"half.bmp");
    bitmap->MoveKeepingSize(CRectObj::ECorner::TopLeft, rect.left, rect.top);
    return bitmap;
}

// The canvas's pixel at the middle of a canvas unit.
QRgb PixelAt(const QImage& image, const CCanvasZoom& zoom, CPoint canvas) {
    const CPoint widget = zoom.ClientToWidget(CanvasToClient(canvas));
    return image.pixel(widget.x, widget.y);
}

// Dark pixels of the canvas's image inside and outside a canvas rectangle. Graph scales and
// text drawn in the box's height may reach a few units beyond the rectangle, as far as the
// selection marks do.
std::pair<int, int> DarkPixels(const CCanvasWidget& canvasWidget, const CRect& canvas) {
    const QImage image = const_cast<CCanvasWidget&>(canvasWidget).grab().toImage();
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < kCanvasSize.cy; ++y)
        for (int x = 0; x < kCanvasSize.cx; ++x) {
            if (qGray(PixelAt(image, canvasWidget.GetZoom(), {x, y})) >= 96) continue;
            constexpr int kReach = 6;
            const bool in = x >= canvas.left - kReach && x < canvas.right + kReach &&
                            y >= canvas.top - kReach && y < canvas.bottom + kReach;
            ++(in ? inside : outside);
        }
    return {inside, outside};
}

struct ZeroValues : IPolledValues {
    std::int64_t Read(const CPollAddress&) const override { return 0; }
};

QRgb Rgb(const std::uint8_t (&colour)[3]) {
    return qRgb(colour[0], colour[1], colour[2]);
}

}  // namespace

Q_DECLARE_METATYPE(Maker)

class CanvasTest : public QObject {
    Q_OBJECT

    EditorFixture fixture;
    std::unique_ptr<CTaveloView> view;

    CGraphObj& Place(const Maker& make, const CRect& rect) {
        auto element = make(rect);
        element->m_nScreenNo = 1;
        return fixture.doc.AddElement(std::move(element));
    }

private slots:
    void init() {
        MakeNewProject(fixture.doc);
        view = std::make_unique<CTaveloView>(fixture.context);
        view->StartProject();
        view->ToggleGrid();
        // Four pixels per canvas unit.
        view->GetCanvasArea().SetZoom(9);
    }
    void cleanup() {
        view.reset();
        fixture.doc.DeleteAll();
    }

    void eachKindDrawsInsideItsRectangleOnly_data() {
        QTest::addColumn<Maker>("make");
        QTest::newRow("text") << Make<CStaticText>();
        QTest::newRow("vector text") << Maker(VectorText);
        QTest::newRow("dynamic text") << Maker(DynamicText);
        QTest::newRow("register") << Make<CRegister>();
        QTest::newRow("indicator") << Make<CIndicator>();
        QTest::newRow("function key") << Make<CFunctionKey>();
        QTest::newRow("bar graph") << Make<CTrendBar>(CTrendBar::kBarGraph);
        QTest::newRow("trend graph") << Make<CTrendBar>(CTrendBar::kTrendGraph);
        QTest::newRow("static bitmap") << Maker(Bitmap);
        QTest::newRow("dynamic bitmap") << Make<CDynamicBitmap>();
    }
    void eachKindDrawsInsideItsRectangleOnly() {
        QFETCH(Maker, make);
        CGraphObj& element = Place(make, {90, 36, 306, 144});
        view->GetCanvas().grab();  // the first drawing sizes texts and registers
        // The static bitmap answers its picture's pixel rectangle as position.
        const auto* bitmap = dynamic_cast<const CStaticBitmap*>(&element);
        const auto [inside, outside] =
            DarkPixels(view->GetCanvas(), bitmap ? bitmap->GetCanvasRect() : element.GetPosition());
        QVERIFY2(inside > 0, "nothing drawn inside the element");
        QCOMPARE(outside, 0);
    }

    void aSelectedElementShowsItsMarksAndOtherScreensNothing() {
        CGraphObj& lamp = Place(Make<CIndicator>(), {90, 36, 126, 72});
        const int before = DarkPixels(view->GetCanvas(), lamp.GetPosition()).first;
        view->GetViewState().Select(&lamp, false);
        const auto [after, outside] = DarkPixels(view->GetCanvas(), lamp.GetPosition());
        QVERIFY(after > before);
        QCOMPARE(outside, 0);
        lamp.m_nScreenNo = 2;  // the current screen's elements only
        view->Redraw();
        QCOMPARE(DarkPixels(view->GetCanvas(), {0, 0, 0, 0}).second, 0);
    }

    // Every dot of the canvas is the renderer's dot of the compiled screen, a square of pixels.
    void theDotTrueViewShowsTheRenderersDots() {
        Place(Make<CStaticText>(), {18, 9, 18, 9});
        Place(Make<CFunctionKey>(), {180, 72, 216, 108});
        CCanvasWidget& canvas = view->GetCanvas();
        view->GetCanvasArea().SetZoom(3);
        canvas.SetDotTrue(true);
        const QImage image = canvas.grab().toImage();
        QCOMPARE(canvas.GetDotTrueError(), QString());

        CCompileOutcome outcome =
            CompileDownloadImage(fixture.doc, fixture.state, fixture.context.m_programDir);
        QVERIFY(outcome.Succeeded());
        const CPanelImage panel = CPanelImage::Load(std::move(outcome.m_image->m_bytes));
        CLcdFrame expected;
        QVERIFY(CScreenRenderer(panel).Render(1, ZeroValues(), expected));
        int lit = 0;
        for (int y = 0; y < CLcdFrame::kHeight; ++y)
            for (int x = 0; x < CLcdFrame::kWidth; ++x) {
                const bool on = expected.Get(x, y);
                lit += on;
                const QRgb colour = on ? Rgb(CLcdPng::kDot) : Rgb(CLcdPng::kBackground);
                for (const int corner : {0, 2})
                    QCOMPARE(image.pixel(CCanvasZoom::kMargin + 3 * x + corner,
                                         CCanvasZoom::kMargin + 3 * y + corner),
                             colour);
            }
        QVERIFY(lit > 0);
    }

    // A project that does not compile shows the previews and says why.
    void aFailedCompilationFallsBackToThePreviews() {
        auto second = std::make_unique<CScreen>();
        second->SetNumber(2);
        fixture.doc.AddScreen(std::move(second));
        fixture.doc.DeleteScreen(fixture.doc.FindScreen(1));
        view->ChooseScreen(2);
        CCanvasWidget& canvas = view->GetCanvas();
        canvas.SetDotTrue(true);
        const QImage image = canvas.grab().toImage();
        QCOMPARE(canvas.GetDotTrueError(),
                 QString::fromUtf16(compiler_messages::kInitialScreenMissing));
        QCOMPARE(PixelAt(image, canvas.GetZoom(), {1, 1}), CCanvasPainter::kProjectBackground);
    }

    void theGridShowsGreyPointsEveryEightDots() {
        view->ToggleGrid();
        const QImage image = view->GetCanvas().grab().toImage();
        const CCanvasZoom& zoom = view->GetCanvas().GetZoom();
        QCOMPARE(PixelAt(image, zoom, {kGridPitch * 3, kGridPitch * 2}),
                 CCanvasPainter::kGridColour);
        QCOMPARE(PixelAt(image, zoom, {kGridPitch * 3 + 9, kGridPitch * 2 + 9}),
                 CCanvasPainter::kProjectBackground);
    }
};

QTEST_MAIN(CanvasTest)
#include "CanvasTest.moc"
