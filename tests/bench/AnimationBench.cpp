// One frame of each animation over a 1280 x 1024 table covered with cards, the pauses left out:
// a dealt or moved card flying one step (the strips it leaves restored from the table picture,
// its corners taken from the new place), a festoon frame and a circle frame of the winning
// animation (the engine's step and the card drawn on the window and the table picture). The
// festoon and circle figures are per drawn card: "frame" is the CPU time of one.
#include "engine/WinningAnimation.h"
#include "model/Session.h"
#include "platform/Files.h"
#include "table/ImageResources.h"
#include "table/QtTableView.h"
#include "table/TableDrawing.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace quillon;

namespace {

std::string Folder() {
    if (const char* dir = std::getenv("QUILLON_PROGRAM_DIR"); dir && *dir)
        return WithSlash(dir);
    return ProgramFolder() + "../bin/";
}

// A clock that stands still: a winning animation of no time shows its first unit and ends.
struct StillClock : PauseClock {
    std::uint32_t Ticks() override { return 0; }
};

// The table view of the window without its waits: pauses and message pumps cost nothing here.
class UnpausedView : public QtTableView {
public:
    using QtTableView::QtTableView;
    long drawn = 0;
    void PauseBusy(int) override {}
    void PumpMessages() override {}
    void DrawLooseCard(int card, int x, int y) override {
        ++drawn;
        QtTableView::DrawLooseCard(card, x, y);
    }
    WindowArea AnimationArea() override { return {1280, 1024, 1270, 984, 40}; }
};

struct Table {
    Session s;
    ImageResources images{s};
    TableDrawing drawing{s, images};
    StillClock clock;
    bool ok = false;

    Table() {
        s.ProgramFolder = Folder();
        if (!OpenMainLibrary(s))
            return;
        s.Params.WriteParam(128, 1, "B");
        s.Params.WriteParam(24, 3, "001");
        s.Params.WriteParam(21, 3, "011");
        s.Params.WriteParam(178, 1, "N");
        images.ApplyCardSettings();
        drawing.Resize(1280, 1024, 1280, 1024);
        drawing.TableImage.fill(0xFF008000);
        drawing.SetPlainBackground(0xFF008000);
        drawing.WindowImage.fill(0xFF008000);
        for (int y = 0; y + s.Metrics.CardHeight < 1024; y += 120)
            for (int x = 0; x + s.Metrics.CardWidth < 1280; x += 90)
                drawing.DrawCard(1 + (x + y) % 52, x, y, false, DrawTarget::Both, 0, 0);
        ok = true;
    }
};

void FlyingCardFrame(benchmark::State& state) {
    Table t;
    if (!t.ok) {
        state.SkipWithError("SOL.RGF not found; build the libraries first");
        return;
    }
    Session& s = t.s;
    QtTableView view(s, t.drawing);
    s.DragHeight = s.Metrics.CardHeight;
    s.DragRect = {100, 100, 100 + s.Metrics.CardWidth, 100 + s.DragHeight};
    view.BuildDragImage(7);
    // Steps of a long fast flight (43 px on the major axis), diagonally across the table.
    int x = 100, y = 100, dx = 43, dy = 31;
    for (auto _ : state) {
        x += dx, y += dy;
        if (x < 10 || x > 1150)
            dx = -dx;
        if (y < 10 || y > 880)
            dy = -dy;
        benchmark::DoNotOptimize(view.MoveDragImage(x, y, false, true));
    }
}
BENCHMARK(FlyingCardFrame);

// Runs the winning pattern for no time (one card's fall, one circle) over and over; the CPU time
// per drawn card is reported as "frame".
void WinningFrames(benchmark::State& state, const char* pattern) {
    Table t;
    if (!t.ok) {
        state.SkipWithError("SOL.RGF not found; build the libraries first");
        return;
    }
    Session& s = t.s;
    UnpausedView view(s, t.drawing);
    view.UseClock(&t.clock);
    s.view = &view;
    s.Random.seed = 4711;
    for (auto _ : state)
        WinningAnimation(s, pattern, 0);
    s.view = nullptr;
    state.counters["frame"] =
        benchmark::Counter(double(view.drawn), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["cards"] = benchmark::Counter(double(view.drawn), benchmark::Counter::kAvgIterations);
}

void FestoonFrames(benchmark::State& state) {
    WinningFrames(state, "Festoons");
}
void CircleFrames(benchmark::State& state) {
    WinningFrames(state, "Circles");
}
BENCHMARK(FestoonFrames);
BENCHMARK(CircleFrames);

} // namespace

BENCHMARK_MAIN();
