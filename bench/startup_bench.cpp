// The start-up work the window does beyond a bare Qt window of the same
// controls: its window icon, and the design's fonts, each loaded the first
// time a caption is measured with it.
//   build/bench/bench/velmora_bench_startup --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true
// It sets QT_QPA_PLATFORM=offscreen unless told otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <thread>
#include <utility>
#include <vector>

#include "app/app_icon.h"
#include "pages/layout.h"
#include "ratio_reporter.h"

namespace {

// What the X11 platform plugin does with a window icon when the window is
// created: every size as 32-bit ARGB, all sent to the X server.
qint64 iconForWindowManager(const QIcon& icon) {
  qint64 bytes = 0;
  for (const QSize size : icon.availableSizes()) {
    const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    bytes += image.sizeInBytes();
  }
  return bytes;
}

void BM_window_icon(benchmark::State& state) {
  qint64 bytes = 0;
  for (auto _ : state) bytes = iconForWindowManager(app_icon::icon());
  state.counters["bytes_sent"] = static_cast<double>(bytes);
}
BENCHMARK(BM_window_icon)->Unit(benchmark::kMicrosecond);

// The same with every size the desktop installs, up to 256 px, as the
// window icon once had them.
void BM_window_icon_every_installed_size(benchmark::State& state) {
  QStringList files;
  for (int size : {VELMORA_ICON_SIZES}) {
    files << QStringLiteral(VELMORA_ICON_PNG_DIR "/hicolor/%1x%1/apps/" VELMORA_APP_ID ".png")
                 .arg(size);
  }
  qint64 bytes = 0;
  for (auto _ : state) {
    QIcon icon;
    for (const QString& file : files) icon.addFile(file);
    bytes = iconForWindowManager(icon);
  }
  if (bytes == 0) state.SkipWithError("the rendered icons were not found");
  state.counters["bytes_sent"] = static_cast<double>(bytes);
}
BENCHMARK(BM_window_icon_every_installed_size)->Unit(benchmark::kMicrosecond);

// The sizes and weights the forms use, each with a caption of its kind.
const std::vector<std::pair<QFont, QString>>& designFonts() {
  static const std::vector<std::pair<QFont, QString>> fonts{
      {layout::font({13.8, true}), QStringLiteral("Dynamic Stroke Length Calculator")},
      {layout::font({12, true}), QStringLiteral("Calculate")},
      {layout::font({9.6, true}), QStringLiteral("Rod Length (center to center)")},
      {layout::font({9.6, false}), QStringLiteral("Intake Closing Angle (ABDC)")},
      {layout::font({7.8, true}), QStringLiteral("Cylinders")},
      {layout::font({8.0, false}), QStringLiteral("Advertised Intake Dur in use")},
  };
  return fonts;
}

// Each round loads every font anew, as a starting program does: Qt keeps the
// fonts it has loaded in a cache of each thread, so a new thread starts with
// none. The font database and its lists of fallback families, read once per
// process, stay. Only the families differ between the two benchmarks.
void loadFonts(benchmark::State& state, bool designFamilies) {
  for (auto _ : state) {
    int width = 0;
    std::thread starting([&] {
      for (const auto& [design, caption] : designFonts()) {
        QFont font = design;
        if (!designFamilies) {
          font = QFont();
          font.setPointSizeF(design.pointSizeF());
          font.setBold(design.bold());
        }
        width += QFontMetrics(font).boundingRect(caption).width();
      }
    });
    starting.join();
    benchmark::DoNotOptimize(width);
  }
}
void BM_design_fonts(benchmark::State& state) { loadFonts(state, true); }
void BM_default_family_fonts(benchmark::State& state) { loadFonts(state, false); }
BENCHMARK(BM_design_fonts)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_default_family_fonts)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The font database is read once per process, by the floor as well.
  QFontMetrics(QFont()).height();

  GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printGoals(
      {
          {"window icon / every installed size", "BM_window_icon",
           "BM_window_icon_every_installed_size", 0.25},
          {"design fonts / the default family", "BM_design_fonts", "BM_default_family_fonts", 1.2},
      },
      {
          {"window icon, built and converted", "BM_window_icon", 0.5e-3},
      });
  benchmark::Shutdown();
  return 0;
}
