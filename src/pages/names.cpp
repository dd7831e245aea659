#include "pages/names.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <vector>

#include "pages/layout.h"

namespace names {
namespace {

// A command's chain run on made-up fields, to learn which it reads. Every
// field holds "60", which each chain takes all the way to its last write.
class Probe : public core::Fields {
 public:
  std::u16string text(std::string_view control) const override {
    fields.push_back(control);
    return u"60";
  }
  bool is_checked(std::string_view control) const override {
    buttons.push_back(control);
    return false;
  }
  mutable std::vector<std::string_view> fields, buttons;
};

class Check {
 public:
  explicit Check(const QWidget* window) : window_(window) {}

  // A field's text: a text field. A write: a text field, or a label's caption.
  void field(std::string_view name, const QString& user) { need<QLineEdit>(name, user); }
  void button(std::string_view name, const QString& user) { need<QAbstractButton>(name, user); }
  void control(std::string_view name, const QString& user) { need<QWidget>(name, user); }
  void written(std::string_view name, const QString& user) {
    if (find<layout::Label>(name) == nullptr) need<QLineEdit>(name, user);
  }

  void command(const design::Command& command) {
    const QString by = layout::text(command.control);
    button(command.control, QStringLiteral("a command's button"));
    const Probe probe;
    for (const core::Write& w : command.run(probe).writes) written(w.control, "written by " + by);
    for (std::string_view f : probe.fields) field(f, "read by " + by);
    for (std::string_view b : probe.buttons) button(b, "read by " + by);
    for (const design::Spoken& s : command.readOut) field(s.field, "read out after " + by);
  }

  void table(std::span<const design::Control> controls) {
    for (const design::Control& c : controls) {
      control(c.name, QStringLiteral("in its table"));
      if (!c.details.names.empty()) control(c.details.names, "named by " + layout::text(c.name));
    }
  }

  QStringList missing;

 private:
  template <typename Kind>
  const Kind* find(std::string_view name) const {
    return window_->findChild<const Kind*>(layout::text(name));
  }
  template <typename Kind>
  void need(std::string_view name, const QString& user) {
    const QString entry = layout::text(name) + " (" + user + ")";
    if (find<Kind>(name) == nullptr && !missing.contains(entry)) missing << entry;
  }

  const QWidget* window_;
};

}  // namespace

QStringList unresolved(const QWidget* window, std::span<const design::Page* const> pages,
                       std::span<const design::Control> strip) {
  Check check(window);
  check.table(strip);
  for (const design::Page* page : pages) {
    check.table(page->controls);
    check.command(page->calculate);
    for (const design::Command& command : page->more) check.command(command);
    check.button(page->clear, QStringLiteral("a Clear button"));
    for (std::string_view field : page->clears) {
      check.field(field, "cleared by " + layout::text(page->clear));
    }
    check.button(page->exit, QStringLiteral("an Exit button"));
  }
  return check.missing;
}

}  // namespace names
