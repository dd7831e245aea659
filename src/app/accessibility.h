#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class TabControl;

// What a screen reader is told about the window beyond the names and
// descriptions the forms give their controls (layout.cpp names each field
// by its caption, and the option buttons by their question): the roles and
// boxes Qt's defaults get wrong for this window, the events a screen reader
// must not hear, the page names said as pages come to the front, and the
// announcements of results.
namespace accessibility {

// Installs the program's roles and its filter of accessibility events
// before the window is built: main calls it, and the tests' main. The filter
// passes the events it keeps on to the handler it replaces, if there was one,
// and otherwise to the platform's bridge.
void install();

// Names each page after its tab and has say() speak a page's name when it
// comes to the front while the focus stays outside it, where a screen
// reader would not name it by itself. Call it once the pages are added.
void followPages(TabControl* tabs, std::function<void(const QString&)> say);

// Has a screen reader speak a message while the focus stays where it is and
// nothing changes on the screen: an empty widget that is never shown.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);
  void say(const QString& text);

 private:
  QWidget* message_ = nullptr;  // before Qt 6.8: what the screen reader reads
};

}  // namespace accessibility
