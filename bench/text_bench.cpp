// Each toolkit operation beside a baseline doing the same byte search with
// memmem or std::string_view::find; scripts/run-benchmarks prints the ratios.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <string_view>

#include "synthetic_page.h"
#include "text/text_toolkit.h"

namespace {

using namespace tunelark;

const std::string& Page() {
  static const std::string page = bench::SyntheticPage(4 << 20);
  return page;
}

constexpr std::string_view kMarker = "var righturl=\"";
constexpr std::string_view kEnd = "\";</script>";

void BM_FindText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FindText(Page(), kMarker));
  state.SetBytesProcessed(state.iterations() * Page().size());
}

void BM_FindText_Baseline_memmem(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        memmem(Page().data(), Page().size(), kMarker.data(), kMarker.size()));
  }
  state.SetBytesProcessed(state.iterations() * Page().size());
}

void BM_ExtractBetween(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ExtractBetween(Page(), kMarker, kEnd));
  state.SetBytesProcessed(state.iterations() * Page().size());
}

void BM_ExtractBetween_Baseline_find(benchmark::State& state) {
  for (auto _ : state) {
    const std::string_view page = Page();
    const std::size_t a = page.find(kMarker);
    std::string cut;
    if (a != std::string_view::npos) {
      const std::size_t b = page.find(kEnd, a + kMarker.size());
      if (b != std::string_view::npos) cut = page.substr(a + kMarker.size(), b - a - kMarker.size());
    }
    benchmark::DoNotOptimize(cut);
  }
  state.SetBytesProcessed(state.iterations() * Page().size());
}

// Replacing and splitting on a delimiter that occurs all over the page.
constexpr std::string_view kCommon = "</a>";

void BM_ReplaceText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceText(Page(), kCommon, "</b>"));
  state.SetBytesProcessed(state.iterations() * Page().size());
}

void BM_ReplaceText_Baseline_memmem(benchmark::State& state) {
  for (auto _ : state) {
    const std::string& page = Page();
    std::string out;
    std::size_t at = 0;
    while (true) {
      const void* hit = memmem(page.data() + at, page.size() - at, kCommon.data(), kCommon.size());
      if (hit == nullptr) break;
      const std::size_t found = static_cast<const char*>(hit) - page.data();
      out.append(page, at, found - at).append("</b>");
      at = found + kCommon.size();
    }
    out.append(page, at);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(state.iterations() * Page().size());
}

void BM_SplitText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SplitText(Page(), kCommon));
  state.SetBytesProcessed(state.iterations() * Page().size());
}

void BM_SplitText_Baseline_memmem(benchmark::State& state) {
  for (auto _ : state) {
    const std::string& page = Page();
    std::vector<std::string> pieces;
    std::size_t at = 0;
    while (true) {
      const void* hit = memmem(page.data() + at, page.size() - at, kCommon.data(), kCommon.size());
      if (hit == nullptr) break;
      const std::size_t found = static_cast<const char*>(hit) - page.data();
      pieces.emplace_back(page, at, found - at);
      at = found + kCommon.size();
    }
    if (at < page.size()) pieces.emplace_back(page, at);
    benchmark::DoNotOptimize(pieces);
  }
  state.SetBytesProcessed(state.iterations() * Page().size());
}

// The worst case of a byte search: "aaaa...ab" sought in "aaaa...a", over
// growing sizes, so that the time per byte shows whether it stays linear.
void BM_FindText_WorstCase(benchmark::State& state) {
  const std::string text(state.range(0), 'a');
  const std::string sought = std::string(state.range(0) / 2, 'a') + "b";
  for (auto _ : state) benchmark::DoNotOptimize(FindText(text, sought));
  state.SetBytesProcessed(state.iterations() * text.size());
  state.SetComplexityN(state.range(0));
}

void BM_FindText_WorstCase_Baseline_memmem(benchmark::State& state) {
  const std::string text(state.range(0), 'a');
  const std::string sought = std::string(state.range(0) / 2, 'a') + "b";
  for (auto _ : state) {
    benchmark::DoNotOptimize(memmem(text.data(), text.size(), sought.data(), sought.size()));
  }
  state.SetBytesProcessed(state.iterations() * text.size());
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_FindText);
BENCHMARK(BM_FindText_Baseline_memmem);
BENCHMARK(BM_ExtractBetween);
BENCHMARK(BM_ExtractBetween_Baseline_find);
BENCHMARK(BM_ReplaceText);
BENCHMARK(BM_ReplaceText_Baseline_memmem);
BENCHMARK(BM_SplitText);
BENCHMARK(BM_SplitText_Baseline_memmem);
BENCHMARK(BM_FindText_WorstCase)->RangeMultiplier(4)->Range(1 << 16, 1 << 22)->Complexity();
BENCHMARK(BM_FindText_WorstCase_Baseline_memmem)->RangeMultiplier(4)->Range(1 << 16, 1 << 22)->Complexity();

}  // namespace

BENCHMARK_MAIN();
