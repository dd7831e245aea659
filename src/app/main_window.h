#pragma once

#include <QMainWindow>
#include <functional>

#include "pages/shell.h"

class CamTimingPage;
class CompressionPage;
class DynamicStrokePage;
class MessageSink;
class QLineEdit;
class TabControl;

// The one window: the strip above the tabs, the tab control with its three
// pages, and the menu bar with About and Help.
class MainWindow : public QMainWindow, public Shell {
  Q_OBJECT

 public:
  static inline const QString kApplicationTitle = QStringLiteral("Velmora");

  // endProgram runs when an Exit button is pressed; by default the window
  // closes and the event loop ends.
  explicit MainWindow(MessageSink& messages, std::function<void()> endProgram = {},
                      QWidget* parent = nullptr);

  void show_message(const QString& text) override;
  void end_program() override;

  TabControl* tabControl() const { return tab_Dst; }

 public slots:
  void Menu_about_Click();
  void Menu_Help_Click();

 private:
  void buildStrip(QWidget* client);
  void buildMenu();
  void chainFocus();

  MessageSink& messages_;
  std::function<void()> endProgram_;
  TabControl* tab_Dst = nullptr;
  QLineEdit* Txt_AID_a = nullptr;
  QLineEdit* txt_ICA_a = nullptr;
  DynamicStrokePage* dynamicStrokePage_ = nullptr;
  CamTimingPage* camTimingPage_ = nullptr;
  CompressionPage* compressionPage_ = nullptr;
};
