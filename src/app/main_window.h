#pragma once

#include <QMainWindow>

class Shell;
class TabControl;

// The one window: the strip above the tabs, the tab control with its three
// pages, and the menu bar with About and Help.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Messages and the end of the program go through shell.
  explicit MainWindow(Shell& shell, QWidget* parent = nullptr);

  TabControl* tabControl() const { return tab_Dst; }

 public slots:
  void Menu_about_Click();
  void Menu_Help_Click();

 private:
  void buildMenu();
  void chainFocus();

  Shell& shell_;
  TabControl* tab_Dst = nullptr;
};
