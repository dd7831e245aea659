#include "pages/compression_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "core/commands.h"
#include "pages/form.h"
#include "pages/shell.h"

using form::FieldRole;
using form::LabelFit;
using form::onPage;

CompressionPage::CompressionPage(Shell& shell, const QLineEdit* crankStroke,
                                 const QLineEdit* dynamicStroke, QWidget* parent)
    : QWidget(parent), shell_(shell), crankStroke_(crankStroke), dynamicStroke_(dynamicStroke) {
  const QFont title = form::font(13.8, true);
  const QFont bold = form::font(9.6, true);
  const QFont entry = form::font(7.8, true);
  const QFont buttonFont = form::font(12, true);
  const QFont small = form::windowFont();

  form::rectangle(this, "Shape2", onPage({552, 3804, 4236, 348}));

  form::label(this, "lab_CRC", QStringLiteral("Compression Ratio Calculator"),
              onPage({1656, 744, 4188, 348}), title, LabelFit::SizeToText);

  form::label(this, "Lab_cyl", QStringLiteral("Number of Cylinders"),
              onPage({600, 1176, 2052, 240}), bold, LabelFit::SizeToText);
  txt_cyl = form::field(this, "txt_cyl", onPage({5352, 1152, 876, 288}), entry, FieldRole::Input);
  txt_cyl->setText(QStringLiteral("8"));

  form::label(this, "lab_bore", QStringLiteral("Bore Diameter [in]"),
              onPage({600, 1512, 1860, 240}), bold, LabelFit::SizeToText);
  txt_bore = form::field(this, "txt_bore", onPage({5352, 1488, 876, 288}), entry, FieldRole::Input);

  form::label(this, "lab_stroke3", QStringLiteral("Stroke [in]"), onPage({600, 1836, 1044, 240}),
              bold, LabelFit::SizeToText);
  Chk_dst1 = form::checkBox(this, "Chk_dst1", QStringLiteral("Check box for Dynamic Stroke"),
                            onPage({1824, 1872, 3204, 192}), small,
                            QStringLiteral("Double click to update"));
  // The designed height (13 pixels) is less than the box and its caption
  // need; it grows about the designed centre line into the free space
  // between the rows, so nothing is clipped.
  {
    const QRect designed = Chk_dst1->geometry();
    const int height = std::max(designed.height(), Chk_dst1->sizeHint().height());
    Chk_dst1->setGeometry(designed.left(), designed.top() - (height - designed.height()) / 2,
                          designed.width(), height);
  }
  txt_stroke3 = form::field(
      this, "txt_stroke3", onPage({5352, 1812, 876, 288}), entry, FieldRole::Input,
      QStringLiteral(
          "Check box for Dynamic Stroke, Un-check for crank stroke double click to update"));

  form::label(this, "lab_chmvol", QStringLiteral("Combustion Chamber Volume [cc]"),
              onPage({600, 2172, 3408, 240}), bold, LabelFit::SizeToText);
  txt_CCvol =
      form::field(this, "txt_CCvol", onPage({5352, 2148, 876, 288}), entry, FieldRole::Input);

  form::label(this, "lab_gast", QStringLiteral("Head Gasket Thickness [in]"),
              onPage({600, 2496, 2772, 240}), bold, LabelFit::SizeToText);
  txt_gast = form::field(this, "txt_gast", onPage({5352, 2472, 876, 288}), entry, FieldRole::Input);

  form::label(this, "lab_gasb", QStringLiteral("Head Gasket Bore [in]"),
              onPage({600, 2832, 2232, 240}), bold, LabelFit::SizeToText);
  txt_gasb = form::field(this, "txt_gasb", onPage({5352, 2808, 876, 288}), entry, FieldRole::Input);

  form::label(this, "lab_deck", QStringLiteral("Piston To Deck clearance [in]"),
              onPage({600, 3168, 2964, 240}), bold, LabelFit::SizeToText);
  txt_deck = form::field(this, "txt_deck", onPage({5352, 3144, 876, 288}), entry, FieldRole::Input);

  form::label(this, "lab_DorF", QStringLiteral("What type of pistons do you have?"),
              onPage({600, 3504, 3408, 240}), bold, LabelFit::SizeToText);
  QWidget* pistonTypes = form::optionGroup(this, "pistonTypes", onPage({600, 3852, 3852, 240}),
                                           QStringLiteral("What type of pistons do you have?"));
  opt_FD = form::optionButton(pistonTypes, "opt_FD", QStringLiteral("Flat or Dished"),
                              onPage({600, 3852, 1980, 240}), bold);
  opt_dome = form::optionButton(pistonTypes, "opt_dome", QStringLiteral("Dome"),
                                onPage({3216, 3852, 1236, 240}), bold);
  // One exclusive group; neither is selected until the user picks one.
  auto* pistonType = new QButtonGroup(this);
  pistonType->setExclusive(true);
  pistonType->addButton(opt_FD);
  pistonType->addButton(opt_dome);

  form::label(this, "lab_pvol", QStringLiteral("Dish/ValveRelief/Dome Volume [positive cc]"),
              onPage({600, 4200, 4440, 240}), bold, LabelFit::SizeToText);
  txt_pvol = form::field(this, "txt_pvol", onPage({5352, 4176, 876, 288}), entry, FieldRole::Input,
                         QStringLiteral("Always use a positive number and select the proper "
                                        "piston type"));

  form::label(this, "Label1", QStringLiteral("Quench Distance"), onPage({600, 4872, 1740, 240}),
              bold, LabelFit::SizeToText);
  txt_quench =
      form::field(this, "txt_quench", onPage({5352, 4848, 876, 288}), entry, FieldRole::Result);

  form::label(this, "lab_DispIN", QStringLiteral("Displacement [Cubic Inches]"),
              onPage({600, 5208, 2892, 240}), bold, LabelFit::SizeToText);
  txt_DispIN =
      form::field(this, "txt_DispIN", onPage({5352, 5184, 876, 288}), entry, FieldRole::Result);

  form::label(this, "lab_dispCC", QStringLiteral("Displacement [liter]"),
              onPage({600, 5544, 1992, 240}), bold, LabelFit::SizeToText);
  txt_DispCC =
      form::field(this, "txt_DispCC", onPage({5352, 5520, 876, 288}), entry, FieldRole::Result);

  lab_CR1 = form::label(this, "lab_CR1", QStringLiteral("Calculated Static Compression Ratio"),
                        onPage({600, 5904, 3696, 240}), bold, LabelFit::SizeToText);
  txt_CR1 = form::field(this, "txt_CR1", onPage({5352, 5880, 876, 360}), bold, FieldRole::Result);
  form::setGreenText(txt_CR1);

  com_go3 = form::button(this, "com_go3", QStringLiteral("Calculate"),
                         onPage({925, 6316, 1357, 492}), buttonFont);
  com_clear3 = form::button(this, "com_clear3", QStringLiteral("Clear"),
                            onPage({2797, 6316, 1357, 492}), buttonFont);
  com_exit_3 = form::button(this, "com_exit_3", QStringLiteral("Exit"),
                            onPage({4645, 6316, 1354, 492}), buttonFont);

  form::label(this, "lab_credit7", QStringLiteral("Velmora calculators"),
              onPage({312, 6936, 1524, 192}), small, LabelFit::SizeToText);
  form::label(this, "lab_credit8", QStringLiteral("Compression ratio, static and dynamic"),
              onPage({4668, 6936, 1932, 384}), small, LabelFit::WrapAndGrow);
  form::label(this, "lab_credit10", QStringLiteral("Written by the Velmora developers"),
              onPage({312, 7152, 1812, 192}), small, LabelFit::SizeToText);

  form::nameByLabels(this, {{"Lab_cyl", "txt_cyl"},
                            {"lab_bore", "txt_bore"},
                            {"lab_stroke3", "txt_stroke3"},
                            {"lab_chmvol", "txt_CCvol"},
                            {"lab_gast", "txt_gast"},
                            {"lab_gasb", "txt_gasb"},
                            {"lab_deck", "txt_deck"},
                            {"lab_pvol", "txt_pvol"},
                            {"Label1", "txt_quench"},
                            {"lab_DispIN", "txt_DispIN"},
                            {"lab_dispCC", "txt_DispCC"},
                            {"lab_CR1", "txt_CR1"}});

  connect(com_go3, &QPushButton::clicked, this, &CompressionPage::com_go3_Click);
  connect(com_clear3, &QPushButton::clicked, this, &CompressionPage::com_clear3_Click);
  connect(com_exit_3, &QPushButton::clicked, this, &CompressionPage::com_exit_3_Click);
  // clicked, not toggled: only the user's clicks (and Space) copy a stroke.
  // A double click arrives as two clicks and so toggles twice, leaving the
  // box as it was with a fresh copy.
  connect(Chk_dst1, &QCheckBox::clicked, this, &CompressionPage::Chk_dst1_Click);
}

QList<QWidget*> CompressionPage::focusOrder() const {
  return {txt_cyl,  txt_bore, Chk_dst1, txt_stroke3, txt_CCvol, txt_gast,   txt_gasb,
          txt_deck, opt_FD,   opt_dome, txt_pvol,    com_go3,   com_clear3, com_exit_3};
}

void CompressionPage::com_go3_Click() {
  const bool done = form::carryOut(core::calculate_compression({
                                       .cylinders = form::fieldText(txt_cyl),
                                       .bore = form::fieldText(txt_bore),
                                       .stroke = form::fieldText(txt_stroke3),
                                       .chamber = form::fieldText(txt_CCvol),
                                       .gasket_thickness = form::fieldText(txt_gast),
                                       .gasket_bore = form::fieldText(txt_gasb),
                                       .deck = form::fieldText(txt_deck),
                                       .piston = form::fieldText(txt_pvol),
                                       .dome = opt_dome->isChecked(),
                                       .dynamic_stroke = Chk_dst1->isChecked(),
                                   }),
                                   this, shell_);
  if (done) {
    shell_.announce(form::readOut({{QStringLiteral("Quench Distance"), txt_quench},
                                   {QStringLiteral("Displacement in cubic inches"), txt_DispIN},
                                   {QStringLiteral("Displacement in liters"), txt_DispCC},
                                   {lab_CR1->text(), txt_CR1}}));
  }
}

void CompressionPage::Chk_dst1_Click() {
  form::carryOut(core::transfer_stroke(Chk_dst1->isChecked(), form::fieldText(crankStroke_),
                                       form::fieldText(dynamicStroke_)),
                 this, shell_);
  shell_.announce(form::readOut({{QStringLiteral("Stroke"), txt_stroke3}}));
}

void CompressionPage::com_clear3_Click() {
  txt_cyl->clear();
  txt_bore->clear();
  txt_stroke3->clear();
  txt_CCvol->clear();
  txt_gast->clear();
  txt_gasb->clear();
  txt_deck->clear();
  txt_pvol->clear();
}

void CompressionPage::com_exit_3_Click() { shell_.end_program(); }
