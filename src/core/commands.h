#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the pages' commands do, each as one plain function: the texts of the
// fields it reads go in; out come, in order, the texts it writes and into
// which control, and the message it shows, if any. A page hands its
// window's fields to the command's Com_*_Click function below, which reads
// those it needs by name and runs the chain, then writes what comes out and
// shows the message. The tools, fuzzers, benchmarks and tests call the
// chains themselves, calculate_* and transfer_stroke, which those run.
//
// Field text is UTF-16, as the toolkit keeps it, so a text a command copies
// from one field into another arrives character for character.
namespace core {

// A text for the control of that name: a field's text, or for lab_CR1 the
// label's caption.
struct Write {
  std::string_view control;
  std::u16string text;

  bool operator==(const Write&) const = default;
};

struct Outcome {
  std::vector<Write> writes;  // in the order the command makes them
  std::string_view message;   // shown after the writes; empty when there is none
};

inline constexpr std::string_view kAllInputsRequired = "All input boxes must be filled";
inline constexpr std::string_view kClosingAngleRange =
    "Intake Valve Closing Angle must be between 23  and 89 degrees";
inline constexpr std::string_view kClosingAngleNotANumber =
    "The Intake Valve Closing Angle must be a plain number, such as 60 or 60.5, with nothing "
    "after it.";
inline constexpr std::string_view kRodTooShort =
    "The Rod Length is too short for this Crank Stroke and closing angle. Check both values.";
inline constexpr std::string_view kTooLarge =
    "A number is too large to calculate with. Check that every input is an engine dimension.";
inline constexpr std::string_view kZeroClearance =
    "The clearance volume (chamber, gasket, deck and piston) adds up to zero or less, so there "
    "is no compression ratio. Check those inputs.";

// Calculate on the dynamic stroke length page (Com_go_Click). Writes
// Txt_DST, Txt_BDC and the strip's txt_ICA_a.
struct DynamicStrokeFields {
  std::u16string stroke;         // txt_Stroke
  std::u16string rod;            // txt_rod
  std::u16string closing_angle;  // txt_IVA
};
Outcome calculate_dynamic_stroke(const DynamicStrokeFields& fields);

// Calculate on the cam timing page (Com_Go_2_Click). Writes the six
// results, then hands the intake closing angle to txt_IVA and the intake
// duration to the strip's Txt_AID_a.
struct CamTimingFields {
  std::u16string intake_duration;    // txt_i_dur
  std::u16string exhaust_duration;   // txt_e_dur
  std::u16string lobe_separation;    // txt_LSA
  std::u16string intake_centreline;  // txt_ILC
};
Outcome calculate_cam_timing(const CamTimingFields& fields);

// Calculate on the compression ratio page (com_go3_Click). Writes the four
// results and the caption of lab_CR1.
struct CompressionFields {
  std::u16string cylinders;         // txt_cyl
  std::u16string bore;              // txt_bore
  std::u16string stroke;            // txt_stroke3
  std::u16string chamber;           // txt_CCvol
  std::u16string gasket_thickness;  // txt_gast
  std::u16string gasket_bore;       // txt_gasb
  std::u16string deck;              // txt_deck
  std::u16string piston;            // txt_pvol
  bool dome = false;                // opt_dome selected
  bool dynamic_stroke = false;      // Chk_dst1 checked
};
Outcome calculate_compression(const CompressionFields& fields);

// The check box's command (Chk_dst1_Click), after the click has toggled
// it: txt_stroke3 takes the crank stroke's text, or the dynamic stroke
// length's when the box is now checked.
Outcome transfer_stroke(bool checked, std::u16string_view crank_stroke,
                        std::u16string_view dynamic_stroke);

// The fields of the window as a command reads them, by control name: a
// field's text, or whether a check box or option button is on.
class Fields {
 public:
  virtual ~Fields() = default;
  virtual std::u16string text(std::string_view control) const = 0;
  virtual bool is_checked(std::string_view control) const = 0;
};

// The commands as the window runs them, each reading its own fields: the
// three Calculate buttons and the check box.
Outcome Com_go_Click(const Fields& fields);
Outcome Com_Go_2_Click(const Fields& fields);
Outcome com_go3_Click(const Fields& fields);
Outcome Chk_dst1_Click(const Fields& fields);

}  // namespace core
