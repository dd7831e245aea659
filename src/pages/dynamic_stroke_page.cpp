// Page 0: the dynamic stroke length and the piston's distance from bottom
// dead centre, from crank stroke, rod length and intake closing angle.
#include "pages/design.h"

namespace design {
namespace {

using enum Kind;
using enum Paint;

// One row a control; clang-format would break a row into one line a field.
// clang-format off
constexpr Control kControls[] = {
    {"Lab_DSC_", CentredLabel, "Dynamic Stroke Length Calculator", {1356, 912, 4740, 348}, kTitle},
    {"Shape3", Outline, "", {300, 1608, 3540, 2148}},
    {"Lab_Inputs", Label, "Input", {540, 1680, 588, 300}, kHeading},
    {"Lab_Stroke", Label, "Crank Stroke", {684, 2148, 1308, 240}, kBold, {.names = "txt_Stroke"}},
    {"txt_Stroke", Input, "", {2700, 2088, 708, 360}, kRegular, {.paint = WhiteBackground}},
    {"Lab_rod_length", Label, "Rod Length", {684, 2652, 1152, 240}, kBold, {.names = "txt_rod"}},
    {"txt_rod", Input, "", {2700, 2592, 708, 360}, kRegular},
    {"Lab_Valve_angle", WrappingLabel, "ADV Intake Closing Angle", {684, 3036, 1452, 528}, kBold,
     {.names = "txt_IVA"}},
    {"txt_IVA", Input, "", {2700, 3120, 708, 360}, kRegular,
     {.tooltip = "Always use the seat timing not .050\" timing"}},
    {"Shape1", Outline, "", {312, 3960, 3540, 2004}},
    {"Lab_outputs", Label, "Results", {552, 4032, 864, 300}, kHeading},
    {"Lab_DST", WrappingLabel, "Dynamic Stroke Length", {696, 4536, 1716, 516}, kBold,
     {.names = "Txt_DST"}},
    {"Txt_DST", Result, "", {2688, 4536, 708, 360}, kBold, {.paint = GreenText}},
    {"Lab_dist", WrappingLabel, "Distance of piston from BDC", {696, 5280, 1836, 492}, kBold,
     {.names = "Txt_BDC"}},
    {"Txt_BDC", Result, "", {2688, 5352, 708, 360}, kRegular},
    {"Lab_inst2", WrappingLabel,
     "Since compression cannot start until the intake valve closes completely, it is necessary "
     "to use seat timing rather than .050\" timing. Be sure to use the advertised duration or "
     "intake seat timing for Dynamic Compression Ratio calculations.",
     {4188, 1764, 2436, 1836}, kSmallBold},
    {"Lab_instruction", WrappingLabel,
     "Use the Dynamic Stroke Length to calculate the Dynamic Compression Ratio. Using your "
     "favorite CR Calculator or the one included here, input this number for the stroke. ",
     {4176, 4170, 2436, 1584}, kSmallBold},
    {"Com_go", Button, "Calculate", {924, 6316, 1356, 492}, kHeading},
    {"Com_clear", Button, "Clear", {2796, 6316, 1356, 492}, kHeading},
    {"Com_exit", Button, "Exit", {4644, 6316, 1356, 492}, kHeading},
    {"Lab_Credit1", Label, "Velmora calculators", {312, 6936, 1524, 192}},
    {"Lab_credit2", Label, "Written by the Velmora developers", {312, 7152, 3024, 192}},
    {"lab_credit3", Label, "Dynamic stroke geometry", {4668, 6936, 1716, 192}},
};
// clang-format on

constexpr Spoken kResults[] = {
    {"Dynamic Stroke Length", "Txt_DST"},
    {"Distance of piston from BDC", "Txt_BDC"},
};

constexpr std::string_view kCleared[] = {"txt_rod", "txt_IVA", "Txt_DST", "Txt_BDC", "txt_Stroke"};

}  // namespace

const Page kDynamicStrokePage{
    .caption = "Dynamic Stroke Length Calculator",
    .controls = kControls,
    .calculate = {"Com_go", core::Com_go_Click, kResults},
    .clear = "Com_clear",
    .clears = kCleared,
    .exit = "Com_exit",
};

}  // namespace design
