// What the screens cost. The travel screen 20 times a second: a paint (both
// scene files read, the colour table, the picture copied, clock and date
// row), a warp paint with its zoom, a tick; and the floor under a paint,
// reading the two files and copying the picture once, to compare the paint
// with. The browsing screen once a click: a paint over the real databank.
//   screen_paint_bench SCENE_DIR DATABANK
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "display/COrbView.h"
#include "display/DatabankCheck.h"
#include "display/SceneRendering.h"
#include "display/TravelTick.h"
#include "display/ViewHost.h"
#include "display/ViewState.h"
#include "platform/Dc.h"
#include "platform/File.h"
#include "platform/FixedClock.h"
#include "platform/Framebuffer.h"
#include "platform/qt/QtBitmapSource.h"
#include "platform/qt/QtFontSource.h"

namespace fs = std::filesystem;

namespace {

fs::path g_sceneDir;
fs::path g_databank;

// A window that does nothing: no sound, no timers, paints on demand.
class QuietHost final : public orb::ViewHost {
  public:
    QuietHost() : m_frame(platform::Rgb(212, 208, 200)), m_screen(m_frame) {}
    platform::Dc& ScreenDc() override { return m_screen; }
    void Invalidate() override {}
    void SetTimer(int, int) override {}
    void KillTimer(int) override {}
    bool PlaySound(const char*, unsigned) override { return true; }
    void RunAutopilot(orb::AutopilotFields&) override {}
    void Warn(const std::string& message) override {
        std::fprintf(stderr, "%s\n", message.c_str());
    }

  private:
    platform::Framebuffer m_frame;
    platform::Dc m_screen;
};

// An installation in a scratch directory holding the real scene files.
class Installation {
  public:
    Installation() {
        std::string pattern = (fs::temp_directory_path() / "orbbench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch directory");
        }
        m_dir = pattern;
        fs::create_directories(m_dir / "data");
        for (const char* name : {"08.map", "08.pal", "99.map", "99.pal"}) {
            fs::copy_file(g_sceneDir / name, m_dir / "data" / name);
        }
        fs::copy_file(g_databank, m_dir / "data" / "EVENTS.DAT");
        std::memset(m_field, '?', sizeof m_field - 1);
        m_field[sizeof m_field - 1] = '\0';
        const std::string dir = m_dir.string();
        std::memcpy(m_field, dir.data(), dir.size());
    }
    ~Installation() {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;
    const fs::path& Dir() const { return m_dir; }
    volatile char* Field() { return m_field; }

  private:
    fs::path m_dir;
    char m_field[111]{};
};

// A view standing on the travel screen at noon, its frame already drawn.
struct TravelView {
    explicit TravelView(int scene) {
        view = std::make_unique<orb::COrbView>(*state, host, sources, install.Field());
        frame = std::make_unique<platform::Framebuffer>(platform::Rgb(212, 208, 200));
        stockFont = fonts.CreateFont("Arial", -16);
        Paint();
        orb::TimeState& t = state->time;
        t.m_year = 2026;
        t.m_month = 12;
        t.m_day = 8;
        t.m_hour = 21;
        t.m_minute = 5;
        t.m_brightness = 200;
        t.m_scene = scene;
        t.m_warpZoom = 0.75;
    }
    void Paint() {
        platform::Dc dc(*frame, stockFont.get());
        view->OnDraw(dc);
    }

    Installation install;
    std::unique_ptr<orb::ViewState> state = std::make_unique<orb::ViewState>();
    QuietHost host;
    platform::FixedClock clock{platform::LocalTime{2026, 12, 8, 21, 5, 0}};
    // The toolkit's own fonts and bitmaps: what the program pays for.
    platform::QtFontSource fonts;
    platform::QtBitmapSource bitmaps;
    orb::ViewSources sources{clock, fonts, bitmaps};
    std::unique_ptr<orb::COrbView> view;
    std::unique_ptr<platform::Framebuffer> frame;
    std::unique_ptr<platform::Font> stockFont;
};

// A travel-screen paint of `scene`, standing: the same picture in the same
// light, paint after paint.
void BM_Paint(benchmark::State& state, int scene) {
    TravelView travel(scene);
    for (auto _ : state) {
        travel.Paint();
        benchmark::DoNotOptimize(travel.frame->Data()[400 * 800 + 400]);
    }
}

// A paint in a warp: the tunnel's zoom moves on at every tick, so every
// paint zooms and shows a new picture.
void BM_WarpPaint(benchmark::State& state) {
    TravelView travel(orb::kWarpScene);
    double step = 0.0;
    for (auto _ : state) {
        step = std::fmod(step + 0.0173, 1.0);
        travel.state->time.m_warpZoom = 1.0 - 0.5 * step;
        travel.Paint();
        benchmark::DoNotOptimize(travel.frame->Data()[400 * 800 + 400]);
    }
}
BENCHMARK(BM_WarpPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Paint, TravelPaint, 8)->Unit(benchmark::kMicrosecond);

// A browsing paint after a click that stepped: the label, the future
// marks and the events list, the whole databank scanned.
void BM_BrowsingPaint(benchmark::State& state) {
    TravelView travel(8);
    orb::TimeState& t = travel.state->time;
    t.m_browseMode = orb::kBrowsingMode;
    t.m_year = 1969;
    t.m_yearStep = 10;
    travel.state->m_eventsScroll = 20;
    travel.Paint();  // panels filled once, as the first browsing paint does
    for (auto _ : state) {
        travel.state->m_drawnYearStep = t.m_yearStep;
        travel.Paint();
        benchmark::DoNotOptimize(travel.state->m_eventLines);
    }
}
BENCHMARK(BM_BrowsingPaint)->Unit(benchmark::kMicrosecond);

// The same paint over a databank of one's own of the largest size, 1 MiB:
// the real databank's records again and again, in LF lines. The 1960s fill
// a page early in the file; a year with no event has the whole file scanned.
void BM_BrowsingPaintLargestOwnDatabank(benchmark::State& state, std::int64_t year,
                                        std::int64_t step) {
    TravelView travel(8);
    std::string records;
    for (char c :
         std::string(travel.state->m_eventsData.begin(), travel.state->m_eventsData.end())) {
        if (c == '\0') {
            break;
        }
        if (c != '\r') {
            records += c;
        }
    }
    records = records.substr(0, records.find("\n\n") + 1);  // no padding
    std::string bank;
    while (bank.size() + records.size() <= orb::kLargestDatabank) {
        bank += records;
    }
    travel.state->m_eventsData.assign(bank.begin(), bank.end());
    orb::TimeState& t = travel.state->time;
    t.m_browseMode = orb::kBrowsingMode;
    t.m_year = year;
    t.m_yearStep = step;
    travel.state->m_eventsScroll = 20;
    travel.Paint();
    for (auto _ : state) {
        travel.state->m_drawnYearStep = t.m_yearStep;
        travel.Paint();
        benchmark::DoNotOptimize(travel.state->m_eventLines);
    }
    state.counters["databank_bytes"] = static_cast<double>(bank.size());
}
BENCHMARK_CAPTURE(BM_BrowsingPaintLargestOwnDatabank, Sixties, 1969, 10)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BrowsingPaintLargestOwnDatabank, NoEvents, 1111, 1)
    ->Unit(benchmark::kMicrosecond);

void BM_Tick(benchmark::State& state) {
    TravelView travel(8);
    travel.state->time.m_speed = 1.0e9;  // a warp: the longest tick
    for (auto _ : state) {
        orb::TravelTick(*travel.state, travel.host);
        benchmark::DoNotOptimize(travel.state->time.m_warpZoom);
    }
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);

// Reads all of `path` into `out` with plain system calls.
void ReadWithSystemCalls(const std::string& path, std::uint8_t* out, std::size_t size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, out + done, size - done);
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (done != size) {
        throw std::runtime_error("cannot read " + path);
    }
}

// What the hardware needs for a paint: open, read and close both scene files
// (from the page cache) with plain system calls, and one copy of the picture.
void BM_PaintFloor(benchmark::State& state) {
    Installation install;
    const std::string base = (install.Dir() / "data" / "08").string();
    auto picture = std::make_unique<std::array<std::uint8_t, orb::kScenePixelsSize>>();
    auto shown = std::make_unique<std::array<std::uint8_t, orb::kScenePixelsSize>>();
    std::array<std::uint8_t, orb::kScenePaletteSize> palette{};
    for (auto _ : state) {
        ReadWithSystemCalls(base + ".map", picture->data(), picture->size());
        ReadWithSystemCalls(base + ".pal", palette.data(), palette.size());
        std::memcpy(shown->data(), picture->data(), picture->size());
        benchmark::DoNotOptimize(shown->data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintFloor)->Unit(benchmark::kMicrosecond);

// The same through the program's file layer, Windows-style paths and all.
void BM_PaintFloorThroughFileLayer(benchmark::State& state) {
    Installation install;
    const std::string base = install.Dir().string() + "\\DATA\\08";
    auto picture = std::make_unique<std::array<std::uint8_t, orb::kScenePixelsSize>>();
    auto shown = std::make_unique<std::array<std::uint8_t, orb::kScenePixelsSize>>();
    std::array<std::uint8_t, orb::kScenePaletteSize> palette{};
    for (auto _ : state) {
        platform::File map;
        map.Open(base + ".map", platform::File::modeRead | platform::File::shareDenyWrite);
        map.Read(picture->data(), picture->size());
        platform::File pal;
        pal.Open(base + ".pal", platform::File::modeRead | platform::File::shareDenyWrite);
        pal.Read(palette.data(), palette.size());
        std::memcpy(shown->data(), picture->data(), picture->size());
        benchmark::DoNotOptimize(shown->data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintFloorThroughFileLayer)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts and bitmaps are the toolkit's
    benchmark::Initialize(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screen_paint_bench [benchmark options] SCENE_DIR DATABANK\n");
        return 2;
    }
    g_sceneDir = argv[1];
    g_databank = argv[2];
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
