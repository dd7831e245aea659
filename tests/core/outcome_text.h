#pragma once

#include <string>
#include <string_view>

#include "core/commands.h"

// The text a command wrote into control, the last time it wrote there;
// "(none)" when it wrote nothing there. Texts here are ASCII.
inline std::string written(const core::Outcome& outcome, std::string_view control) {
  std::string text = "(none)";
  for (const core::Write& w : outcome.writes) {
    if (w.control != control) continue;
    text.clear();
    for (char16_t c : w.text) text += c < 0x80 ? static_cast<char>(c) : '?';
  }
  return text;
}

// The controls a command wrote, in order: "Txt_DST Txt_BDC txt_ICA_a".
inline std::string controls(const core::Outcome& outcome) {
  std::string names;
  for (const core::Write& w : outcome.writes) {
    if (!names.empty()) names += ' ';
    names += w.control;
  }
  return names;
}

// An ASCII text as a field holds it.
inline std::u16string field(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }
