#include "help/help_texts.h"

#include <array>
#include <string_view>

namespace help {

std::string help_text() {
  static constexpr std::array<std::string_view, 17> kSteps = {
      "Click the cam timing tab",
      "Enter the adv dur for intake and exhaust",
      "Enter the LSA and the intake center of the cam install",
      "Click calculate",
      "Click the stroke calculator",
      "Enter the stroke",
      "Enter the rod length",
      "Click calculate",
      "Click the Compression ratio calculator tab",
      "Enter the number of cylinders and bore",
      "Click the check box 2 times to transfer the stroke from the stroke calculator",
      "Enter the cc of chamber and headgasket data",
      "Enter the piston cc and click whether dished or domed",
      "Click calculate. This displays the Static CR.",
      "Click the check box to make the check mark visible. This transfers the Dynamic Stroke "
      "Length to the box",
      "Click calculate",
      "Read the green number at the bottom of the page. This is the DCR.",
  };
  // The heading is followed by an empty line.
  std::string text = "Step by Step Instructions for the Velmora:";
  text += kLineSeparator;
  for (std::string_view step : kSteps) {
    text += kLineSeparator;
    text += step;
  }
  return text;
}

std::string about_text() {
  std::string text =
      "Velmora Dynamic Stroke, Cam Timing and Compression Ratio Calculator, by the "
      "Velmora developers";
  text += kLineSeparator;
  // The version is the project's, from CMakeLists.txt.
  text += "Copyright (C) 2026 the Velmora developers. All rights reserved. Version " VELMORA_VERSION;
  return text;
}

}  // namespace help
