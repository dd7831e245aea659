// Calculate on the cam timing page with any texts in its four fields: it
// writes its results in order up to the first step that fails, then shows a
// message; every number written reads back as itself, and the hand-over
// copies the closing angle as shown and the intake duration as typed.
//   input: the intake duration, exhaust duration, lobe separation and
//   intake centreline fields, one a line

#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::u16string> in = fuzz::read_fields(fuzz::as_text(data, size), 4);
  const core::Outcome out = core::calculate_cam_timing({in[0], in[1], in[2], in[3]});
  const std::vector<std::u16string> written =
      fuzz::check_outcome(out,
                          {"txt_ADV", "txt_I_Open", "txt_I_Close", "txt_E_Close", "txt_E_Open",
                           "txt_overlap", "txt_IVA", "Txt_AID_a"},
                          {"txt_IVA", "Txt_AID_a"});
  if (out.message.empty() && (written[6] != written[2] || written[7] != in[0])) {
    fuzz::fail("the hand-over is not a copy", "");
  }
  return 0;
}
