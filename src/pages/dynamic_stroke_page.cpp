#include "pages/dynamic_stroke_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/commands.h"
#include "pages/form.h"
#include "pages/shell.h"

using form::FieldRole;
using form::LabelFit;
using form::onPage;

DynamicStrokePage::DynamicStrokePage(Shell& shell, QWidget* parent)
    : QWidget(parent), shell_(shell) {
  const QFont title = form::font(13.8, true);
  const QFont heading = form::font(12, true);
  const QFont bold = form::font(9.6, true);
  const QFont regular = form::font(9.6, false);
  const QFont note = form::font(7.8, true);
  const QFont small = form::windowFont();

  form::rectangle(this, "Shape3", onPage({300, 1608, 3540, 2148}));
  form::rectangle(this, "Shape1", onPage({312, 3960, 3540, 2004}));

  form::label(this, "Lab_DSC_", QStringLiteral("Dynamic Stroke Length Calculator"),
              onPage({1356, 912, 4740, 348}), title, LabelFit::SizeToTextCentred);
  form::label(this, "Lab_Inputs", QStringLiteral("Input"), onPage({540, 1680, 588, 300}), heading,
              LabelFit::SizeToText);
  form::label(this, "Lab_Stroke", QStringLiteral("Crank Stroke"), onPage({684, 2148, 1308, 240}),
              bold, LabelFit::SizeToText);
  txt_Stroke =
      form::field(this, "txt_Stroke", onPage({2700, 2088, 708, 360}), regular, FieldRole::Input);
  form::setWhiteBackground(txt_Stroke);
  form::label(this, "Lab_rod_length", QStringLiteral("Rod Length"), onPage({684, 2652, 1152, 240}),
              bold, LabelFit::SizeToText);
  txt_rod = form::field(this, "txt_rod", onPage({2700, 2592, 708, 360}), regular, FieldRole::Input);
  form::label(this, "Lab_Valve_angle", QStringLiteral("ADV Intake Closing Angle"),
              onPage({684, 3036, 1452, 528}), bold, LabelFit::WrapInBox);
  txt_IVA = form::field(this, "txt_IVA", onPage({2700, 3120, 708, 360}), regular, FieldRole::Input,
                        QStringLiteral("Always use the seat timing not .050\" timing"));

  form::label(this, "Lab_outputs", QStringLiteral("Results"), onPage({552, 4032, 864, 300}),
              heading, LabelFit::SizeToText);
  form::label(this, "Lab_DST", QStringLiteral("Dynamic Stroke Length"),
              onPage({696, 4536, 1716, 516}), bold, LabelFit::WrapInBox);
  Txt_DST = form::field(this, "Txt_DST", onPage({2688, 4536, 708, 360}), bold, FieldRole::Result);
  form::setGreenText(Txt_DST);
  form::label(this, "Lab_dist", QStringLiteral("Distance of piston from BDC"),
              onPage({696, 5280, 1836, 492}), bold, LabelFit::WrapInBox);
  Txt_BDC =
      form::field(this, "Txt_BDC", onPage({2688, 5352, 708, 360}), regular, FieldRole::Result);

  form::label(this, "Lab_inst2",
              QStringLiteral("Since compression cannot start until the intake valve closes "
                             "completely, it is necessary to use seat timing rather than .050\" "
                             "timing. Be sure to use the advertised duration or intake seat "
                             "timing for Dynamic Compression Ratio calculations."),
              onPage({4188, 1764, 2436, 1836}), note, LabelFit::WrapInBox);
  form::label(this, "Lab_instruction",
              QStringLiteral("Use the Dynamic Stroke Length to calculate the Dynamic Compression "
                             "Ratio. Using your favorite CR Calculator or the one included here, "
                             "input this number for the stroke. "),
              onPage({4176, 4170, 2436, 1584}), note, LabelFit::WrapInBox);

  const QFont buttonFont = form::font(12, true);
  Com_go = form::button(this, "Com_go", QStringLiteral("Calculate"), onPage({924, 6316, 1356, 492}),
                        buttonFont);
  Com_clear = form::button(this, "Com_clear", QStringLiteral("Clear"),
                           onPage({2796, 6316, 1356, 492}), buttonFont);
  Com_exit = form::button(this, "Com_exit", QStringLiteral("Exit"), onPage({4644, 6316, 1356, 492}),
                          buttonFont);

  form::label(this, "Lab_Credit1", QStringLiteral("Velmora calculators"),
              onPage({312, 6936, 1524, 192}), small, LabelFit::SizeToText);
  form::label(this, "Lab_credit2", QStringLiteral("Written by the Velmora developers"),
              onPage({312, 7152, 3024, 192}), small, LabelFit::SizeToText);
  form::label(this, "lab_credit3", QStringLiteral("Dynamic stroke geometry"),
              onPage({4668, 6936, 1716, 192}), small, LabelFit::SizeToText);

  form::nameByLabels(this, {{"Lab_Stroke", "txt_Stroke"},
                            {"Lab_rod_length", "txt_rod"},
                            {"Lab_Valve_angle", "txt_IVA"},
                            {"Lab_DST", "Txt_DST"},
                            {"Lab_dist", "Txt_BDC"}});

  connect(Com_go, &QPushButton::clicked, this, &DynamicStrokePage::Com_go_Click);
  connect(Com_clear, &QPushButton::clicked, this, &DynamicStrokePage::Com_clear_Click);
  connect(Com_exit, &QPushButton::clicked, this, &DynamicStrokePage::Com_exit_Click);
}

QList<QWidget*> DynamicStrokePage::focusOrder() const {
  return {txt_Stroke, txt_rod, txt_IVA, Com_go, Com_clear, Com_exit};
}

void DynamicStrokePage::Com_go_Click() {
  const bool done = form::carryOut(core::calculate_dynamic_stroke({
                                       .stroke = form::fieldText(txt_Stroke),
                                       .rod = form::fieldText(txt_rod),
                                       .closing_angle = form::fieldText(txt_IVA),
                                   }),
                                   this, shell_);
  if (done) {
    shell_.announce(form::readOut({{QStringLiteral("Dynamic Stroke Length"), Txt_DST},
                                   {QStringLiteral("Distance of piston from BDC"), Txt_BDC}}));
  }
}

void DynamicStrokePage::Com_clear_Click() {
  txt_rod->clear();
  txt_IVA->clear();
  Txt_DST->clear();
  Txt_BDC->clear();
  txt_Stroke->clear();
}

void DynamicStrokePage::Com_exit_Click() { shell_.end_program(); }
