#pragma once

#include <QList>
#include <QWidget>

#include "pages/design.h"

class Shell;

// One tab page, any of the three: its controls built from its table, its
// Calculate, Clear and Exit, and any other command its design gives. A
// command reads the fields it needs from the window and writes its results
// there, by control name; after a command that went through without a
// message, a screen reader hears its results.
class Page : public QWidget {
  Q_OBJECT

 public:
  Page(const design::Page& design, Shell& shell, QWidget* parent = nullptr);

  // The page's tab stops, in order.
  QList<QWidget*> focusOrder() const;

 private:
  void run(const design::Command& command);
  void clear();
  void exit();

  const design::Page& design_;
  Shell& shell_;
};
