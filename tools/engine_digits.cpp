// Every page's results for a fixed set of random engines, one line per
// engine, each result as format_number writes it. The same program built for
// two machines must write the same bytes: scripts/test-arm64 compares the
// x86-64 and the aarch64 build.
//   velmora-engine-digits [COUNT]    COUNT engines, 10000 when not given
//
// The engines are drawn from a fixed seed with a generator of our own
// (splitmix64), not <random>'s distributions, whose output the standard
// leaves to each library. Every input is a decimal text built from whole
// numbers, as a user types it ("3.480", "106.5"), so it reaches the
// formulas through the program's own parse, as on the pages.
//
// Each page's Calculate runs as the page runs it: the closing angle is
// range-checked and read strictly, the dynamic stroke length is read back
// from its text for the distance from BDC, the overlap is summed from the two
// events as shown, the litres come from the cubic inches as shown, and a
// failing step ends that page's line with "!" and the fault. The cam page's
// intake closing text goes on to the dynamic stroke page, as it does in the
// program, and the compression page runs once with the crank stroke and once
// with the dynamic stroke length as shown.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/cam_timing.h"
#include "core/compression.h"
#include "core/dynamic_stroke.h"
#include "core/numeric_text.h"

namespace {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  // splitmix64: the same 64 bits on every machine.
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

  // A whole number from lo to hi inclusive. The modulo's slight bias does
  // not matter here, only that it is the same everywhere.
  std::int64_t between(std::int64_t lo, std::int64_t hi) {
    const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<std::int64_t>(next() % span);
  }

  // A number typed with `decimals` places, from lo to hi given in units of
  // the last place: typed(2000, 4750, 3) -> "3.480".
  std::string typed(std::int64_t lo, std::int64_t hi, int decimals) {
    return text_of(between(lo, hi), decimals);
  }

  static std::string text_of(std::int64_t units, int decimals) {
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (decimals > 0) {
      const auto places = static_cast<std::size_t>(decimals);
      if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
      digits.insert(digits.size() - places, 1, '.');
    }
    return units < 0 ? "-" + digits : digits;
  }

 private:
  std::uint64_t state_;
};

// What an engine builder types, within the ranges of real engines. Lengths
// in inches, volumes in cubic centimetres, angles in crank degrees.
struct Engine {
  std::string stroke, rod, closing_angle;
  std::string intake_duration, exhaust_duration, lobe_separation, intake_centreline;
  std::string cylinders, bore, chamber, gasket_thickness, gasket_bore, deck, piston;
  bool dome = false;
};

Engine draw(Random& random) {
  Engine e;
  e.stroke = random.typed(2000, 4750, 3);
  e.rod = random.typed(4500, 7200, 3);
  e.closing_angle = random.typed(2300, 8900, 2);
  e.intake_duration = random.typed(2000, 3300, 1);
  e.exhaust_duration = random.typed(2000, 3300, 1);
  e.lobe_separation = random.typed(1000, 1200, 1);
  e.intake_centreline = random.typed(960, 1240, 1);
  e.cylinders = random.typed(1, 16, 0);
  const std::int64_t bore = random.between(2500, 4600);
  e.bore = Random::text_of(bore, 3);
  e.chamber = random.typed(300, 1200, 1);
  e.gasket_thickness = random.typed(15, 120, 3);
  e.gasket_bore = Random::text_of(bore + random.between(0, 200), 3);
  e.deck = random.typed(-20, 60, 3);
  e.piston = random.typed(0, 350, 1);
  e.dome = random.between(0, 2) == 0;
  return e;
}

const char* fault_name(core::Fault fault) {
  switch (fault) {
    case core::Fault::none:
      return "none";
    case core::Fault::overflow:
      return "overflow";
    case core::Fault::division_by_zero:
      return "division by zero";
    case core::Fault::invalid:
      return "invalid";
  }
  return "?";
}

// One engine's line. write() adds a result as the field would show it and
// tells whether the page goes on.
class Line {
 public:
  void add(std::string_view text) { text_ += text; }

  bool write(const char* name, const core::Checked& result, std::string* shown = nullptr) {
    text_ += ' ';
    text_ += name;
    text_ += '=';
    if (!result.ok()) {
      text_ += '!';
      text_ += fault_name(result.fault());
      return false;
    }
    const std::string written = core::format_number(result.value());
    text_ += written;
    if (shown != nullptr) *shown = written;
    return true;
  }

  // A step whose value is not shown; a failure ends the page.
  bool holds(const core::Checked& step) {
    if (step.ok()) return true;
    text_ += " !";
    text_ += fault_name(step.fault());
    return false;
  }

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The dynamic stroke page's Calculate; gives the dynamic stroke length as
// shown, when it was written.
std::optional<std::string> dynamic_stroke_page(Line& line, const std::string& stroke_text,
                                               const std::string& rod_text,
                                               const std::string& angle_text) {
  const double angle = core::parse_value(angle_text);
  if (angle < core::kMinClosingAngle || angle > core::kMaxClosingAngle) {
    line.add(" !angle out of range");
    return std::nullopt;
  }
  const std::optional<double> degrees = core::parse_strict(angle_text);
  if (!degrees) {
    line.add(" !angle not a number");
    return std::nullopt;
  }
  const core::Checked theta = core::closing_angle_radians(*degrees);
  const core::Checked stroke = core::parse_value(stroke_text);
  const core::Checked rod = core::parse_value(rod_text);

  std::string dst_shown;
  if (!line.write("dst", core::dynamic_stroke_length(stroke, rod, theta), &dst_shown)) {
    return std::nullopt;
  }
  line.write("bdc", core::distance_from_bdc(stroke, core::parse_value(dst_shown)));
  return dst_shown;
}

// The cam timing page's Calculate; gives the intake closing angle as shown,
// which goes on to the dynamic stroke page.
std::optional<std::string> cam_timing_page(Line& line, const Engine& e) {
  const core::CamCard card{
      .intake_duration = core::parse_value(e.intake_duration),
      .exhaust_duration = core::parse_value(e.exhaust_duration),
      .lobe_separation = core::parse_value(e.lobe_separation),
      .intake_centreline = core::parse_value(e.intake_centreline),
  };
  const core::CamIntermediates m = core::cam_intermediates(card);
  for (const core::Checked& step :
       {m.half_intake, m.half_exhaust, m.centreline_to_bdc, m.exhaust_centreline}) {
    if (!line.holds(step)) return std::nullopt;
  }
  using core::CamEvent;
  const std::pair<CamEvent, const char*> events[] = {
      {CamEvent::advance, "adv"},      {CamEvent::intake_opens, "io"},
      {CamEvent::intake_closes, "ic"}, {CamEvent::exhaust_closes, "ec"},
      {CamEvent::exhaust_opens, "eo"},
  };
  std::string shown[5];
  for (std::size_t i = 0; i < 5; ++i) {
    if (!line.write(events[i].second, core::cam_event(events[i].first, card, m), &shown[i])) {
      return std::nullopt;
    }
  }
  line.write("overlap",
             core::valve_overlap(core::parse_value(shown[3]), core::parse_value(shown[1])));
  return shown[2];
}

// The compression ratio page's Calculate with the given stroke text.
void compression_page(Line& line, const Engine& e, const std::string& stroke_text) {
  const core::Checked cylinders = core::parse_value(e.cylinders);
  const core::Checked bore = core::parse_value(e.bore);
  const core::Checked stroke = core::parse_value(stroke_text);
  const core::Checked chamber = core::parse_value(e.chamber);
  const core::Checked gasket_thickness = core::parse_value(e.gasket_thickness);
  const core::Checked gasket_bore = core::parse_value(e.gasket_bore);
  const core::Checked deck = core::parse_value(e.deck);
  const core::Checked piston = core::parse_value(e.piston);

  const core::Checked vcp = core::chamber_and_piston_volume(chamber, piston, e.dome);
  if (!line.holds(vcp)) return;
  const core::Checked swept = core::swept_volume(bore, stroke);
  if (!line.holds(swept)) return;
  std::string cubic_inches_shown;
  if (!line.write("cid", core::displacement(swept, cylinders), &cubic_inches_shown)) return;
  if (!line.write("litres", core::litres(core::parse_value(cubic_inches_shown)))) return;

  const core::Checked gasket = core::gasket_volume(gasket_bore, gasket_thickness);
  if (!line.holds(gasket)) return;
  const core::Checked deck_volume = core::deck_volume(bore, deck);
  if (!line.holds(deck_volume)) return;
  const core::Checked ratio =
      core::compression_ratio(core::total_volume(swept, vcp, gasket, deck_volume),
                              core::clearance_volume(vcp, gasket, deck_volume));
  if (!line.write("cr", ratio)) return;
  line.write("quench", core::quench_distance(deck, gasket_thickness));
}

std::string engine_line(long number, const Engine& e) {
  Line line;
  line.add(std::to_string(number));
  line.add(" stroke=" + e.stroke + " rod=" + e.rod + " ivc=" + e.closing_angle +
           " id=" + e.intake_duration + " ed=" + e.exhaust_duration + " lsa=" + e.lobe_separation +
           " ilc=" + e.intake_centreline + " cyl=" + e.cylinders + " bore=" + e.bore + " chamber=" +
           e.chamber + " gasket=" + e.gasket_thickness + " gasket_bore=" + e.gasket_bore +
           " deck=" + e.deck + " piston=" + e.piston + (e.dome ? " dome" : " flat"));

  line.add(" | stroke page:");
  const std::optional<std::string> dst =
      dynamic_stroke_page(line, e.stroke, e.rod, e.closing_angle);
  line.add(" | cam page:");
  const std::optional<std::string> intake_closes = cam_timing_page(line, e);
  if (intake_closes) {
    line.add(" | stroke page, ivc " + *intake_closes + ":");
    dynamic_stroke_page(line, e.stroke, e.rod, *intake_closes);
  }
  line.add(" | static:");
  compression_page(line, e, e.stroke);
  if (dst) {
    line.add(" | dynamic:");
    compression_page(line, e, *dst);
  }
  return line.text();
}

// a*b - 1 for a = 1 + 2^-30 and b = 1 - 2^-30: the product 1 - 2^-60 rounds
// to 1, so the difference is 0; a fused multiply-subtract keeps the product
// exact and gives -2^-60. The inputs are volatile so the compiler cannot
// fold the expression away.
double contraction_check() {
  volatile double a = 1.0 + 0x1p-30;
  volatile double b = 1.0 - 0x1p-30;
  const double x = a;
  const double y = b;
  return x * y - 1.0;
}

}  // namespace

int main(int argc, char** argv) {
  long count = 10000;
  if (argc > 1) {
    char* end = nullptr;
    count = std::strtol(argv[1], &end, 10);
    if (argc > 2 || *end != '\0' || count < 0) {
      std::fprintf(stderr, "usage: velmora-engine-digits [COUNT]\n");
      return 2;
    }
  }
  std::printf("contraction check, (1+2^-30)*(1-2^-30)-1 without a fused multiply-add: %s\n",
              core::format_number(contraction_check()).c_str());
  Random random(20240613);
  for (long i = 1; i <= count; ++i) {
    const std::string line = engine_line(i, draw(random));
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
