// Text conversion against the standard library on the same data, and each
// page's Calculate without the widgets.
//   build/bench/bench/velmora_bench_core --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/commands.h"
#include "core/numeric_text.h"
#include "ratio_reporter.h"

namespace {

// Doubles of the magnitudes the pages show (0.001 to 10000) with every
// mantissa bit in use, so each one needs all 15 digits.
const std::vector<double>& results() {
  static const std::vector<double> values = [] {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> exponent(-3.0, 4.0);
    std::vector<double> v;
    for (int i = 0; i < 1024; ++i) {
      const double sign = (i % 4 == 3) ? -1.0 : 1.0;
      v.push_back(sign * std::pow(10.0, exponent(random)));
    }
    return v;
  }();
  return values;
}

// What the pages read: results as format_number writes them, and short
// numbers as a user types them.
const std::vector<std::string>& written_texts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (double d : results()) t.push_back(core::format_number(d));
    return t;
  }();
  return texts;
}
const std::vector<std::string>& typed_texts() {
  static const std::vector<std::string> texts = [] {
    const char* typed[] = {"3.48",  "5.7", "60",    "270",   "280",   "110", "108.5",  "8",
                           "4.030", "64",  "0.039", "4.100", "0.010", "5",   "-0.005", "23"};
    std::vector<std::string> t;
    for (int i = 0; i < 64; ++i) {
      for (const char* s : typed) t.emplace_back(s);
    }
    return t;
  }();
  return texts;
}

void parse_value(benchmark::State& state, const std::vector<std::string>& texts) {
  for (auto _ : state) {
    for (const std::string& t : texts) benchmark::DoNotOptimize(core::parse_value(t));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
void from_chars(benchmark::State& state, const std::vector<std::string>& texts) {
  for (auto _ : state) {
    for (const std::string& t : texts) {
      double d;
      std::from_chars(t.data(), t.data() + t.size(), d);
      benchmark::DoNotOptimize(d);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
void BM_parse_value_written(benchmark::State& s) { parse_value(s, written_texts()); }
void BM_from_chars_written(benchmark::State& s) { from_chars(s, written_texts()); }
void BM_parse_value_typed(benchmark::State& s) { parse_value(s, typed_texts()); }
void BM_from_chars_typed(benchmark::State& s) { from_chars(s, typed_texts()); }
BENCHMARK(BM_parse_value_written);
BENCHMARK(BM_from_chars_written);
BENCHMARK(BM_parse_value_typed);
BENCHMARK(BM_from_chars_typed);

void BM_format_number(benchmark::State& state) {
  for (auto _ : state) {
    for (double d : results()) benchmark::DoNotOptimize(core::format_number(d));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(results().size()));
}
// The standard library's conversion alone, returning its text as
// format_number does: what format_number's own rules add is the difference.
void BM_to_chars_15(benchmark::State& state) {
  char buffer[32];
  for (auto _ : state) {
    for (double d : results()) {
      const auto end =
          std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::general, 15).ptr;
      benchmark::DoNotOptimize(std::string(buffer, end));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(results().size()));
}
void BM_snprintf_15g(benchmark::State& state) {
  char buffer[32];
  for (auto _ : state) {
    for (double d : results()) {
      benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.15g", d));
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(results().size()));
}
BENCHMARK(BM_format_number);
BENCHMARK(BM_to_chars_15);
BENCHMARK(BM_snprintf_15g);

// Each page's Calculate as the program runs it, without the widgets.
void BM_calculate_dynamic_stroke(benchmark::State& state) {
  const core::DynamicStrokeFields fields{u"3.48", u"5.7", u"60"};
  for (auto _ : state) benchmark::DoNotOptimize(core::calculate_dynamic_stroke(fields));
}
void BM_calculate_cam_timing(benchmark::State& state) {
  const core::CamTimingFields fields{u"270", u"280", u"110", u"106"};
  for (auto _ : state) benchmark::DoNotOptimize(core::calculate_cam_timing(fields));
}
void BM_calculate_compression(benchmark::State& state) {
  const core::CompressionFields fields{u"8",     u"4.030", u"3.480", u"64",
                                       u"0.039", u"4.100", u"0.010", u"5"};
  for (auto _ : state) benchmark::DoNotOptimize(core::calculate_compression(fields));
}
BENCHMARK(BM_calculate_dynamic_stroke);
BENCHMARK(BM_calculate_cam_timing);
BENCHMARK(BM_calculate_compression);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printGoals(
      {
          {"format_number / to_chars(general, 15)", "BM_format_number", "BM_to_chars_15", 1.3},
          {"parse_value / from_chars, 15-digit results", "BM_parse_value_written",
           "BM_from_chars_written", 1.5},
          {"parse_value / from_chars, typed inputs", "BM_parse_value_typed", "BM_from_chars_typed",
           1.5},
      },
      {});
  benchmark::Shutdown();
  return 0;
}
