// The real window, offscreen: building and showing it, and each page's
// Calculate command with its widget reads and writes.
//   build/bench/bench/velmora_bench_window --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true
// It sets QT_QPA_PLATFORM=offscreen unless told otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyleFactory>
#include <QWindow>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <utility>

#include "app/main_window.h"
#include "app/tab_control.h"
#include "pages/shell.h"
#include "ratio_reporter.h"

namespace {

class CountingShell : public Shell {
 public:
  void show_message(const QString&) override { ++count; }
  void announce(const QString&) override {}
  void end_program() override {}
  int count = 0;
};

// A shown main window whose messages are counted, as the widget tests use it.
struct ShownWindow {
  CountingShell messages;
  MainWindow window{messages};

  ShownWindow() {
    window.show();
    QApplication::processEvents();
  }
  QLineEdit* field(const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  QPushButton* button(const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
  }
};

void BM_build_and_show_window(benchmark::State& state) {
  for (auto _ : state) {
    auto w = std::make_unique<ShownWindow>();
    state.PauseTiming();
    if (!w->window.windowHandle()->isExposed()) state.SkipWithError("window not exposed");
    w.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_build_and_show_window)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One click on a page's Calculate button per iteration: the command reads
// the inputs, computes and writes every result field. The inputs stay, so
// every click computes the same results; the last one is checked.
void calculate(benchmark::State& state,
               std::initializer_list<std::pair<const char*, const char*>> inputs,
               const char* button, const char* result, const char* expected) {
  ShownWindow w;
  for (const auto& [name, text] : inputs) w.field(name)->setText(QString::fromLatin1(text));
  QPushButton* calculate = w.button(button);
  for (auto _ : state) calculate->click();
  if (w.messages.count != 0 || w.field(result)->text() != QLatin1String(expected)) {
    state.SkipWithError("Calculate did not give the expected result");
  }
}

void BM_calculate_dynamic_stroke(benchmark::State& state) {
  calculate(state, {{"txt_Stroke", "3.48"}, {"txt_rod", "5.7"}, {"txt_IVA", "60"}}, "Com_go",
            "Txt_BDC", "0.66720838244286");
}
void BM_calculate_cam_timing(benchmark::State& state) {
  calculate(state,
            {{"txt_i_dur", "270"}, {"txt_e_dur", "280"}, {"txt_LSA", "110"}, {"txt_ILC", "106"}},
            "Com_Go_2", "txt_overlap", "55");
}
void BM_calculate_compression(benchmark::State& state) {
  calculate(state,
            {{"txt_cyl", "8"},
             {"txt_bore", "4.030"},
             {"txt_stroke3", "3.480"},
             {"txt_CCvol", "64"},
             {"txt_gast", "0.039"},
             {"txt_gasb", "4.100"},
             {"txt_deck", "0.010"},
             {"txt_pvol", "5"}},
            "com_go3", "txt_CR1", "10.1466188306203");
}
BENCHMARK(BM_calculate_dynamic_stroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_calculate_cam_timing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_calculate_compression)->Unit(benchmark::kMicrosecond);

// A million characters pasted over a field's text, then Calculate: the paste
// is kept whole (fields have no length limit), and nearly all of the time is
// Qt laying out the pasted line. Digits read as a number beyond the double
// range, so Calculate stops with its overflow message; the mixed text holds
// digits, points, signs, exponent markers, blanks, "&H", control characters
// and non-ASCII symbols in a fixed random order.
QString millionDigits() { return QString(1'000'000, QLatin1Char('7')); }
QString millionMixed() {
  const QString alphabet = QStringLiteral("0123456789..--++EeDd  \t\n&HhOoxyz,;\r\u0001°µ€🚗");
  QRandomGenerator random(1234);
  QString mixed;
  while (mixed.size() < 1'000'000) mixed += alphabet[random.bounded(alphabet.size())];
  return mixed;
}

void pasteAndCalculate(benchmark::State& state, const QString& pasted) {
  ShownWindow w;
  w.field("txt_rod")->setText(QStringLiteral("5.7"));
  w.field("txt_IVA")->setText(QStringLiteral("60"));
  QLineEdit* stroke = w.field("txt_Stroke");
  QPushButton* calculate = w.button("Com_go");
  QGuiApplication::clipboard()->setText(pasted);
  for (auto _ : state) {
    state.PauseTiming();
    stroke->setText(QStringLiteral("3.48"));
    stroke->setFocus();
    stroke->selectAll();
    state.ResumeTiming();
    stroke->paste();
    calculate->click();
  }
  if (stroke->text().size() != pasted.size()) state.SkipWithError("the paste was not kept whole");
}
void BM_paste_million_digits_and_calculate(benchmark::State& state) {
  pasteAndCalculate(state, millionDigits());
}
void BM_paste_million_mixed_and_calculate(benchmark::State& state) {
  pasteAndCalculate(state, millionMixed());
}
BENCHMARK(BM_paste_million_digits_and_calculate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paste_million_mixed_and_calculate)->Unit(benchmark::kMillisecond);

// The offscreen platform says so on every window shown.
QtMessageHandler qtMessageHandler = nullptr;
void dropSizeHintNotice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("does not support propagateSizeHints"))) return;
  if (qtMessageHandler != nullptr) qtMessageHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtMessageHandler = qInstallMessageHandler(dropSizeHintNotice);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  // The first window of the process also loads the fonts, as at start-up.
  QElapsedTimer firstWindow;
  firstWindow.start();
  std::make_unique<ShownWindow>().reset();
  const qint64 firstWindowNs = firstWindow.nsecsElapsed();

  GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nFirst window of the process, fonts loaded on the way: %.2f ms (wall clock)\n",
              static_cast<double>(firstWindowNs) / 1e6);
  reporter.printGoals(
      {},
      {
          {"build and show the main window", "BM_build_and_show_window", 50e-3},
          {"Calculate, dynamic stroke page", "BM_calculate_dynamic_stroke", 50e-6},
          {"Calculate, cam timing page", "BM_calculate_cam_timing", 50e-6},
          {"Calculate, compression ratio page", "BM_calculate_compression", 50e-6},
          {"paste 1,000,000 digits, then Calculate", "BM_paste_million_digits_and_calculate", 1.0},
          {"paste 1,000,000 mixed characters, then Calculate",
           "BM_paste_million_mixed_and_calculate", 1.0},
      });
  benchmark::Shutdown();
  return 0;
}
