// Reading a command's fields from the window, and writing its outcome back.
#include "pages/outcome.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "pages/layout.h"
#include "pages/shell.h"

namespace outcome {
namespace {

template <typename Control>
Control* find(const QWidget* window, std::string_view control) {
  auto* found = window->findChild<Control*>(layout::text(control));
  // The window checks every name a command uses as it starts (names.h).
  Q_ASSERT_X(found != nullptr, "outcome", "no control of that name and kind");
  return found;
}

// The caption of the label that names field, as it stands now.
QString captionOf(const QLineEdit* field, const QWidget* window) {
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy() == field) return label->text();
  }
  return {};
}

}  // namespace

std::u16string WindowFields::text(std::string_view control) const {
  return find<QLineEdit>(window_, control)->text().toStdU16String();
}

bool WindowFields::is_checked(std::string_view control) const {
  return find<QAbstractButton>(window_, control)->isChecked();
}

bool carryOut(const core::Outcome& outcome, QWidget* window, Shell& shell) {
  for (const core::Write& w : outcome.writes) {
    const QString text = QString::fromStdU16String(w.text);
    QWidget* control = find<QWidget>(window, w.control);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
      field->setText(text);
      // A number longer than a narrow field then reads "287.0301512", not
      // its tail "0151210616", which looks like a different number.
      field->setCursorPosition(0);
    } else if (auto* caption = qobject_cast<layout::Label*>(control)) {
      caption->setCaption(text);
    }
  }
  if (outcome.message.empty()) return true;
  shell.show_message(layout::text(outcome.message));
  return false;
}

QString readOut(std::span<const design::Spoken> results, const QWidget* window) {
  QStringList spoken;
  for (const design::Spoken& r : results) {
    const auto* field = find<QLineEdit>(window, r.field);
    const QString caption = r.caption.empty() ? captionOf(field, window) : layout::text(r.caption);
    spoken << caption + QLatin1Char(' ') +
                  (field->text().isEmpty() ? QStringLiteral("blank") : field->text());
  }
  return spoken.join(QStringLiteral(", "));
}

}  // namespace outcome
