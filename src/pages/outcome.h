#pragma once

#include <QString>
#include <span>

#include "core/commands.h"
#include "pages/design.h"

class QWidget;
class Shell;

// Between a command's chain and the window: the chain reads the fields of
// the window by control name, and what it decided is carried out on them.
namespace outcome {

// The fields of window, as a command reads them.
class WindowFields : public core::Fields {
 public:
  explicit WindowFields(const QWidget* window) : window_(window) {}
  std::u16string text(std::string_view control) const override;
  bool is_checked(std::string_view control) const override;

 private:
  const QWidget* window_;
};

// Carries out what a command decided: each text goes into the control of
// that name in window, in order (a field's text, showing its start, or a
// label's caption), then the message shows, if there is one. Gives whether
// the command went through without a message.
bool carryOut(const core::Outcome& outcome, QWidget* window, Shell& shell);

// What a screen reader says of a command's results: each field's text after
// its caption, "Dynamic Stroke Length 2.81279161755714, Distance of ...",
// "blank" for an empty one.
QString readOut(std::span<const design::Spoken> results, const QWidget* window);

}  // namespace outcome
