// The one page class: builds a page from its design and wires its commands.
#include "pages/page.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "pages/layout.h"
#include "pages/outcome.h"
#include "pages/shell.h"

namespace {

bool isTabStop(design::Kind kind) {
  using enum design::Kind;
  return kind == Input || kind == Display || kind == Button || kind == CheckBox ||
         kind == OptionButton;
}

}  // namespace

Page::Page(const design::Page& design, Shell& shell, QWidget* parent)
    : QWidget(parent), design_(design), shell_(shell) {
  layout::build(this, design.controls, layout::kTabStripTwips);
  auto clicked = [this](std::string_view control, auto command) {
    connect(findChild<QAbstractButton*>(layout::text(control)), &QAbstractButton::clicked, this,
            command);
  };
  // clicked, not toggled: only the user's clicks (and Space) run a command.
  clicked(design.calculate.control, [this] { run(design_.calculate); });
  for (const design::Command& command : design.more) {
    clicked(command.control, [this, &command] { run(command); });
  }
  clicked(design.clear, [this] { clear(); });
  clicked(design.exit, [this] { exit(); });
}

QList<QWidget*> Page::focusOrder() const {
  QList<QWidget*> order;
  for (const design::Control& c : design_.controls) {
    if (isTabStop(c.kind)) order << findChild<QWidget*>(layout::text(c.name));
  }
  return order;
}

void Page::run(const design::Command& command) {
  if (outcome::carryOut(command.run(outcome::WindowFields(window())), window(), shell_)) {
    shell_.announce(outcome::readOut(command.readOut, window()));
  }
}

void Page::clear() {
  for (std::string_view field : design_.clears) findChild<QLineEdit*>(layout::text(field))->clear();
}

void Page::exit() { shell_.end_program(); }
