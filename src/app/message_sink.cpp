#include "app/message_sink.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QShortcut>

void MessageBoxSink::show(const QString& title, const QString& text) {
  const QString shown = QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, window_);
  // Texts are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // no icon anywhere in the box
  // Ctrl+C copies the whole box, laid out as Qt's message boxes do on Windows.
  auto* copy = new QShortcut(QKeySequence::Copy, &box);
  QObject::connect(copy, &QShortcut::activated, &box, [&box, title, shown] {
    const QString rule = QStringLiteral("---------------------------\n");
    QGuiApplication::clipboard()->setText(rule + title + QLatin1Char('\n') + rule + shown +
                                          QLatin1Char('\n') + rule +
                                          box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')) +
                                          QLatin1Char('\n') + rule);
  });
  box.exec();
}
