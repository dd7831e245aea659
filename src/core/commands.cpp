#include "core/commands.h"

#include <initializer_list>
#include <optional>

#include "core/cam_timing.h"
#include "core/compression.h"
#include "core/dynamic_stroke.h"
#include "core/numeric_text.h"

namespace core {
namespace {

// Field text as the conversions read it. Every character that can be part
// of a number is ASCII; any other becomes a byte that ends a number, as its
// UTF-8 form would.
std::string narrow(std::u16string_view text) {
  std::string bytes(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes[i] = text[i] < 0x80 ? static_cast<char>(text[i]) : '\x80';
  }
  return bytes;
}

double value_of(std::u16string_view text) { return parse_value(narrow(text)); }

bool any_empty(std::initializer_list<std::u16string_view> texts) {
  for (std::u16string_view t : texts) {
    if (is_empty_field(t)) return true;
  }
  return false;
}

// Only the dynamic stroke length takes a square root, and only the
// compression ratio divides by a computed value, so each of those faults
// has its page's own message.
std::string_view message_for(Fault fault) {
  switch (fault) {
    case Fault::overflow:
      return kTooLarge;
    case Fault::invalid:
      return kRodTooShort;
    case Fault::division_by_zero:
      return kZeroClearance;
    case Fault::none:
      break;
  }
  return {};
}

// An outcome is built step by step: each result is written as
// format_number shows it, and the first step that fails ends the command
// with its message, the writes before it kept. Each gives whether the
// command goes on.
bool holds(Outcome& out, const Checked& step) {
  if (!step.ok()) out.message = message_for(step.fault());
  return step.ok();
}

void copy(Outcome& out, std::string_view control, std::u16string_view text) {
  out.writes.push_back({control, std::u16string(text)});
}

bool show(Outcome& out, std::string_view control, const Checked& result) {
  if (!holds(out, result)) return false;
  const std::string text = format_number(result.value());
  copy(out, control, std::u16string(text.begin(), text.end()));
  return true;
}

// What the command wrote into control, as a later step reads it back.
std::u16string_view shown(const Outcome& out, std::string_view control) {
  for (const Write& w : out.writes) {
    if (w.control == control) return w.text;
  }
  return {};
}

Outcome stop(std::string_view message) { return {{}, message}; }

}  // namespace

Outcome calculate_dynamic_stroke(const DynamicStrokeFields& fields) {
  if (any_empty({fields.stroke, fields.closing_angle, fields.rod})) return stop(kAllInputsRequired);
  const double angle = value_of(fields.closing_angle);
  if (angle < kMinClosingAngle || angle > kMaxClosingAngle) return stop(kClosingAngleRange);
  // The angle is read a second time, strictly: "60 deg" passes the range
  // check by its leading number but is no angle to compute with.
  const std::optional<double> degrees = parse_strict(narrow(fields.closing_angle));
  if (!degrees) return stop(kClosingAngleNotANumber);

  const Checked theta = closing_angle_radians(*degrees);
  const Checked stroke = value_of(fields.stroke);
  const Checked rod = value_of(fields.rod);
  Outcome out;
  if (!show(out, "Txt_DST", dynamic_stroke_length(stroke, rod, theta))) return out;
  // The distance from BDC uses the dynamic stroke length as displayed.
  const Checked shown_dst = value_of(shown(out, "Txt_DST"));
  if (show(out, "Txt_BDC", distance_from_bdc(stroke, shown_dst))) {
    copy(out, "txt_ICA_a", fields.closing_angle);
  }
  return out;
}

Outcome calculate_cam_timing(const CamTimingFields& fields) {
  if (any_empty({fields.intake_duration, fields.exhaust_duration, fields.lobe_separation,
                 fields.intake_centreline})) {
    return stop(kAllInputsRequired);
  }
  const CamCard card{
      .intake_duration = value_of(fields.intake_duration),
      .exhaust_duration = value_of(fields.exhaust_duration),
      .lobe_separation = value_of(fields.lobe_separation),
      .intake_centreline = value_of(fields.intake_centreline),
  };
  const CamIntermediates m = cam_intermediates(card);
  if (m.fault() != Fault::none) return stop(message_for(m.fault()));

  const CamEvents events = cam_events(card, m);
  Outcome out;
  const bool events_shown = show(out, "txt_ADV", events.advance) &&
                            show(out, "txt_I_Open", events.intake_opens) &&
                            show(out, "txt_I_Close", events.intake_closes) &&
                            show(out, "txt_E_Close", events.exhaust_closes) &&
                            show(out, "txt_E_Open", events.exhaust_opens);
  if (!events_shown) return out;
  // The overlap is summed from the displayed texts, so it matches what the
  // user reads beside it.
  const Checked intake_opens = value_of(shown(out, "txt_I_Open"));
  const Checked exhaust_closes = value_of(shown(out, "txt_E_Close"));
  if (show(out, "txt_overlap", valve_overlap(exhaust_closes, intake_opens))) {
    // Hand-over: the dynamic stroke page gets the closing angle exactly as
    // shown here, the strip the intake duration exactly as typed.
    copy(out, "txt_IVA", shown(out, "txt_I_Close"));
    copy(out, "Txt_AID_a", fields.intake_duration);
  }
  return out;
}

Outcome calculate_compression(const CompressionFields& fields) {
  if (any_empty({fields.cylinders, fields.bore, fields.stroke, fields.chamber,
                 fields.gasket_thickness, fields.gasket_bore, fields.deck, fields.piston})) {
    return stop(kAllInputsRequired);
  }
  const Checked cylinders = value_of(fields.cylinders);
  const Checked bore = value_of(fields.bore);
  const Checked stroke = value_of(fields.stroke);
  const Checked chamber = value_of(fields.chamber);
  const Checked gasket_thickness = value_of(fields.gasket_thickness);
  const Checked gasket_bore = value_of(fields.gasket_bore);
  const Checked deck = value_of(fields.deck);
  const Checked piston = value_of(fields.piston);

  // Vcp, Vs, Vg and Vd, as compression.h names them.
  const Checked vcp = chamber_and_piston_volume(chamber, piston, fields.dome);
  const Checked vs = swept_volume(bore, stroke);
  Outcome out;
  const bool displacement_shown =
      holds(out, vcp) && show(out, "txt_DispIN", displacement(vs, cylinders)) &&
      // The litres follow the cubic inches as displayed.
      show(out, "txt_DispCC", litres(value_of(shown(out, "txt_DispIN"))));
  if (!displacement_shown) return out;

  // A failed gasket or deck volume carries its fault on into the ratio.
  const Checked vg = gasket_volume(gasket_bore, gasket_thickness);
  const Checked vd = deck_volume(bore, deck);
  const Checked ratio =
      compression_ratio(total_volume(vs, vcp, vg, vd), clearance_volume(vcp, vg, vd));
  if (show(out, "txt_CR1", ratio) &&
      show(out, "txt_quench", quench_distance(deck, gasket_thickness))) {
    // The caption tells which stroke the box brought over at this
    // Calculate, whatever has been typed into the stroke field since.
    copy(out, "lab_CR1",
         fields.dynamic_stroke ? u"Calculated Dynamic Compression Ratio"
                               : u"Calculated Static Compression Ratio");
  }
  return out;
}

Outcome transfer_stroke(bool checked, std::u16string_view crank_stroke,
                        std::u16string_view dynamic_stroke) {
  return {{{"txt_stroke3", std::u16string(checked ? dynamic_stroke : crank_stroke)}}, {}};
}

Outcome Com_go_Click(const Fields& fields) {
  return calculate_dynamic_stroke({
      .stroke = fields.text("txt_Stroke"),
      .rod = fields.text("txt_rod"),
      .closing_angle = fields.text("txt_IVA"),
  });
}

Outcome Com_Go_2_Click(const Fields& fields) {
  return calculate_cam_timing({
      .intake_duration = fields.text("txt_i_dur"),
      .exhaust_duration = fields.text("txt_e_dur"),
      .lobe_separation = fields.text("txt_LSA"),
      .intake_centreline = fields.text("txt_ILC"),
  });
}

Outcome com_go3_Click(const Fields& fields) {
  return calculate_compression({
      .cylinders = fields.text("txt_cyl"),
      .bore = fields.text("txt_bore"),
      .stroke = fields.text("txt_stroke3"),
      .chamber = fields.text("txt_CCvol"),
      .gasket_thickness = fields.text("txt_gast"),
      .gasket_bore = fields.text("txt_gasb"),
      .deck = fields.text("txt_deck"),
      .piston = fields.text("txt_pvol"),
      .dome = fields.is_checked("opt_dome"),
      .dynamic_stroke = fields.is_checked("Chk_dst1"),
  });
}

Outcome Chk_dst1_Click(const Fields& fields) {
  return transfer_stroke(fields.is_checked("Chk_dst1"), fields.text("txt_Stroke"),
                         fields.text("Txt_DST"));
}

}  // namespace core
