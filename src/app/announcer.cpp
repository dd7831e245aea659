#include "app/announcer.h"

#include <QAccessible>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget* window) : QWidget(window) { hide(); }

void Announcer::say(const QString& text) {
  QAccessibleAnnouncementEvent announcement(window(), text);
  QAccessible::updateAccessibility(&announcement);
}

#else

#include <QAccessibleWidget>

// Qt 6.4 has no announcements. Orca speaks a notification, by its name, when
// it is shown, and leaves out the word "notification" when it lies in a
// status bar: the announcer is a hidden status bar holding one empty
// notification, shown anew with each message as its name. Hidden, neither
// is a line of the screen reader's flat review.
namespace {

QAccessibleInterface* announcerAccessible(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (qobject_cast<Announcer*>(widget) != nullptr) {
    return new QAccessibleWidget(widget, QAccessible::StatusBar);
  }
  if (qobject_cast<Announcer*>(widget->parentWidget()) != nullptr) {
    return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window), message_(new QWidget(this)) {
  static const bool roles = (QAccessible::installFactory(announcerAccessible), true);
  Q_UNUSED(roles);
  message_->hide();
  hide();
}

void Announcer::say(const QString& text) {
  message_->setAccessibleName(text);
  QAccessibleEvent shown(message_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

#endif
