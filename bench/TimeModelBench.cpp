// The per-tick time arithmetic and the databank scan of a browsing paint.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "display/EventDate.h"
#include "display/Lighting.h"
#include "display/SceneTable.h"
#include "display/TimeModel.h"

namespace {

void BM_DeriveMoment(benchmark::State& state) {
    orb::TimeState t;
    t.m_nowYear = 2026;
    t.m_nowMonth = 12;
    t.m_nowDay = 7;
    t.m_speed = 1.2e15;
    for (auto _ : state) {
        orb::DeriveMoment(t);
        t.m_travelSeconds += t.m_speed;
        orb::ApplyLight(t, true);
        if (t.m_travelSeconds > 7.9e17) {
            t.m_travelSeconds = 0.0;
        }
        benchmark::DoNotOptimize(t.m_brightness);
    }
}
BENCHMARK(BM_DeriveMoment);

void BM_SceneForYear(benchmark::State& state) {
    std::int64_t year = -15000000000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(orb::SceneForYear(year).scene);
        year += 987654321;
        if (year > 15000000000) {
            year = -15000000000;
        }
    }
}
BENCHMARK(BM_SceneForYear);

// Every date line of the databank parsed once, as a browsing paint does.
void BM_ParseDatabankDates(benchmark::State& state) {
    std::ifstream in(ORB_SOURCE_DIR "/data/EVENTS.DAT", std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto _ : state) {
        std::int64_t sum = 0;
        std::size_t pos = 0;
        bool dateLine = true;
        while (pos < data.size()) {
            const std::size_t end = data.find('\r', pos);
            const std::size_t stop = end == std::string::npos ? data.size() : end;
            if (dateLine) {
                sum += orb::ParseEventDate(std::string_view(data).substr(pos, stop - pos)).year;
            }
            dateLine = !dateLine;
            pos = stop + 2;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_ParseDatabankDates);

}  // namespace

BENCHMARK_MAIN();
