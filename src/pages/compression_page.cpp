// Page 2: displacement, quench distance and the static or dynamic
// compression ratio; its check box brings over the crank stroke or the
// dynamic stroke length from page 0.
#include "pages/design.h"

namespace design {
namespace {

using enum Kind;
using enum Paint;

constexpr std::string_view kPistonQuestion = "What type of pistons do you have?";

// One row a control; clang-format would break a row into one line a field.
// clang-format off
constexpr Control kControls[] = {
    {"lab_CRC", Label, "Compression Ratio Calculator", {1656, 744, 4188, 348}, kTitle},
    {"Lab_cyl", Label, "Number of Cylinders", {600, 1176, 2052, 240}, kBold, {.names = "txt_cyl"}},
    {"txt_cyl", Input, "8", {5352, 1152, 876, 288}, kSmallBold},
    {"lab_bore", Label, "Bore Diameter [in]", {600, 1512, 1860, 240}, kBold, {.names = "txt_bore"}},
    {"txt_bore", Input, "", {5352, 1488, 876, 288}, kSmallBold},
    {"lab_stroke3", Label, "Stroke [in]", {600, 1836, 1044, 240}, kBold,
     {.names = "txt_stroke3"}},
    {"Chk_dst1", CheckBox, "Check box for Dynamic Stroke", {1824, 1872, 3204, 192}, kWindowFont,
     {.tooltip = "Double click to update"}},
    {"txt_stroke3", Input, "", {5352, 1812, 876, 288}, kSmallBold,
     {.tooltip =
          "Check box for Dynamic Stroke, Un-check for crank stroke double click to update"}},
    {"lab_chmvol", Label, "Combustion Chamber Volume [cc]", {600, 2172, 3408, 240}, kBold,
     {.names = "txt_CCvol"}},
    {"txt_CCvol", Input, "", {5352, 2148, 876, 288}, kSmallBold},
    {"lab_gast", Label, "Head Gasket Thickness [in]", {600, 2496, 2772, 240}, kBold,
     {.names = "txt_gast"}},
    {"txt_gast", Input, "", {5352, 2472, 876, 288}, kSmallBold},
    {"lab_gasb", Label, "Head Gasket Bore [in]", {600, 2832, 2232, 240}, kBold,
     {.names = "txt_gasb"}},
    {"txt_gasb", Input, "", {5352, 2808, 876, 288}, kSmallBold},
    {"lab_deck", Label, "Piston To Deck clearance [in]", {600, 3168, 2964, 240}, kBold,
     {.names = "txt_deck"}},
    {"txt_deck", Input, "", {5352, 3144, 876, 288}, kSmallBold},
    {"lab_DorF", Label, kPistonQuestion, {600, 3504, 3408, 240}, kBold},
    {"Shape2", Outline, "", {552, 3804, 4236, 348}},
    {"pistonTypes", OptionGroup, kPistonQuestion, {600, 3852, 3852, 240}},
    {"opt_FD", OptionButton, "Flat or Dished", {600, 3852, 1980, 240}, kBold},
    {"opt_dome", OptionButton, "Dome", {3216, 3852, 1236, 240}, kBold},
    {"lab_pvol", Label, "Dish/ValveRelief/Dome Volume [positive cc]", {600, 4200, 4440, 240},
     kBold, {.names = "txt_pvol"}},
    {"txt_pvol", Input, "", {5352, 4176, 876, 288}, kSmallBold,
     {.tooltip = "Always use a positive number and select the proper piston type"}},
    {"Label1", Label, "Quench Distance", {600, 4872, 1740, 240}, kBold, {.names = "txt_quench"}},
    {"txt_quench", Result, "", {5352, 4848, 876, 288}, kSmallBold},
    {"lab_DispIN", Label, "Displacement [Cubic Inches]", {600, 5208, 2892, 240}, kBold,
     {.names = "txt_DispIN"}},
    {"txt_DispIN", Result, "", {5352, 5184, 876, 288}, kSmallBold},
    {"lab_dispCC", Label, "Displacement [liter]", {600, 5544, 1992, 240}, kBold,
     {.names = "txt_DispCC"}},
    {"txt_DispCC", Result, "", {5352, 5520, 876, 288}, kSmallBold},
    {"lab_CR1", Label, "Calculated Static Compression Ratio", {600, 5904, 3696, 240}, kBold,
     {.names = "txt_CR1"}},
    {"txt_CR1", Result, "", {5352, 5880, 876, 360}, kBold, {.paint = GreenText}},
    {"com_go3", Button, "Calculate", {925, 6316, 1357, 492}, kHeading},
    {"com_clear3", Button, "Clear", {2797, 6316, 1357, 492}, kHeading},
    {"com_exit_3", Button, "Exit", {4645, 6316, 1354, 492}, kHeading},
    {"lab_credit7", Label, "Velmora calculators", {312, 6936, 1524, 192}},
    {"lab_credit8", GrowingLabel, "Compression ratio, static and dynamic", {4668, 6936, 1932, 384}},
    {"lab_credit10", Label, "Written by the Velmora developers", {312, 7152, 1812, 192}},
};
// clang-format on

// The ratio is read out under its label's caption, static or dynamic.
constexpr Spoken kResults[] = {
    {"Quench Distance", "txt_quench"},
    {"Displacement in cubic inches", "txt_DispIN"},
    {"Displacement in liters", "txt_DispCC"},
    {"", "txt_CR1"},
};

// After each toggle by the user (a click, or Space); a double click arrives
// as two clicks, and so leaves the box as it was with a fresh copy.
constexpr Spoken kStroke[] = {{"Stroke", "txt_stroke3"}};

constexpr Command kCheckBox[] = {{"Chk_dst1", core::Chk_dst1_Click, kStroke}};

constexpr std::string_view kCleared[] = {"txt_cyl",  "txt_bore", "txt_stroke3", "txt_CCvol",
                                         "txt_gast", "txt_gasb", "txt_deck",    "txt_pvol"};

}  // namespace

const Page kCompressionPage{
    .caption = "Compression Ratio Calculator",
    .controls = kControls,
    .calculate = {"com_go3", core::com_go3_Click, kResults},
    .clear = "com_clear3",
    .clears = kCleared,
    .exit = "com_exit_3",
    .more = kCheckBox,
};

}  // namespace design
