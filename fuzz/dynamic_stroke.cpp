// Calculate on the dynamic stroke length page with any texts in its three
// fields: it writes its results in order up to the first step that fails,
// then shows a message; every number written reads back as itself, and the
// strip gets the closing angle exactly as typed.
//   input: the stroke, rod and closing angle fields, one a line

#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::u16string> in = fuzz::read_fields(fuzz::as_text(data, size), 3);
  const core::Outcome out = core::calculate_dynamic_stroke({in[0], in[1], in[2]});
  const std::vector<std::u16string> written =
      fuzz::check_outcome(out, {"Txt_DST", "Txt_BDC", "txt_ICA_a"}, {"txt_ICA_a"});
  if (out.message.empty() && written[2] != in[2])
    fuzz::fail("txt_ICA_a is not the angle as typed", "");
  return 0;
}
