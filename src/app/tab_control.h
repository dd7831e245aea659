#pragma once

#include <QTabBar>
#include <QWidget>
#include <functional>
#include <vector>

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
  // A page built the first time it comes to the front, so that a page the
  // user has not opened yet costs nothing at start-up.
  void addPage(const QString& caption, std::function<QWidget*()> build);
  // The page at index, built now if it has not been in front yet.
  QWidget* page(int index);
  // Builds every page not built yet, for tools that reach into all of them.
  void buildEveryPage();
  QTabBar* tabBar() const { return bar_; }
  int currentIndex() const;
  QWidget* currentPage() const;
  void setCurrentIndex(int index);

 signals:
  // A page built on its first showing, now in its place among the pages.
  void pageBuilt(QWidget* page);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Brings the page step places on to the front, going round.
  void turnPage(int step);

  WrappingTabBar* bar_;
  QStackedWidget* stack_;
  // For each page, what builds it; empty once it is built.
  std::vector<std::function<QWidget*()>> builders_;
};
