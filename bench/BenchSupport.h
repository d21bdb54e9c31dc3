#pragma once
// What the benchmarks share: timing work on a fresh scene in each iteration, a heap kept warm
// between iterations, and the peak resident memory as a counter.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <memory>

namespace zor_bench {

// A scene destroyed between iterations hands its memory back to the system, and the next
// iteration then pays for the system zeroing fresh pages: a cost of tearing whole scenes down,
// which a session working on a warm heap does not pay, and one that came and went with the
// allocator's own thresholds. Freed memory stays in the process, and blocks up to the largest
// size the allocator allows come from its heap.
inline const bool kHeapKeptWarm = [] {
  constexpr int kLargestHeapBlock = 32 * 1024 * 1024;
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  return true;
}();

inline void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Each iteration makes a Scene(n) and runs `prepare` on it untimed, times `work` on it, then
// runs `check` (an error text or null) and destroys the scene untimed.
template <class Scene, class Prepare, class Work, class Check>
void TimeOnFreshScenes(benchmark::State& state, Prepare prepare, Work work, Check check) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto scene = std::make_unique<Scene>(n);
    prepare(*scene);
    state.ResumeTiming();
    work(*scene);
    state.PauseTiming();
    if (const char* error = check(*scene)) {
      // The loop must end here: a skipped run may not resume timing.
      state.SkipWithError(error);
      break;
    }
    scene.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(n);
}

template <class Scene, class Work>
void TimeOnFreshScenes(benchmark::State& state, Work work) {
  TimeOnFreshScenes<Scene>(
      state, [](Scene&) {}, work, [](Scene&) -> const char* { return nullptr; });
}

}  // namespace zor_bench
