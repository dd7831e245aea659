// Calculate on the compression ratio page with any texts in its eight
// fields, flat or domed, with the check box either way: it writes its
// results in order up to the first step that fails, then shows a message;
// every number written reads back as itself.
//   input: the cylinders, bore, stroke, chamber, gasket thickness, gasket
//   bore, deck and piston fields, one a line; a ninth line that is not
//   empty selects the dome, a tenth checks the box

#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::u16string> in = fuzz::read_fields(fuzz::as_text(data, size), 10);
  const bool checked = !in[9].empty();
  const core::Outcome out = core::calculate_compression(
      {in[0], in[1], in[2], in[3], in[4], in[5], in[6], in[7], !in[8].empty(), checked});
  const std::vector<std::u16string> written = fuzz::check_outcome(
      out, {"txt_DispIN", "txt_DispCC", "txt_CR1", "txt_quench", "lab_CR1"}, {"lab_CR1"});
  const std::u16string caption =
      checked ? u"Calculated Dynamic Compression Ratio" : u"Calculated Static Compression Ratio";
  if (out.message.empty() && written[4] != caption) fuzz::fail("wrong ratio caption", "");
  return 0;
}
