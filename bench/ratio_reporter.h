#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// The console report, followed by the goals this program is held to: each
// a ratio of two benchmarks of the same run, or one benchmark's time
// against a limit. A run with --benchmark_repetitions compares medians.
class GoalReporter : public benchmark::ConsoleReporter {
 public:
  struct Ratio {
    std::string what;
    std::string numerator;
    std::string denominator;
    double at_most;
  };
  struct Limit {
    std::string what;
    std::string benchmark;
    double at_most_seconds;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      if (failed(run)) continue;
      const std::string name = run.run_name.function_name;
      if (!median && medians_.count(name) != 0) continue;
      seconds_[name] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      if (median) medians_[name] = true;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Prints every goal; returns the number missed.
  int printGoals(const std::vector<Ratio>& ratios, const std::vector<Limit>& limits) const {
    int missed = 0;
    std::printf("\nGoals, in CPU time (%s):\n", medians_.empty() ? "single runs" : "medians");
    for (const Ratio& r : ratios) {
      const auto n = seconds_.find(r.numerator);
      const auto d = seconds_.find(r.denominator);
      if (n == seconds_.end() || d == seconds_.end()) continue;
      const double ratio = n->second / d->second;
      const bool met = ratio <= r.at_most;
      missed += met ? 0 : 1;
      std::printf("  %-52s %6.2fx  (at most %.2fx)  %s\n", r.what.c_str(), ratio, r.at_most,
                  met ? "met" : "MISSED");
    }
    for (const Limit& l : limits) {
      const auto t = seconds_.find(l.benchmark);
      if (t == seconds_.end()) continue;
      const bool met = t->second <= l.at_most_seconds;
      missed += met ? 0 : 1;
      std::printf("  %-52s %9s  (at most %s)  %s\n", l.what.c_str(), human(t->second).c_str(),
                  human(l.at_most_seconds).c_str(), met ? "met" : "MISSED");
    }
    return missed;
  }

 private:
  // Google Benchmark 1.8 replaced error_occurred with skipped.
  template <typename R>
  static bool failed(const R& run) {
    if constexpr (requires { run.skipped; }) {
      return run.skipped != decltype(run.skipped){};  // NotSkipped
    } else {
      return run.error_occurred;
    }
  }

  static std::string human(double seconds) {
    char buffer[32];
    if (seconds >= 1e-3) {
      std::snprintf(buffer, sizeof buffer, "%.2f ms", seconds * 1e3);
    } else {
      std::snprintf(buffer, sizeof buffer, "%.2f us", seconds * 1e6);
    }
    return buffer;
  }

  std::map<std::string, double> seconds_;
  std::map<std::string, bool> medians_;
};
