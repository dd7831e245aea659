// Page 1: valve events, total cam advance and overlap from the advertised
// durations, lobe separation angle and intake lobe centreline.
#include "pages/design.h"

namespace design {
namespace {

using enum Kind;
using enum Paint;

constexpr std::string_view kDurationTip = "Advertised not .050\" duration";

// One row a control; clang-format would break a row into one line a field.
// clang-format off
constexpr Control kControls[] = {
    {"lab_header", CentredLabel, "Timing and Overlap Calculator", {1320, 912, 4284, 348}, kTitle},
    {"shp_input_2", Outline, "", {336, 1584, 6252, 1956}},
    {"Lab_inputs_2", Label, "Input", {432, 1656, 588, 300}, kHeading},
    {"Lab_int_dur", WrappingLabel, "Advertised Intake Duration", {504, 2160, 1668, 468}, kBold,
     {.names = "txt_i_dur"}},
    {"txt_i_dur", Input, "", {2496, 2220, 780, 300}, kSmallBold,
     {.paint = WhiteBackground, .tooltip = kDurationTip}},
    {"Lab_exh_dur", WrappingLabel, "Advertised Exhaust Duration", {3648, 2160, 1764, 468}, kBold,
     {.names = "txt_e_dur"}},
    {"txt_e_dur", Input, "", {5472, 2220, 780, 300}, kSmallBold, {.tooltip = kDurationTip}},
    {"Lab_LSA", WrappingLabel, "Lobe Separation Angle", {504, 2760, 1692, 492}, kBold,
     {.names = "txt_LSA"}},
    {"txt_LSA", Input, "", {2496, 2832, 780, 300}, kSmallBold},
    {"Lab_Lobecenter", WrappingLabel, "Intake Lobe Centerline", {3648, 2784, 1776, 456}, kBold,
     {.names = "txt_ILC"}},
    {"txt_ILC", Input, "", {5472, 2832, 780, 300}, kSmallBold},
    {"SHP_results_2", Outline, "", {336, 3624, 5316, 2484}},
    {"LAB_results_2", WrappingLabel, "Results", {432, 3744, 1164, 300}, kHeading},
    {"lab_seat_time", WrappingLabel, "Seat Timing", {456, 4200, 1260, 228}, kBold},
    {"lab_s_open", Label, "Open", {1944, 4200, 540, 240}, kBold},
    {"lab_S_Close", Label, "Close", {3864, 4200, 588, 240}, kBold},
    {"lab_Int", Label, "Intake", {816, 4584, 612, 240}, kBold},
    {"txt_I_Open", Result, "", {1968, 4536, 780, 300}, kSmallBold,
     {.description = "Intake opens, degrees before top dead centre"}},
    {"lab_BTDC", Label, "BTDC", {2856, 4584, 624, 240}, kBold, {.names = "txt_I_Open"}},
    {"txt_I_Close", Result, "", {3840, 4536, 780, 360}, kBold,
     {.paint = GreenText, .description = "Intake closes, degrees after bottom dead centre"}},
    {"lab_ABDC", Label, "ABDC", {4752, 4596, 636, 240}, kBold, {.names = "txt_I_Close"}},
    {"lab_Exh", Label, "Exhaust", {816, 4932, 816, 240}, kBold},
    {"txt_E_Open", Result, "", {1968, 4896, 780, 300}, kSmallBold,
     {.description = "Exhaust opens, degrees before bottom dead centre"}},
    {"lab_BBTC", Label, "BBDC", {2856, 4932, 648, 240}, kBold, {.names = "txt_E_Open"}},
    {"txt_E_Close", Result, "", {3840, 4896, 780, 300}, kSmallBold,
     {.description = "Exhaust closes, degrees after top dead centre"}},
    {"lab_ATC", Label, "ATDC", {4752, 4932, 612, 240}, kBold, {.names = "txt_E_Close"}},
    {"lab_overlap", Label, "Overlap", {816, 5556, 792, 240}, kBold, {.names = "txt_overlap"}},
    {"txt_overlap", Result, "", {1968, 5532, 780, 300}, kSmallBold},
    {"lab_adv", Label, "Total Cam Adv", {3024, 5556, 1464, 240}, kBold, {.names = "txt_ADV"}},
    {"txt_ADV", Result, "", {4608, 5532, 780, 300}, kSmallBold,
     {.tooltip = "A negitive number means cam is retarded"}},
    {"Com_Go_2", Button, "Calculate", {924, 6316, 1356, 492}, kHeading},
    {"Com_Clear_2", Button, "Clear", {2796, 6316, 1356, 492}, kHeading},
    {"Com_exit_2", Button, "Exit", {4644, 6316, 1356, 492}, kHeading},
    {"Lab_credit5", Label, "Velmora calculators", {312, 6936, 1524, 192}},
    {"lab_credit4", Label, "Cam timing and overlap", {4668, 6936, 1560, 192}},
    {"lab_credit6", Label, "Written by the Velmora developers", {312, 7152, 1812, 192}},
};
// clang-format on

// In the page's order, each event named by its row and its column.
constexpr Spoken kResults[] = {
    {"Intake opens BTDC", "txt_I_Open"},  {"Intake closes ABDC", "txt_I_Close"},
    {"Exhaust opens BBDC", "txt_E_Open"}, {"Exhaust closes ATDC", "txt_E_Close"},
    {"Overlap", "txt_overlap"},           {"Total Cam Adv", "txt_ADV"},
};

constexpr std::string_view kCleared[] = {"txt_i_dur", "txt_e_dur", "txt_LSA", "txt_ILC"};

}  // namespace

const Page kCamTimingPage{
    .caption = "Cam Timing and Overlap Calculator",
    .controls = kControls,
    .calculate = {"Com_Go_2", core::Com_Go_2_Click, kResults},
    .clear = "Com_Clear_2",
    .clears = kCleared,
    .exit = "Com_exit_2",
};

}  // namespace design
