// The editor's start-up (main window made, shown and idle), the repaint of a full screen of
// 50 elements of every placeable kind at 8 pixels per dot, as previews and as the panel's dots,
// and the undo of deleting a full screen, on the offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "app/MainFrame.h"
#include "bench/FullScreenProject.h"
#include "editor/EditorContext.h"
#include "editor/FileDialogChooser.h"
#include "editor/MessageBoxMessenger.h"
#include "editor/TaveloView.h"
#include "editor/canvas/CanvasArea.h"
#include "editor/canvas/CanvasWidget.h"
#include "editor/undo/UndoHistory.h"
#include "elements/DynamicText.h"
#include "elements/ElementClasses.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/Register.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/TaveloDoc.h"
#include "plc/ProgramDirectory.h"

namespace tavelo {
namespace {

struct Editor {
    Editor() {
        RegisterModelClasses(registry);
        RegisterElementClasses(registry);
    }
    CTaveloDoc doc;
    CAppState state;
    CClassRegistry registry;
    CMessageBoxMessenger messenger;
    CFileDialogChooser files;
    CEditorContext context{doc, state, registry, messenger, files, GetProgramDirectory()};
};

std::unique_ptr<CGraphObj> MakeElement(int index) {
    // Five rows of ten, 43 canvas units apart, so every element is on the display.
    const CRect rect{(index % 10) * 43, (index / 10) * 28, (index % 10) * 43 + 36,
                     (index / 10) * 28 + 27};
    switch (index % 6) {
        case 0:
            return std::make_unique<CStaticText>(rect);
        case 1:
            return std::make_unique<CRegister>(rect);
        case 2:
            return std::make_unique<CIndicator>(rect);
        case 3:
            return std::make_unique<CFunctionKey>(rect);
        case 4:
            return std::make_unique<CDynamicText>(rect);
        default:
            return std::make_unique<CTrendBar>(CTrendBar::kBarGraph, rect);
    }
}

void BM_StartUpShownAndIdle(benchmark::State& state) {
    for (auto _ : state) {
        Editor editor;
        CMainFrame frame(editor.context);
        frame.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(frame.isVisible());
    }
}
BENCHMARK(BM_StartUpShownAndIdle)->Unit(benchmark::kMillisecond);

// A full screen of 50 elements on the canvas at 8 pixels per dot.
class FullScreenAtZoom8 {
public:
    explicit FullScreenAtZoom8(bool dotTrue) {
        MakeNewProject(m_editor.doc);
        for (int i = 0; i < 50; ++i) {
            auto element = MakeElement(i);
            element->m_nScreenNo = 1;
            m_editor.doc.AddElement(std::move(element));
        }
        m_view.StartProject();
        m_view.GetCanvasArea().SetZoom(8);
        Canvas().SetDotTrue(dotTrue);
        m_target = QImage(Canvas().size(), QImage::Format_RGB32);
        Repaint();
    }
    CCanvasWidget& Canvas() { return m_view.GetCanvas(); }
    void Repaint() {
        Canvas().render(&m_target);
        benchmark::DoNotOptimize(m_target.constBits());
    }

private:
    Editor m_editor;
    CTaveloView m_view{m_editor.context};
    QImage m_target;
};

// A repaint that follows no change, as when a band is drawn over the screen: the canvas keeps
// what it drew.
void BM_RepaintFullScreenAtZoom8AsPreviews(benchmark::State& state) {
    FullScreenAtZoom8 screen(false);
    for (auto _ : state) screen.Repaint();
}
BENCHMARK(BM_RepaintFullScreenAtZoom8AsPreviews)->Unit(benchmark::kMillisecond);

void BM_RepaintFullScreenAtZoom8AsDots(benchmark::State& state) {
    FullScreenAtZoom8 screen(true);
    for (auto _ : state) screen.Repaint();
}
BENCHMARK(BM_RepaintFullScreenAtZoom8AsDots)->Unit(benchmark::kMillisecond);

// A repaint after a change: every element drawn again; the dots compiled again too.
void BM_RedrawAfterAChangeAtZoom8AsPreviews(benchmark::State& state) {
    FullScreenAtZoom8 screen(false);
    for (auto _ : state) {
        screen.Canvas().ProjectChanged();
        screen.Repaint();
    }
}
BENCHMARK(BM_RedrawAfterAChangeAtZoom8AsPreviews)->Unit(benchmark::kMillisecond);

void BM_RedrawAfterAChangeAtZoom8AsDots(benchmark::State& state) {
    FullScreenAtZoom8 screen(true);
    for (auto _ : state) {
        screen.Canvas().ProjectChanged();
        screen.Repaint();
    }
}
BENCHMARK(BM_RedrawAfterAChangeAtZoom8AsDots)->Unit(benchmark::kMillisecond);

// The full screen, copied onto further screens as the argument says, all 50 elements of the
// first screen deleted; each iteration times the undo, then redoes the delete untimed.
void BM_UndoDeleteOf50Elements(benchmark::State& state) {
    Editor editor;
    FillFullScreen(editor.doc);
    for (std::int32_t screen = 2; screen <= state.range(0); ++screen)
        editor.doc.CopyScreen(1, screen);
    CTaveloView view(editor.context);
    view.StartProject();
    view.GetViewState().SelectAll();
    view.DeleteSelection();
    CUndoHistory& history = view.GetHistory();
    for (auto _ : state) {
        history.Undo();
        state.PauseTiming();
        history.Redo();
        state.ResumeTiming();
    }
    state.counters["elements"] = static_cast<double>(editor.doc.GetElements().size() + 50);
}
BENCHMARK(BM_UndoDeleteOf50Elements)->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond);

// What every edit costs on top of itself: the project recorded before and after, and the step
// pushed. The full screen is copied onto further screens as the argument says.
void BM_RecordStep(benchmark::State& state) {
    Editor editor;
    FillFullScreen(editor.doc);
    for (std::int32_t screen = 2; screen <= state.range(0); ++screen)
        editor.doc.CopyScreen(1, screen);
    CTaveloView view(editor.context);
    view.StartProject();
    CUndoHistory& history = view.GetHistory();
    CGraphObj& element = *editor.doc.GetElements().front();
    std::int32_t step = 9;
    for (auto _ : state) {
        history.Begin(EEditStep::kMove);
        element.MoveBy(step, 0);
        history.End();
        step = -step;
    }
}
BENCHMARK(BM_RecordStep)->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavelo

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
