#include "app/tab_control.h"

#include <QAction>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

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
  setGeometry(box);
  bar_ = new WrappingTabBar(box.width(), stripHeight, this);
  bar_->setGeometry(0, 0, box.width(), stripHeight);
  stack_ = new QStackedWidget(this);
  stack_->setGeometry(0, stripHeight, box.width(), box.height() - stripHeight);
  // Shows the page of the tab in front.
  connect(bar_, &QTabBar::currentChanged, stack_, &QStackedWidget::setCurrentIndex);

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

void TabControl::addPage(QWidget* page, const QString& caption) {
  stack_->addWidget(page);
  bar_->addTab(caption);
}

int TabControl::currentIndex() const { return bar_->currentIndex(); }
QWidget* TabControl::currentPage() const { return stack_->currentWidget(); }
QWidget* TabControl::page(int index) const { return stack_->widget(index); }
void TabControl::setCurrentIndex(int index) { bar_->setCurrentIndex(index); }

QStyleOptionTabWidgetFrame TabControl::frameOption() const {
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.shape = QTabBar::RoundedNorth;
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  frame.tabBarSize = bar_->size();
  frame.tabBarRect = bar_->geometry();
  frame.selectedTabRect = bar_->tabRect(bar_->currentIndex());
  return frame;
}

QRect TabControl::insideFrame() const {
  const QStyleOptionTabWidgetFrame frame = frameOption();
  return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &frame, this);
}

void TabControl::paintEvent(QPaintEvent*) {
  // The frame as a QTabWidget draws it: its top edge runs under the strip
  // by the style's overlap, where the tab in front covers it and so joins
  // its page. Inside the frame the page has the button face.
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame = frameOption();
  frame.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &frame, this);
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
  painter.fillRect(insideFrame(), palette().button());
}
