#pragma once

#include <span>
#include <string_view>

#include "core/commands.h"

// The fixed design of the forms, as data. Every control of a page, and of
// the strip above the tabs, is one row of a table: its control name, kind,
// caption, box in twips and font, and what else the design fixes about it.
// The tables are the only place the design's numbers live; one builder
// (layout.h) lays out any of them.
namespace design {

// Positions and sizes in twips, 1/1440 inch.
struct Twips {
  int left;
  int top;
  int width;
  int height;
};

enum class Kind {
  Label,          // sizes itself to its caption, on one line
  CentredLabel,   // sizes itself to its caption, centred on its box
  WrappingLabel,  // wraps its caption within its box
  GrowingLabel,   // wraps at its box's width and grows downwards as needed
  Input,          // a text field the user types into; a tab stop
  Result,         // a read-only text field, skipped by Tab, still selectable
  Display,        // a read-only text field that is a tab stop (the strip's)
  Button,
  CheckBox,
  OptionGroup,   // invisible; its caption is the question its option buttons answer
  OptionButton,  // inside the option group above it
  Outline,       // a rectangle drawn behind the controls it frames
};

// Every font is the design's "MS Sans Serif"; sizes in points.
struct Font {
  double points;
  bool bold;
};
inline constexpr Font kWindowFont{8, false};
inline constexpr Font kTitle{13.8, true};
inline constexpr Font kHeading{12, true};
inline constexpr Font kBold{9.6, true};
inline constexpr Font kRegular{9.6, false};
inline constexpr Font kSmallBold{7.8, true};

enum class Paint {
  Platform,         // the desktop's colours
  GreenText,        // the design's green text, RGB 0, 128, 0, on white
  WhiteBackground,  // white, with black text
};

// What only some controls have.
struct Details {
  Paint paint = Paint::Platform;
  std::string_view tooltip = {};
  // A caption: the control it names, for a screen reader ("Crank Stroke, edit").
  std::string_view names = {};
  // A field: what a screen reader says after its name.
  std::string_view description = {};
};

struct Control {
  std::string_view name;
  Kind kind;
  std::string_view caption;  // a field's text at start
  Twips box;
  Font font = kWindowFont;
  Details details = {};
};

// A result as a screen reader hears it after a command: its caption, then
// the field's text. An empty caption is that of the label naming the field,
// as it stands then.
struct Spoken {
  std::string_view caption;
  std::string_view field;
};

// What a click on a control runs: a command's chain from the fields it
// reads to what it writes, and the results read out when it went through.
struct Command {
  std::string_view control;
  core::Outcome (*run)(const core::Fields& fields);
  std::span<const Spoken> readOut;
};

// One tab page.
struct Page {
  std::string_view caption;  // the tab's
  // In the order they are made; the tab stops among them in focus order.
  std::span<const Control> controls;
  Command calculate;
  std::string_view clear;                    // the Clear button
  std::span<const std::string_view> clears;  // the fields it empties, in order
  std::string_view exit;                     // the Exit button
  std::span<const Command> more = {};        // other controls' commands
};

// The window: its client area, below the menu bar, and the tab control in it.
inline constexpr Twips kClientArea{0, 0, 6924, 7824};
inline constexpr Twips kTabControl{12, 312, 6912, 7500};
inline constexpr Font kTabCaptions{9.6, true};

// The three pages, left to right, and the strip above the tab control.
extern const Page kDynamicStrokePage;
extern const Page kCamTimingPage;
extern const Page kCompressionPage;
extern const std::span<const Control> kStrip;

}  // namespace design
