#include "app/message_sink.h"

#include <QMessageBox>

void MessageBoxSink::show(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, QString(text).replace(QLatin1Char('\r'),
                                                                     QLatin1Char('\n')),
                  QMessageBox::Ok, window_);
  // Texts are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
