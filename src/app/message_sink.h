#pragma once

#include <QPointer>
#include <QString>

class QWidget;

// Where the program's message boxes go. The program shows a modal box;
// tests record the texts instead, so no modal dialog ever blocks them.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void show(const QString& title, const QString& text) = 0;
};

// A modal QMessageBox: the given title, one OK button, no icon.
class MessageBoxSink : public MessageSink {
 public:
  void setParentWindow(QWidget* window) { window_ = window; }
  void show(const QString& title, const QString& text) override;

 private:
  QPointer<QWidget> window_;
};
