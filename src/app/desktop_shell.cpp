#include "app/desktop_shell.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QShortcut>
#include <algorithm>

#include "app/accessibility.h"

void DesktopShell::setWindow(QWidget* window) {
  window_ = window;
  announcer_ = new accessibility::Announcer(window);
}

void DesktopShell::announce(const QString& text) {
  if (announcer_) announcer_->say(text);
}

void DesktopShell::show_message(const QString& text) {
  const QString shown = QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, shown, QMessageBox::Ok, window_);
  // The desktop's font: the design fixes the fonts of the window's controls
  // only, and long lines read better in it.
  box.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  // Texts are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // no icon anywhere in the box
  // Each line of the text stays one line where the screen is wide enough:
  // the box would wrap a long Help step and leave its last word alone.
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
    const QFontMetrics metrics(box.font());
    int widest = 0;
    for (const QString& line : shown.split(QLatin1Char('\n'))) {
      widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    label->setMinimumWidth(widest + 2 * metrics.averageCharWidth());
  }
  // Ctrl+C copies the whole box, laid out as Qt's message boxes do on Windows.
  auto* copy = new QShortcut(QKeySequence::Copy, &box);
  QObject::connect(copy, &QShortcut::activated, &box, [&box, shown] {
    const QString rule = QStringLiteral("---------------------------\n");
    QGuiApplication::clipboard()->setText(
        rule + kApplicationTitle + QLatin1Char('\n') + rule + shown + QLatin1Char('\n') + rule +
        box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')) + QLatin1Char('\n') + rule);
  });
  box.exec();
}

void DesktopShell::end_program() {
  if (window_) window_->close();
  QCoreApplication::exit(0);
}
