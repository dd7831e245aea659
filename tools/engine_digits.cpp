// Every page's results for a fixed set of random engines, one line per
// engine, each result as format_number writes it. The same program built for
// two machines must write the same bytes: the aarch64 build's tests compare the
// x86-64 and the aarch64 build.
//   velmora-engine-digits [COUNT]    COUNT engines, 10000 when not given
//
// The engines are drawn from a fixed seed with a generator of our own
// (splitmix64), not <random>'s distributions, whose output the standard
// leaves to each library. Every input is a decimal text built from whole
// numbers, as a user types it ("3.480", "106.5"), so it reaches the
// formulas through the program's own parse, as on the pages.
//
// Each page's Calculate is the program's own (core/commands.h), and the line
// holds every text it writes, "control=text", and "!" with its message if
// it shows one. The cam page's intake closing text goes on to the dynamic
// stroke page, and the compression page runs once with the crank stroke and
// once with the dynamic stroke length, each brought over by the check box,
// as a user of the program does it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/commands.h"
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

std::u16string field(const std::string& typed) { return {typed.begin(), typed.end()}; }

// Adds a command's writes and message to the line; gives the text it wrote
// into control, if it did.
std::u16string add(std::string& line, const core::Outcome& outcome, std::string_view control = {}) {
  std::u16string wanted;
  for (const core::Write& w : outcome.writes) {
    line += ' ';
    line += w.control;
    line += '=';
    // The texts are numbers and copies of typed numbers: ASCII.
    for (char16_t c : w.text) line += static_cast<char>(c);
    if (w.control == control) wanted = w.text;
  }
  if (!outcome.message.empty()) {
    line += " !";
    line += outcome.message;
  }
  return wanted;
}

std::string engine_line(long number, const Engine& e) {
  std::string line = std::to_string(number);
  line += " stroke=" + e.stroke + " rod=" + e.rod + " ivc=" + e.closing_angle +
          " id=" + e.intake_duration + " ed=" + e.exhaust_duration + " lsa=" + e.lobe_separation +
          " ilc=" + e.intake_centreline + " cyl=" + e.cylinders + " bore=" + e.bore +
          " chamber=" + e.chamber + " gasket=" + e.gasket_thickness +
          " gasket_bore=" + e.gasket_bore + " deck=" + e.deck + " piston=" + e.piston +
          (e.dome ? " dome" : " flat");

  line += " | stroke page:";
  const std::u16string dst = add(
      line, core::calculate_dynamic_stroke({field(e.stroke), field(e.rod), field(e.closing_angle)}),
      "Txt_DST");
  line += " | cam page:";
  const std::u16string intake_closes =
      add(line,
          core::calculate_cam_timing({field(e.intake_duration), field(e.exhaust_duration),
                                      field(e.lobe_separation), field(e.intake_centreline)}),
          "txt_IVA");
  if (!intake_closes.empty()) {
    line += " | stroke page again:";
    add(line, core::calculate_dynamic_stroke({field(e.stroke), field(e.rod), intake_closes}));
  }
  // The check box brings over the crank stroke, unchecked, or the dynamic
  // stroke length, checked.
  for (const bool dynamic : {false, true}) {
    if (dynamic && dst.empty()) break;
    line += dynamic ? " | dynamic:" : " | static:";
    const std::u16string stroke =
        add(line, core::transfer_stroke(dynamic, field(e.stroke), dst), "txt_stroke3");
    add(line,
        core::calculate_compression({field(e.cylinders), field(e.bore), stroke, field(e.chamber),
                                     field(e.gasket_thickness), field(e.gasket_bore), field(e.deck),
                                     field(e.piston), e.dome, dynamic}));
  }
  return line;
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
