#pragma once

#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWidget>

class QStackedWidget;

// Tabs whose captions wrap onto a second line inside a fixed-height strip,
// every tab an equal share of the width.
class WrappingTabBar : public QTabBar {
  Q_OBJECT

 public:
  WrappingTabBar(int stripWidth, int stripHeight, QWidget* parent = nullptr);

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
  void paintEvent(QPaintEvent* event) override;

 private:
  int stripWidth_;
  int stripHeight_;
};

// The tab control: the strip of tabs on top, the page in front below it,
// drawn inside the usual tab-widget frame. Pages are placed right below the
// strip, so a page control's designed position relative to the tab control
// maps straight onto the screen. Ctrl+Tab, Ctrl+PgDn, Ctrl+Shift+Tab and
// Ctrl+PgUp change pages from anywhere in the window.
class TabControl : public QWidget {
  Q_OBJECT

 public:
  TabControl(const QRect& box, int stripHeight, QWidget* parent = nullptr);

  void addPage(QWidget* page, const QString& caption);
  QTabBar* tabBar() const { return bar_; }
  int currentIndex() const;
  QWidget* currentPage() const;
  QWidget* page(int index) const;
  void setCurrentIndex(int index);
  // The area inside the frame drawn around the pages.
  QRect insideFrame() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStyleOptionTabWidgetFrame frameOption() const;
  // Brings the page step places on to the front, going round.
  void turnPage(int step);

  WrappingTabBar* bar_;
  QStackedWidget* stack_;
};
