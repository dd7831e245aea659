// Text conversion against the standard library on the same data, and each
// page's formulas.
//   build/bench/bench/velmora_bench_core --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/cam_timing.h"
#include "core/compression.h"
#include "core/dynamic_stroke.h"
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
void BM_format_number_to(benchmark::State& state) {
  char buffer[core::kFormatBufferSize];
  for (auto _ : state) {
    for (double d : results()) {
      benchmark::DoNotOptimize(core::format_number_to(d, buffer));
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(results().size()));
}
void BM_to_chars_15(benchmark::State& state) {
  char buffer[core::kFormatBufferSize];
  for (auto _ : state) {
    for (double d : results()) {
      benchmark::DoNotOptimize(
          std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::general, 15).ptr);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(results().size()));
}
void BM_snprintf_15g(benchmark::State& state) {
  char buffer[core::kFormatBufferSize];
  for (auto _ : state) {
    for (double d : results()) {
      benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.15g", d));
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(results().size()));
}
BENCHMARK(BM_format_number);
BENCHMARK(BM_format_number_to);
BENCHMARK(BM_to_chars_15);
BENCHMARK(BM_snprintf_15g);

// Each page's formulas as its Calculate runs them, results through text
// where the page reads them back; no widgets.
void BM_dynamic_stroke_formulas(benchmark::State& state) {
  for (auto _ : state) {
    double in[3] = {3.48, 5.7, 60.0};
    benchmark::DoNotOptimize(in);
    const core::Checked stroke = in[0], rod = in[1], degrees = in[2];
    const core::Checked theta = core::closing_angle_radians(degrees);
    const core::Checked dst = core::dynamic_stroke_length(stroke, rod, theta);
    const double shown = core::parse_value(core::format_number(dst.value()));
    benchmark::DoNotOptimize(core::distance_from_bdc(stroke, shown));
  }
}
void BM_cam_timing_formulas(benchmark::State& state) {
  for (auto _ : state) {
    double in[4] = {270.0, 280.0, 110.0, 106.0};
    benchmark::DoNotOptimize(in);
    const core::CamCard card{in[0], in[1], in[2], in[3]};
    const core::CamIntermediates m = core::cam_intermediates(card);
    double shown[5];
    int i = 0;
    for (core::CamEvent e :
         {core::CamEvent::advance, core::CamEvent::intake_opens, core::CamEvent::intake_closes,
          core::CamEvent::exhaust_closes, core::CamEvent::exhaust_opens}) {
      shown[i++] = core::parse_value(core::format_number(core::cam_event(e, card, m).value()));
    }
    benchmark::DoNotOptimize(core::valve_overlap(shown[3], shown[1]));
  }
}
void BM_compression_formulas(benchmark::State& state) {
  for (auto _ : state) {
    double in[8] = {8.0, 4.030, 3.480, 64.0, 0.039, 4.100, 0.010, 5.0};
    benchmark::DoNotOptimize(in);
    const core::Checked n = in[0], bore = in[1], stroke = in[2], chamber = in[3], thickness = in[4],
                        gasket_bore = in[5], deck = in[6], piston = in[7];
    const core::Checked vcp = core::chamber_and_piston_volume(chamber, piston, false);
    const core::Checked vs = core::swept_volume(bore, stroke);
    const double shown = core::parse_value(core::format_number(core::displacement(vs, n).value()));
    benchmark::DoNotOptimize(core::litres(shown));
    const core::Checked vg = core::gasket_volume(gasket_bore, thickness);
    const core::Checked vd = core::deck_volume(bore, deck);
    benchmark::DoNotOptimize(core::compression_ratio(core::total_volume(vs, vcp, vg, vd),
                                                     core::clearance_volume(vcp, vg, vd)));
    benchmark::DoNotOptimize(core::quench_distance(deck, thickness));
  }
}
BENCHMARK(BM_dynamic_stroke_formulas);
BENCHMARK(BM_cam_timing_formulas);
BENCHMARK(BM_compression_formulas);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printGoals(
      {
          {"format_number / to_chars(general, 15)", "BM_format_number", "BM_to_chars_15", 1.3},
          {"format_number_to / to_chars(general, 15)", "BM_format_number_to", "BM_to_chars_15",
           1.3},
          {"parse_value / from_chars, 15-digit results", "BM_parse_value_written",
           "BM_from_chars_written", 1.5},
          {"parse_value / from_chars, typed inputs", "BM_parse_value_typed", "BM_from_chars_typed",
           1.5},
      },
      {});
  benchmark::Shutdown();
  return 0;
}
