#include "app/tab_control.h"

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
  connect(bar_, &QTabBar::currentChanged, stack_, &QStackedWidget::setCurrentIndex);
}

void TabControl::addPage(QWidget* page, const QString& caption) {
  stack_->addWidget(page);
  bar_->addTab(caption);
}

int TabControl::currentIndex() const { return bar_->currentIndex(); }
QWidget* TabControl::currentPage() const { return stack_->currentWidget(); }
void TabControl::setCurrentIndex(int index) { bar_->setCurrentIndex(index); }

void TabControl::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = stack_->geometry();
  frame.shape = QTabBar::RoundedNorth;
  frame.tabBarSize = bar_->size();
  frame.tabBarRect = bar_->geometry();
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}
