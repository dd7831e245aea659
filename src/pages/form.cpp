#include "pages/form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QChildEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>

#include "pages/shell.h"

namespace form {

int toPixels(int twips) { return qRound(static_cast<double>(twips) / kTwipsPerPixel); }

QRect toPixels(const Twips& box) {
  return QRect(toPixels(box.left), toPixels(box.top), toPixels(box.width), toPixels(box.height));
}

QRect onPage(const Twips& box) {
  return toPixels(Twips{box.left, box.top - kTabStripTwips, box.width, box.height});
}

QFont font(double points, bool bold) {
  QFont f;
  // Liberation Sans and Arimo share Arial's metrics, the closest match to
  // the design's captions; the list is tried in order.
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("Arimo"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

QFont windowFont() { return font(8.0, false); }

namespace {

// Names a new control after its control name and puts it in its box.
template <typename Widget>
Widget* place(Widget* w, const char* name, const QRect& box, const QFont& f) {
  w->setObjectName(QString::fromLatin1(name));
  w->setFont(f);
  w->setGeometry(box);
  return w;
}

template <typename Widget>
Widget* make(QWidget* parent, const char* name, const QRect& box, const QFont& f) {
  return place(new Widget(parent), name, box, f);
}

}  // namespace

void Label::fit() {
  switch (fit_) {
    case LabelFit::SizeToText:
      adjustSize();
      move(box_.topLeft());
      break;
    case LabelFit::SizeToTextCentred:
      adjustSize();
      move(box_.center().x() - width() / 2, box_.top());
      break;
    case LabelFit::WrapInBox:
      setGeometry(box_);
      break;
    case LabelFit::WrapAndGrow:
      setGeometry(box_.left(), box_.top(), box_.width(),
                  std::max(box_.height(), heightForWidth(box_.width())));
      break;
  }
  fitted_ = true;
}

void Label::showEvent(QShowEvent* event) {
  if (!fitted_) fit();
  QLabel::showEvent(event);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& box,
              const QFont& f, LabelFit fit) {
  auto* l = place(new Label(parent, fit, box), name, box, f);
  l->setTextFormat(Qt::PlainText);
  l->setText(caption);
  l->setWordWrap(fit == LabelFit::WrapInBox || fit == LabelFit::WrapAndGrow);
  l->setAlignment(fit == LabelFit::SizeToTextCentred ? Qt::AlignHCenter | Qt::AlignTop
                                                     : Qt::AlignLeft | Qt::AlignTop);
  return l;
}

void setCaption(QLabel* l, const QString& caption) {
  l->setText(caption);
  if (auto* fitted = qobject_cast<Label*>(l)) fitted->fit();
}

QLineEdit* field(QWidget* parent, const char* name, const QRect& box, const QFont& f,
                 FieldRole role, const QString& tooltip) {
  auto* e = make<QLineEdit>(parent, name, box, f);
  e->setToolTip(tooltip);
  // No length limit: a paste is kept whole, never cut at Qt's default 32767.
  e->setMaxLength(std::numeric_limits<int>::max());
  if (role != FieldRole::Input) {
    e->setReadOnly(true);
  }
  // A result can still be clicked into, selected and copied; Tab passes it by.
  e->setFocusPolicy(role == FieldRole::Result ? Qt::ClickFocus : Qt::StrongFocus);
  return e;
}

void write(QLineEdit* field, const QString& text) {
  field->setText(text);
  field->setCursorPosition(0);
}

// A field whose design fixes one of its two colours gets the other from the
// design's classic default too, so no desktop theme can pair them badly:
// light text on the fixed white, or the fixed green on a dark field. Only
// these two roles are set on the field; the rest, selection colours
// included, keeps following the desktop palette, even when it changes
// while the window is open.
namespace {

void pinColours(QLineEdit* e, const QColor& text, const QColor& base) {
  QPalette p = e->palette();
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Base, base);
  e->setPalette(p);
}

}  // namespace

void setGreenText(QLineEdit* e) { pinColours(e, QColor(0, 128, 0), Qt::white); }

void setWhiteBackground(QLineEdit* e) { pinColours(e, Qt::black, Qt::white); }

std::u16string fieldText(const QLineEdit* field) { return field->text().toStdU16String(); }

bool carryOut(const core::Outcome& outcome, QWidget* page, Shell& shell) {
  for (const core::Write& w : outcome.writes) {
    const QString name =
        QString::fromLatin1(w.control.data(), static_cast<qsizetype>(w.control.size()));
    // Most controls a command writes are on its own page, the others in the window.
    QWidget* control = page->findChild<QWidget*>(name);
    if (control == nullptr) control = page->window()->findChild<QWidget*>(name);
    const QString text = QString::fromStdU16String(w.text);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
      write(field, text);
    } else if (auto* caption = qobject_cast<QLabel*>(control)) {
      setCaption(caption, text);
    } else {
      Q_ASSERT_X(false, "form::carryOut", "no field or label of that name");
    }
  }
  if (outcome.message.empty()) return true;
  shell.show_message(
      QString::fromLatin1(outcome.message.data(), static_cast<qsizetype>(outcome.message.size())));
  return false;
}

QString readOut(std::initializer_list<std::pair<QString, const QLineEdit*>> results) {
  QStringList spoken;
  for (const auto& [caption, field] : results) {
    spoken << caption + QLatin1Char(' ') +
                  (field->text().isEmpty() ? QStringLiteral("blank") : field->text());
  }
  return spoken.join(QStringLiteral(", "));
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& box,
                    const QFont& f) {
  auto* b = make<QPushButton>(parent, name, box, f);
  b->setText(caption);
  // Enter in a field never presses a button: no default button anywhere.
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QRect& box,
                    const QFont& f, const QString& tooltip) {
  auto* c = make<QCheckBox>(parent, name, box, f);
  c->setText(caption);
  c->setToolTip(tooltip);
  return c;
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

}  // namespace

QWidget* optionGroup(QWidget* parent, const char* name, const QRect& box, const QString& question) {
  auto* group = make<OptionGroup>(parent, name, box, parent->font());
  group->setAccessibleName(question);
  return group;
}

QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption,
                           const QRect& box, const QFont& f) {
  // Inside an option group the button keeps its place on the page.
  const bool grouped = qobject_cast<OptionGroup*>(parent) != nullptr;
  auto* r = make<OptionButton>(parent, name, grouped ? box.translated(-parent->pos()) : box, f);
  r->setText(caption);
  return r;
}

void nameByLabels(QWidget* parent,
                  std::initializer_list<std::pair<const char*, const char*>> pairs) {
  for (const auto& [labelName, fieldName] : pairs) {
    auto* l =
        parent->findChild<QLabel*>(QString::fromLatin1(labelName), Qt::FindDirectChildrenOnly);
    auto* w =
        parent->findChild<QWidget*>(QString::fromLatin1(fieldName), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(l && w, "form::nameByLabels", labelName);
    // Qt's accessibility takes a field's name from its buddy label, and
    // follows the label when its caption changes.
    if (l && w) l->setBuddy(w);
  }
}

namespace {

// An outline rectangle is an empty widget with the rectangle's name and box,
// which paints nothing and takes no input; its page draws the outline (see
// OutlinePainter). It stacks above the page's other controls, and so comes
// after them among the page's accessible children: a screen reader asking
// for the object under the pointer gets the field or label inside the
// rectangle, and the rectangle only where no control is.
class Outline : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

// Draws the outlines of a page's rectangles on the page itself, before any
// control is drawn, so they lie behind every control. Each edge is whole
// device pixels, placed where the rectangle's box falls on the screen and
// as thick as one pixel scales to (at least one): at fractional scale
// factors a rectangle drawn by a child widget of its own lost an edge when
// its box ended part-way through a device pixel.
class OutlinePainter : public QObject {
  Q_OBJECT

 public:
  explicit OutlinePainter(QWidget* page) : QObject(page) { page->installEventFilter(this); }

  static void raiseOutlines(QWidget* page) {
    for (Outline* o : page->findChildren<Outline*>(Qt::FindDirectChildrenOnly)) o->raise();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* page = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint) {
      paint(page);
    } else if (event->type() == QEvent::ChildAdded &&
               static_cast<QChildEvent*>(event)->child()->isWidgetType()) {
      raiseOutlines(page);
    }
    return false;
  }

 private:
  static void paint(QWidget* page) {
    QPainter painter(page);
    const QTransform toDevice = painter.deviceTransform();
    const QTransform toPage = toDevice.inverted();
    const int line = std::max(1, qRound(toDevice.m11()));
    const QColor ink = page->palette().color(QPalette::WindowText);
    for (Outline* o : page->findChildren<Outline*>(Qt::FindDirectChildrenOnly)) {
      if (o->isHidden()) continue;
      const QRectF box = toDevice.mapRect(QRectF(o->geometry()));
      const int left = qRound(box.left()), top = qRound(box.top());
      const int right = qRound(box.right()), bottom = qRound(box.bottom());  // exclusive
      const QRect edges[] = {{left, top, right - left, line},
                             {left, bottom - line, right - left, line},
                             {left, top, line, bottom - top},
                             {right - line, top, line, bottom - top}};
      for (const QRect& edge : edges) painter.fillRect(toPage.mapRect(QRectF(edge)), ink);
    }
  }
};

}  // namespace

QWidget* rectangle(QWidget* parent, const char* name, const QRect& box) {
  auto* outline = make<Outline>(parent, name, box, parent->font());
  outline->setAttribute(Qt::WA_TransparentForMouseEvents);
  if (parent->findChild<OutlinePainter*>(QString(), Qt::FindDirectChildrenOnly) == nullptr) {
    new OutlinePainter(parent);
  }
  OutlinePainter::raiseOutlines(parent);
  return outline;
}

}  // namespace form

#include "form.moc"
