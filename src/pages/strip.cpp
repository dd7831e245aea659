// The strip above the tab control, on every page: the intake duration and
// the intake closing angle in use. Boxes are in the window's client area.
#include "pages/design.h"

namespace design {
namespace {

using enum Kind;

// One row a control; clang-format would break a row into one line a field.
// clang-format off
constexpr Control kControls[] = {
    {"Lab_int_adv_dur", Label, "Advertised Intake Dur in use", {312, 60, 1992, 192}, kWindowFont,
     {.names = "Txt_AID_a"}},
    {"Txt_AID_a", Display, "", {2508, 12, 588, 288}, kWindowFont,
     {.tooltip = "As entered on cam timing page"}},
    {"Lab_int_closing", Label, "Intake Closing Angle in use", {3720, 60, 1920, 192}, kWindowFont,
     {.names = "txt_ICA_a"}},
    {"txt_ICA_a", Display, "", {5832, 12, 588, 288}, kWindowFont,
     {.tooltip = "As calculated on DSL page"}},
};
// clang-format on

}  // namespace

const std::span<const Control> kStrip = kControls;

}  // namespace design
