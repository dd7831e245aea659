#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/commands.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class Shell;

// Building the fixed forms. Positions are designed in twips (1/1440 inch);
// they map to device-independent pixels at 15 twips per pixel and Qt scales
// them for high-DPI screens.
namespace form {

inline constexpr int kTwipsPerPixel = 15;
// Page controls are designed relative to the tab control's corner, tab strip
// included; the strip takes the top 600 twips.
inline constexpr int kTabStripTwips = 600;

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

int toPixels(int twips);
QRect toPixels(const Twips& box);
// A page control's box in the page's own coordinates, below the tab strip.
QRect onPage(const Twips& box);

// The design's face is "MS Sans Serif"; where it is missing (on Linux it is)
// a metric-compatible sans-serif stands in. Sizes are fractional points.
QFont font(double points, bool bold);
QFont windowFont();  // 8 pt regular

enum class LabelFit {
  SizeToText,         // one line, as wide and high as its caption needs
  SizeToTextCentred,  // as SizeToText, centred on the designed box
  WrapInBox,          // wraps at the box's width inside the box
  WrapAndGrow,        // wraps at the box's width, grows downwards as needed
};

// A label that fits its caption when it is first shown, and again when the
// caption changes: the captions of the pages not in front are measured only
// when the user brings a page there, as Qt's layouts do it.
class Label : public QLabel {
  Q_OBJECT

 public:
  Label(QWidget* parent, LabelFit fit, const QRect& box) : QLabel(parent), fit_(fit), box_(box) {}
  void fit();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  LabelFit fit_;
  QRect box_;
  bool fitted_ = false;
};

// An invisible container of option buttons, named by the question they
// answer, which a screen reader says as the focus enters it.
class OptionGroup : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

// Creates a child of parent named after its control. Boxes are in the
// parent's own coordinates: pass toPixels() for window controls and
// onPage() for page controls.
QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& box,
              const QFont& font, LabelFit fit);
// Sets a label's caption and keeps its fit (self-sizing labels resize).
void setCaption(QLabel* label, const QString& caption);

enum class FieldRole {
  Input,    // typed by the user, a tab stop
  Result,   // read-only, skipped by Tab, still selectable and copyable
  Display,  // read-only but a tab stop (the strip above the tabs)
};
QLineEdit* field(QWidget* parent, const char* name, const QRect& box, const QFont& font,
                 FieldRole role, const QString& tooltip = {});
// The design's green text, RGB 0, 128, 0, on a white field whatever the
// desktop's theme.
void setGreenText(QLineEdit* field);
// Writes a field the program fills, showing the start of its text: a
// number longer than a narrow field then reads "287.0301512", not its tail
// "0151210616", which looks like a different number.
void write(QLineEdit* field, const QString& text);
// A white field, with black text whatever the desktop's theme.
void setWhiteBackground(QLineEdit* field);

// A field's text as the commands take it.
std::u16string fieldText(const QLineEdit* field);
// Carries out what a page's command decided: each text goes into the
// control of that name, on the page or elsewhere in its window, in order (a
// field's text with write(), a label's caption with setCaption()), then the
// message shows, if there is one. Gives whether the command went through
// without a message.
bool carryOut(const core::Outcome& outcome, QWidget* page, Shell& shell);
// What a screen reader says of a page's results: each field's text after its
// caption, "Dynamic Stroke Length 2.81279161755714, Distance of ...".
QString readOut(std::initializer_list<std::pair<QString, const QLineEdit*>> results);

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& box,
                    const QFont& font);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QRect& box,
                    const QFont& font, const QString& tooltip = {});
// An invisible box around option buttons, which a screen reader names by
// the question they answer. Option buttons made inside it keep the boxes
// they are given on its parent.
QWidget* optionGroup(QWidget* parent, const char* name, const QRect& box, const QString& question);
QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption,
                           const QRect& box, const QFont& font);
// Pairs each field with the label beside it (label name, field name), so a
// screen reader announces a field by its label's caption: "Crank Stroke, edit".
void nameByLabels(QWidget* parent,
                  std::initializer_list<std::pair<const char*, const char*>> pairs);

// An outline rectangle, one pixel, window-text colour, behind the controls;
// the widget returned carries its name and box. Every edge shows at any
// scale factor.
QWidget* rectangle(QWidget* parent, const char* name, const QRect& box);

}  // namespace form
