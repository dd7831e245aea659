#include "app/desktop_shell.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QShortcut>

void DesktopShell::show_message(const QString& text) {
  const QString shown = QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, shown, QMessageBox::Ok, window_);
  // Texts are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // no icon anywhere in the box
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
