// Lays out a form's table: twips to pixels, the design's fonts, and one
// control of the toolkit for each row.
#include "pages/layout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>

#include "pages/colours.h"
#include "pages/outlines.h"

namespace layout {

using design::Kind;

QString text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

int toPixels(int twips) { return qRound(static_cast<double>(twips) / kTwipsPerPixel); }

QRect toPixels(const design::Twips& box) {
  return QRect(toPixels(box.left), toPixels(box.top), toPixels(box.width), toPixels(box.height));
}

QFont font(design::Font font) {
  QFont f;
  // Liberation Sans and Arimo share Arial's metrics, the closest match to
  // the design's captions; the list is tried in order.
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("Arimo"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(font.points);
  f.setBold(font.bold);
  return f;
}

QFont windowFont() { return font(design::kWindowFont); }

Label::Label(QWidget* parent, Kind kind, const QRect& box)
    : QLabel(parent), kind_(kind), box_(box) {}

void Label::setCaption(const QString& caption) {
  setText(caption);
  fit();
}

void Label::fit() {
  switch (kind_) {
    case Kind::CentredLabel:
      adjustSize();
      move(box_.center().x() - width() / 2, box_.top());
      break;
    case Kind::WrappingLabel:
      setGeometry(box_);
      break;
    case Kind::GrowingLabel:
      setGeometry(box_.left(), box_.top(), box_.width(),
                  std::max(box_.height(), heightForWidth(box_.width())));
      break;
    default:
      adjustSize();
      move(box_.topLeft());
      break;
  }
  fitted_ = true;
}

void Label::showEvent(QShowEvent* event) {
  if (!fitted_) fit();
  QLabel::showEvent(event);
}

namespace {

// An option button that stays a tab stop. When a button of an exclusive
// group gains the focus, Qt takes Tab focus away from the group's other
// buttons, so Tab would skip "Dome" after "Flat or Dished"; every option
// button is a tab stop here, so each gives them back once its own focus-in
// has run.
class OptionButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);
    if (QButtonGroup* buttons = group()) {
      for (QAbstractButton* b : buttons->buttons()) b->setFocusPolicy(Qt::StrongFocus);
    }
  }
};

// The designed height of the check box (13 pixels) is less than its box and
// caption need: it grows about the designed centre line into the free space
// between the rows, so nothing is clipped.
void growAboutCentre(QWidget* w) {
  const QRect designed = w->geometry();
  const int height = std::max(designed.height(), w->sizeHint().height());
  w->setGeometry(designed.left(), designed.top() - (height - designed.height()) / 2,
                 designed.width(), height);
}

// What the table's rows build, one after the other.
class Builder {
 public:
  Builder(QWidget* parent, int top) : parent_(parent), top_(top) {}

  void add(const design::Control& c) {
    const QRect box = toPixels({c.box.left, c.box.top - top_, c.box.width, c.box.height});
    QWidget* w = create(c, box);
    w->setObjectName(text(c.name));
    if (c.kind != Kind::Outline && c.kind != Kind::OptionGroup) w->setFont(font(c.font));
    // An option button keeps its place on the page inside its group.
    w->setGeometry(c.kind == Kind::OptionButton ? box.translated(-group_->pos()) : box);
    setUp(w, c);
    if (!c.details.description.empty()) w->setAccessibleDescription(text(c.details.description));
  }

  // Pairs each caption with the control it names: Qt's accessibility takes
  // a field's name from its buddy label, and follows the label when its
  // caption changes.
  void nameByCaptions(std::span<const design::Control> controls) const {
    for (const design::Control& c : controls) {
      if (c.details.names.empty()) continue;
      auto* l = parent_->findChild<QLabel*>(text(c.name), Qt::FindDirectChildrenOnly);
      auto* w = parent_->findChild<QWidget*>(text(c.details.names), Qt::FindDirectChildrenOnly);
      if (l && w) l->setBuddy(w);  // names.h reports a name that is not there
    }
  }

 private:
  QWidget* create(const design::Control& c, const QRect& box) {
    switch (c.kind) {
      case Kind::Label:
      case Kind::CentredLabel:
      case Kind::WrappingLabel:
      case Kind::GrowingLabel:
        return new Label(parent_, c.kind, box);
      case Kind::Input:
      case Kind::Result:
      case Kind::Display:
        return new QLineEdit(parent_);
      case Kind::Button:
        return new QPushButton(parent_);
      case Kind::CheckBox:
        return new QCheckBox(parent_);
      case Kind::OptionGroup:
        group_ = new OptionGroup(parent_);
        buttons_ = new QButtonGroup(parent_);  // one exclusive group
        return group_;
      case Kind::OptionButton:
        return new OptionButton(group_);
      case Kind::Outline:
        return outlines::add(parent_);
    }
    Q_UNREACHABLE();
  }

  void setUp(QWidget* w, const design::Control& c) const {
    const QString caption = text(c.caption);
    switch (c.kind) {
      case Kind::Label:
      case Kind::CentredLabel:
      case Kind::WrappingLabel:
      case Kind::GrowingLabel: {
        auto* l = static_cast<Label*>(w);
        l->setTextFormat(Qt::PlainText);
        l->setText(caption);
        l->setWordWrap(c.kind == Kind::WrappingLabel || c.kind == Kind::GrowingLabel);
        l->setAlignment(c.kind == Kind::CentredLabel ? Qt::AlignHCenter | Qt::AlignTop
                                                     : Qt::AlignLeft | Qt::AlignTop);
        break;
      }
      case Kind::Input:
      case Kind::Result:
      case Kind::Display: {
        auto* e = static_cast<QLineEdit*>(w);
        e->setToolTip(text(c.details.tooltip));
        // No length limit: a paste is kept whole, never cut at Qt's default 32767.
        e->setMaxLength(std::numeric_limits<int>::max());
        e->setReadOnly(c.kind != Kind::Input);
        // A result can still be clicked into, selected and copied; Tab passes it by.
        e->setFocusPolicy(c.kind == Kind::Result ? Qt::ClickFocus : Qt::StrongFocus);
        colours::paint(e, c.details.paint);
        if (!caption.isEmpty()) e->setText(caption);
        break;
      }
      case Kind::Button: {
        auto* b = static_cast<QPushButton*>(w);
        b->setText(caption);
        // Enter in a field never presses a button: no default button anywhere.
        b->setAutoDefault(false);
        b->setDefault(false);
        break;
      }
      case Kind::CheckBox:
        static_cast<QCheckBox*>(w)->setText(caption);
        w->setToolTip(text(c.details.tooltip));
        growAboutCentre(w);
        break;
      case Kind::OptionGroup:
        w->setAccessibleName(caption);
        break;
      case Kind::OptionButton:
        static_cast<QRadioButton*>(w)->setText(caption);
        buttons_->addButton(static_cast<QRadioButton*>(w));
        break;
      case Kind::Outline:
        break;
    }
  }

  QWidget* parent_;
  int top_;
  QWidget* group_ = nullptr;
  QButtonGroup* buttons_ = nullptr;
};

}  // namespace

void build(QWidget* parent, std::span<const design::Control> controls, int top) {
  Builder builder(parent, top);
  for (const design::Control& c : controls) builder.add(c);
  builder.nameByCaptions(controls);
}

}  // namespace layout
