#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <utility>

#include "app/tab_control.h"
#include "pages/layout.h"

namespace accessibility {
namespace {

// A caption as a screen reader sees it. Orca's flat review reads as one line
// the objects whose vertical centres are a few pixels apart at most, so a
// caption wrapping onto two lines beside a one-line field would be a line
// of its own, apart from the field's value: the caption of a field takes
// the place and height of the field's line of text as its box.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? label()->text() : QAccessibleWidget::text(t);
  }
  QRect rect() const override {
    QRect box = QAccessibleWidget::rect();
    if (label()->buddy() == nullptr) return box;
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(label()->buddy());
    QAccessibleTextInterface* text = field->textInterface();
    const QRect line =
        text != nullptr && text->characterCount() > 0 ? text->characterRect(0) : field->rect();
    box.moveTop(line.top());
    box.setHeight(line.height());
    return box;
  }
  // The caption still names its field.
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto related = QAccessibleWidget::relations(match);
    if ((match & QAccessible::Labelled) && label()->buddy() != nullptr) {
      related.append(
          {QAccessible::queryAccessibleInterface(label()->buddy()), QAccessible::Labelled});
    }
    return related;
  }

 private:
  QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// The stack of pages, as a plain container, where Qt would make it a
// "layered pane" that Orca reads out and lists.
class PageStackAccessible : public QAccessibleWidget {
 public:
  explicit PageStackAccessible(QStackedWidget* stack)
      : QAccessibleWidget(stack, QAccessible::Client) {}

  // Screen readers keep what they first learn of whether an object is
  // visible: a page or control they first see while it is behind stays
  // invisible to them for good, and Orca's flat review leaves it out (Orca 43
  // with Qt 6.4 and Orca 48 with Qt 6.8 alike). So the stack's one accessible
  // child is the page in front; they never see the pages behind, and hear
  // nothing from the controls hidden with them (see filterEvents).
  int childCount() const override { return front() != nullptr ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && front() != nullptr ? QAccessible::queryAccessibleInterface(front())
                                            : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == front() ? 0 : -1;
  }

 private:
  QWidget* front() const { return static_cast<QStackedWidget*>(widget())->currentWidget(); }
};

bool isPageStack(const QWidget* widget) {
  return qobject_cast<const QStackedWidget*>(widget) != nullptr &&
         qobject_cast<const TabControl*>(widget->parentWidget()) != nullptr;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt 6.4 has no announcements. Orca speaks a notification, by its name, when
// it is shown, and leaves out the word "notification" when it lies in a
// status bar: the announcer is a hidden status bar holding one empty
// notification, shown anew with each message as its name. Hidden, neither
// is a line of the screen reader's flat review.
QAccessibleInterface* announcerRole(QWidget* widget) {
  if (qobject_cast<Announcer*>(widget) != nullptr) {
    return new QAccessibleWidget(widget, QAccessible::StatusBar);
  }
  if (qobject_cast<Announcer*>(widget->parentWidget()) != nullptr) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  return nullptr;
}
#else
QAccessibleInterface* announcerRole(QWidget*) { return nullptr; }
#endif

// Qt asks the factories once for each object, the first time it is queried.
QAccessibleInterface* roleOf(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (auto* label = qobject_cast<layout::Label*>(widget)) return new LabelAccessible(label);
  // Option buttons are named by the question they answer as the focus
  // enters their invisible group.
  if (qobject_cast<layout::OptionGroup*>(widget) != nullptr) {
    return new QAccessibleWidget(widget, QAccessible::Grouping);
  }
  if (isPageStack(widget)) return new PageStackAccessible(static_cast<QStackedWidget*>(widget));
  // Each page is a page tab, named by its caption.
  if (widget->parentWidget() != nullptr && isPageStack(widget->parentWidget())) {
    return new QAccessibleWidget(widget, QAccessible::PageTab);
  }
  return announcerRole(widget);
}

// The update handler installed before ours, if any.
QAccessible::UpdateHandler passOn = nullptr;

// Passes on every accessibility event but:
// - those of a widget hidden with an ancestor, such as the controls of a
//   page going behind: a screen reader asks about a control's state when it
//   hears from it, and keeps the answer (PageStackAccessible);
// - the tab bar's selection of a new tab while the focus is elsewhere, as
//   on Ctrl+Tab: Orca 48 takes the selected tab for the focus, says the
//   page's name again after the focused field, again on the next Tab, and
//   reviews the tab strip as the current line.
void filterEvents(QAccessibleEvent* event) {
  auto* widget = qobject_cast<QWidget*>(event->object());
  if (widget != nullptr) {
    if (!widget->isVisible() && !widget->isHidden()) return;
    if (event->type() == QAccessible::Selection && qobject_cast<QTabBar*>(widget) != nullptr &&
        !widget->hasFocus()) {
      return;
    }
  }
  if (passOn != nullptr) {
    passOn(event);
    return;
  }
  // Qt hands an event to the platform's bridge only while no handler is
  // installed: there is no other way to it.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(filterEvents);
}

}  // namespace

void install() {
  QAccessible::installFactory(roleOf);  // Qt keeps a factory once
  const QAccessible::UpdateHandler replaced = QAccessible::installUpdateHandler(filterEvents);
  if (replaced != filterEvents) passOn = replaced;  // a second call changes nothing
}

namespace {

// Says a page's name where a screen reader would not say it by itself, and
// tells it which page is the stack's one child.
class PageNames : public QObject {
 public:
  PageNames(TabControl* tabs, std::function<void(const QString&)> say)
      : QObject(tabs), tabs_(tabs), say_(std::move(say)), front_(tabs->currentPage()) {
    connect(tabs->tabBar(), &QTabBar::currentChanged, this, &PageNames::cameToFront);
    connect(tabs->tabBar(), &QTabBar::tabBarClicked, this, &PageNames::tabClicked);
  }

 private:
  // Runs after the tab control has brought the page to the front, and the
  // focus with it when it was on the page left.
  void cameToFront(int index) {
    QWidget* behind = front_;
    front_ = tabs_->currentPage();
    if (behind == nullptr || behind == front_) return;
    // The stack's one accessible child is another page now: the page behind
    // is gone from a screen reader's tree, the page in front new in it.
    QAccessibleEvent left(behind, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&left);
    QAccessibleEvent came(front_, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&came);
    // A screen reader names the page when the focus moves into it, and the
    // tab when the focus is on the strip; otherwise the focus stays outside
    // the page.
    QWidget* focus = QApplication::focusWidget();
    if (focus != tabs_->tabBar() && !front_->isAncestorOf(focus)) say_(name(index));
  }

  // A click on a tab while the strip has the focus: Orca takes the clicked
  // tab as known already and says nothing.
  void tabClicked(int index) {
    if (tabs_->tabBar()->hasFocus() && index >= 0 && index != tabs_->currentIndex()) {
      say_(name(index));
    }
  }

  QString name(int index) const { return tabs_->tabBar()->tabText(index); }

  TabControl* tabs_;
  std::function<void(const QString&)> say_;
  QPointer<QWidget> front_;
};

}  // namespace

void followPages(TabControl* tabs, std::function<void(const QString&)> say) {
  // Named once in the stack: naming a page tells a screen reader, which asks
  // for the page's role then, and the role depends on where the page is.
  for (int i = 0; i < tabs->tabBar()->count(); ++i) {
    tabs->page(i)->setAccessibleName(tabs->tabBar()->tabText(i));
  }
  new PageNames(tabs, std::move(say));
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget* window) : QWidget(window) { hide(); }

void Announcer::say(const QString& text) {
  QAccessibleAnnouncementEvent announcement(window(), text);
  QAccessible::updateAccessibility(&announcement);
}

#else

Announcer::Announcer(QWidget* window) : QWidget(window), message_(new QWidget(this)) {
  message_->hide();
  hide();
}

void Announcer::say(const QString& text) {
  message_->setAccessibleName(text);
  QAccessibleEvent shown(message_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

#endif

}  // namespace accessibility
