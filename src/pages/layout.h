#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <span>

#include "pages/design.h"

// Laying out the fixed forms from their tables (design.h). Twips map to
// device-independent pixels at 15 a pixel, each edge rounded on its own, and
// Qt scales them for high-DPI screens.
namespace layout {

inline constexpr int kTwipsPerPixel = 15;
// Page controls are designed relative to the tab control's corner, tab strip
// included; the strip takes the top 600 twips.
inline constexpr int kTabStripTwips = 600;

// A table's text: a name, caption or tooltip.
QString text(std::string_view s);

int toPixels(int twips);
QRect toPixels(const design::Twips& box);

// The design's face is "MS Sans Serif"; where it is missing (on Linux it is)
// a metric-compatible sans-serif stands in. Sizes are fractional points.
QFont font(design::Font font);
QFont windowFont();  // 8 pt regular

// Builds the controls of a table as children of parent, in the table's
// order, each named after its control. top is where parent's top edge lies
// in the table's coordinates: kTabStripTwips for a page, 0 for the strip.
void build(QWidget* parent, std::span<const design::Control> controls, int top = 0);

// A label that fits its caption when it is first shown, and again when the
// caption changes: the captions of the pages not in front are measured only
// when the user brings a page there, as Qt's layouts do it.
class Label : public QLabel {
  Q_OBJECT

 public:
  Label(QWidget* parent, design::Kind kind, const QRect& box);
  // Sets the caption and fits it again.
  void setCaption(const QString& caption);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fit();

  design::Kind kind_;
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

}  // namespace layout
