#include "app/tab_control.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace {

// What a screen reader makes of the pages. It names the page a control is
// on by the control's ancestors: each page is a page tab named by its
// caption, and the stack of pages a plain container, where Qt would make it
// a "layered pane" that Orca reads out and lists.
//
// The stack's one accessible child is the page in front. Screen readers
// keep what they first learn of whether an object is visible, and Qt 6.4
// tells them only when an object starts or stops showing: a page or control
// they first see while it is behind stays invisible to them for good, and
// Orca's flat review leaves it out. So they never see the pages behind,
// and hear nothing from the controls hidden with them (see
// withholdHiddenControls).
class PageStackAccessible : public QAccessibleWidget {
 public:
  explicit PageStackAccessible(QStackedWidget* stack)
      : QAccessibleWidget(stack, QAccessible::Client) {}

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

// Qt asks the factories once for each object, the first time it is queried.
QAccessibleInterface* pageAccessible(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  QWidget* parent = widget != nullptr ? widget->parentWidget() : nullptr;
  if (parent == nullptr) return nullptr;
  auto* stack = qobject_cast<QStackedWidget*>(widget);
  if (stack != nullptr && qobject_cast<TabControl*>(parent) != nullptr) {
    return new PageStackAccessible(stack);
  }
  if (qobject_cast<QStackedWidget*>(parent) != nullptr &&
      qobject_cast<TabControl*>(parent->parentWidget()) != nullptr) {
    return new QAccessibleWidget(widget, QAccessible::PageTab);
  }
  return nullptr;
}

// Passes on the accessibility events of every widget but those hidden with
// an ancestor, such as the controls of a page going behind: a screen reader
// asks about a control's state when it hears from it, and keeps the answer.
void withholdHiddenControls(QAccessibleEvent* event) {
  auto* widget = qobject_cast<QWidget*>(event->object());
  if (widget != nullptr && !widget->isVisible() && !widget->isHidden()) return;
  // With no handler installed, Qt hands the event to the platform's bridge.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(withholdHiddenControls);
}

}  // namespace

WrappingTabBar::WrappingTabBar(int stripWidth, int stripHeight, QWidget* parent)
    : QTabBar(parent), stripWidth_(stripWidth), stripHeight_(stripHeight) {
  setExpanding(false);
  setUsesScrollButtons(false);
  setElideMode(Qt::ElideNone);
  setDrawBase(false);
}

QSize WrappingTabBar::tabSizeHint(int index) const {
  // Equal shares, each edge rounded to the nearest pixel.
  const int n = std::max(1, count());
  auto edge = [&](int i) { return qRound(static_cast<double>(stripWidth_) * i / n); };
  return QSize(edge(index + 1) - edge(index), stripHeight_);
}

void WrappingTabBar::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  for (int i = 0; i < count(); ++i) {
    QStyleOptionTab option;
    initStyleOption(&option, i);
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    const QRect textBox = option.rect.adjusted(4, 2, -4, -2);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextWordWrap, tabText(i));
    if (hasFocus() && i == currentIndex()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = painter.boundingRect(textBox, Qt::AlignCenter | Qt::TextWordWrap, tabText(i))
                       .adjusted(-2, -1, 2, 1);
      painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
  }
}

TabControl::TabControl(const QRect& box, int stripHeight, QWidget* parent) : QWidget(parent) {
  static const bool pagesForScreenReaders =
      (QAccessible::installFactory(pageAccessible),
       QAccessible::installUpdateHandler(withholdHiddenControls), true);
  Q_UNUSED(pagesForScreenReaders);
  setGeometry(box);
  bar_ = new WrappingTabBar(box.width(), stripHeight, this);
  bar_->setGeometry(0, 0, box.width(), stripHeight);
  stack_ = new QStackedWidget(this);
  stack_->setGeometry(0, stripHeight, box.width(), box.height() - stripHeight);
  connect(bar_, &QTabBar::currentChanged, this, &TabControl::bringToFront);
  // A click on a tab while the strip has the focus: Orca takes the clicked
  // tab as known already and says nothing.
  connect(bar_, &QTabBar::tabBarClicked, this, [this](int index) {
    if (bar_->hasFocus() && index >= 0 && index != currentIndex()) {
      emit pageToAnnounce(bar_->tabText(index));
    }
  });

  // The keys of every tabbed window, from anywhere in this one: Ctrl+Tab and
  // Ctrl+PgDn bring the next page to the front, Ctrl+Shift+Tab and Ctrl+PgUp
  // the previous one, going round. Shortcuts reach the window before a field
  // sees the key, so they work while the user is typing. Like a click on a
  // tab they only change the page in front; the stacked pages move the
  // focus onto it when it was on the page left.
  auto addKeys = [this](const QList<QKeySequence>& keys, int step) {
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, step] { turnPage(step); });
    addAction(action);
  };
  addKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
  // Shift+Tab comes as Backtab; the shortcut map tries it as Shift+Tab too.
  addKeys(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
      -1);
}

void TabControl::turnPage(int step) {
  const int count = bar_->count();
  if (count > 0) setCurrentIndex(((currentIndex() + step) % count + count) % count);
}

void TabControl::bringToFront(int index) {
  QWidget* behind = stack_->currentWidget();
  stack_->setCurrentIndex(index);
  QWidget* front = stack_->currentWidget();
  if (behind == nullptr || behind == front) return;
  // The stack's one accessible child is another page now.
  QAccessibleEvent left(behind, QAccessible::ObjectDestroyed);
  QAccessible::updateAccessibility(&left);
  QAccessibleEvent came(front, QAccessible::ObjectCreated);
  QAccessible::updateAccessibility(&came);
  // A screen reader names the page when the focus moves into it, and the
  // tab when the focus is on the strip; otherwise the focus stays outside
  // the page, and its name is announced.
  QWidget* focus = QApplication::focusWidget();
  if (focus != bar_ && !front->isAncestorOf(focus)) emit pageToAnnounce(bar_->tabText(index));
}

void TabControl::addPage(QWidget* page, const QString& caption) {
  stack_->addWidget(page);
  // Named once in the stack: naming it tells a screen reader, which asks for
  // the page's role then, and the role depends on where the page is.
  page->setAccessibleName(caption);
  bar_->addTab(caption);
}

int TabControl::currentIndex() const { return bar_->currentIndex(); }
QWidget* TabControl::currentPage() const { return stack_->currentWidget(); }
void TabControl::setCurrentIndex(int index) { bar_->setCurrentIndex(index); }

void TabControl::paintEvent(QPaintEvent*) {
  // The frame as a QTabWidget draws it: its top edge runs under the strip
  // by the style's overlap, where the tab in front covers it and so joins
  // its page. Inside the frame the page has the button face.
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.shape = QTabBar::RoundedNorth;
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  frame.tabBarSize = bar_->size();
  frame.tabBarRect = bar_->geometry();
  frame.selectedTabRect = bar_->tabRect(bar_->currentIndex());
  const QRect contents = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &frame, this);
  frame.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &frame, this);
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
  painter.fillRect(contents, palette().button());
}
