#include "pages/cam_timing_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "core/commands.h"
#include "pages/form.h"
#include "pages/shell.h"

using form::FieldRole;
using form::LabelFit;
using form::onPage;

CamTimingPage::CamTimingPage(Shell& shell, QWidget* parent) : QWidget(parent), shell_(shell) {
  const QFont title = form::font(13.8, true);
  const QFont heading = form::font(12, true);
  const QFont bold = form::font(9.6, true);
  const QFont fieldFont = form::font(7.8, true);
  const QFont small = form::windowFont();
  const QString durationTip = QStringLiteral("Advertised not .050\" duration");

  form::rectangle(this, "shp_input_2", onPage({336, 1584, 6252, 1956}));
  form::rectangle(this, "SHP_results_2", onPage({336, 3624, 5316, 2484}));

  form::label(this, "lab_header", QStringLiteral("Timing and Overlap Calculator"),
              onPage({1320, 912, 4284, 348}), title, LabelFit::SizeToTextCentred);

  form::label(this, "Lab_inputs_2", QStringLiteral("Input"), onPage({432, 1656, 588, 300}), heading,
              LabelFit::SizeToText);
  form::label(this, "Lab_int_dur", QStringLiteral("Advertised Intake Duration"),
              onPage({504, 2160, 1668, 468}), bold, LabelFit::WrapInBox);
  txt_i_dur = form::field(this, "txt_i_dur", onPage({2496, 2220, 780, 300}), fieldFont,
                          FieldRole::Input, durationTip);
  form::setWhiteBackground(txt_i_dur);
  form::label(this, "Lab_exh_dur", QStringLiteral("Advertised Exhaust Duration"),
              onPage({3648, 2160, 1764, 468}), bold, LabelFit::WrapInBox);
  txt_e_dur = form::field(this, "txt_e_dur", onPage({5472, 2220, 780, 300}), fieldFont,
                          FieldRole::Input, durationTip);
  form::label(this, "Lab_LSA", QStringLiteral("Lobe Separation Angle"),
              onPage({504, 2760, 1692, 492}), bold, LabelFit::WrapInBox);
  txt_LSA =
      form::field(this, "txt_LSA", onPage({2496, 2832, 780, 300}), fieldFont, FieldRole::Input);
  form::label(this, "Lab_Lobecenter", QStringLiteral("Intake Lobe Centerline"),
              onPage({3648, 2784, 1776, 456}), bold, LabelFit::WrapInBox);
  txt_ILC =
      form::field(this, "txt_ILC", onPage({5472, 2832, 780, 300}), fieldFont, FieldRole::Input);

  form::label(this, "LAB_results_2", QStringLiteral("Results"), onPage({432, 3744, 1164, 300}),
              heading, LabelFit::WrapInBox);
  form::label(this, "lab_seat_time", QStringLiteral("Seat Timing"), onPage({456, 4200, 1260, 228}),
              bold, LabelFit::WrapInBox);
  form::label(this, "lab_s_open", QStringLiteral("Open"), onPage({1944, 4200, 540, 240}), bold,
              LabelFit::SizeToText);
  form::label(this, "lab_S_Close", QStringLiteral("Close"), onPage({3864, 4200, 588, 240}), bold,
              LabelFit::SizeToText);

  form::label(this, "lab_Int", QStringLiteral("Intake"), onPage({816, 4584, 612, 240}), bold,
              LabelFit::SizeToText);
  txt_I_Open =
      form::field(this, "txt_I_Open", onPage({1968, 4536, 780, 300}), fieldFont, FieldRole::Result);
  form::label(this, "lab_BTDC", QStringLiteral("BTDC"), onPage({2856, 4584, 624, 240}), bold,
              LabelFit::SizeToText);
  txt_I_Close =
      form::field(this, "txt_I_Close", onPage({3840, 4536, 780, 360}), bold, FieldRole::Result);
  form::setGreenText(txt_I_Close);
  form::label(this, "lab_ABDC", QStringLiteral("ABDC"), onPage({4752, 4596, 636, 240}), bold,
              LabelFit::SizeToText);

  form::label(this, "lab_Exh", QStringLiteral("Exhaust"), onPage({816, 4932, 816, 240}), bold,
              LabelFit::SizeToText);
  txt_E_Open =
      form::field(this, "txt_E_Open", onPage({1968, 4896, 780, 300}), fieldFont, FieldRole::Result);
  form::label(this, "lab_BBTC", QStringLiteral("BBDC"), onPage({2856, 4932, 648, 240}), bold,
              LabelFit::SizeToText);
  txt_E_Close = form::field(this, "txt_E_Close", onPage({3840, 4896, 780, 300}), fieldFont,
                            FieldRole::Result);
  form::label(this, "lab_ATC", QStringLiteral("ATDC"), onPage({4752, 4932, 612, 240}), bold,
              LabelFit::SizeToText);

  form::label(this, "lab_overlap", QStringLiteral("Overlap"), onPage({816, 5556, 792, 240}), bold,
              LabelFit::SizeToText);
  txt_overlap = form::field(this, "txt_overlap", onPage({1968, 5532, 780, 300}), fieldFont,
                            FieldRole::Result);
  form::label(this, "lab_adv", QStringLiteral("Total Cam Adv"), onPage({3024, 5556, 1464, 240}),
              bold, LabelFit::SizeToText);
  txt_ADV =
      form::field(this, "txt_ADV", onPage({4608, 5532, 780, 300}), fieldFont, FieldRole::Result,
                  QStringLiteral("A negitive number means cam is retarded"));

  const QFont buttonFont = form::font(12, true);
  Com_Go_2 = form::button(this, "Com_Go_2", QStringLiteral("Calculate"),
                          onPage({924, 6316, 1356, 492}), buttonFont);
  Com_Clear_2 = form::button(this, "Com_Clear_2", QStringLiteral("Clear"),
                             onPage({2796, 6316, 1356, 492}), buttonFont);
  Com_exit_2 = form::button(this, "Com_exit_2", QStringLiteral("Exit"),
                            onPage({4644, 6316, 1356, 492}), buttonFont);

  form::label(this, "Lab_credit5", QStringLiteral("Velmora calculators"),
              onPage({312, 6936, 1524, 192}), small, LabelFit::SizeToText);
  form::label(this, "lab_credit4", QStringLiteral("Cam timing and overlap"),
              onPage({4668, 6936, 1560, 192}), small, LabelFit::SizeToText);
  form::label(this, "lab_credit6", QStringLiteral("Written by the Velmora developers"),
              onPage({312, 7152, 1812, 192}), small, LabelFit::SizeToText);

  form::nameByLabels(this, {{"Lab_int_dur", "txt_i_dur"},
                            {"Lab_exh_dur", "txt_e_dur"},
                            {"Lab_LSA", "txt_LSA"},
                            {"Lab_Lobecenter", "txt_ILC"},
                            {"lab_BTDC", "txt_I_Open"},
                            {"lab_ABDC", "txt_I_Close"},
                            {"lab_ATC", "txt_E_Close"},
                            {"lab_BBTC", "txt_E_Open"},
                            {"lab_overlap", "txt_overlap"},
                            {"lab_adv", "txt_ADV"}});
  // The column captions say which event a result is; a screen reader hears it too.
  for (const auto& [name, description] :
       {std::pair{"txt_I_Open", "Intake opens, degrees before top dead centre"},
        std::pair{"txt_I_Close", "Intake closes, degrees after bottom dead centre"},
        std::pair{"txt_E_Close", "Exhaust closes, degrees after top dead centre"},
        std::pair{"txt_E_Open", "Exhaust opens, degrees before bottom dead centre"}}) {
    findChild<QLineEdit*>(QString::fromLatin1(name))
        ->setAccessibleDescription(QString::fromLatin1(description));
  }

  connect(Com_Go_2, &QPushButton::clicked, this, &CamTimingPage::Com_Go_2_Click);
  connect(Com_Clear_2, &QPushButton::clicked, this, &CamTimingPage::Com_Clear_2_Click);
  connect(Com_exit_2, &QPushButton::clicked, this, &CamTimingPage::Com_exit_2_Click);
}

QList<QWidget*> CamTimingPage::focusOrder() const {
  return {txt_i_dur, txt_e_dur, txt_LSA, txt_ILC, Com_Go_2, Com_Clear_2, Com_exit_2};
}

void CamTimingPage::Com_Go_2_Click() {
  const bool done = form::carryOut(core::calculate_cam_timing({
                                       .intake_duration = form::fieldText(txt_i_dur),
                                       .exhaust_duration = form::fieldText(txt_e_dur),
                                       .lobe_separation = form::fieldText(txt_LSA),
                                       .intake_centreline = form::fieldText(txt_ILC),
                                   }),
                                   this, shell_);
  // In the page's order, each event named by its row and its column.
  if (done) {
    shell_.announce(form::readOut({{QStringLiteral("Intake opens BTDC"), txt_I_Open},
                                   {QStringLiteral("Intake closes ABDC"), txt_I_Close},
                                   {QStringLiteral("Exhaust opens BBDC"), txt_E_Open},
                                   {QStringLiteral("Exhaust closes ATDC"), txt_E_Close},
                                   {QStringLiteral("Overlap"), txt_overlap},
                                   {QStringLiteral("Total Cam Adv"), txt_ADV}}));
  }
}

void CamTimingPage::Com_Clear_2_Click() {
  txt_i_dur->clear();
  txt_e_dur->clear();
  txt_LSA->clear();
  txt_ILC->clear();
}

void CamTimingPage::Com_exit_2_Click() { shell_.end_program(); }
