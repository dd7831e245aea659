#pragma once

class QString;

// What the window and its pages need from the program around them: the one
// message box, what a screen reader says, and the end of the program. The
// program passes a DesktopShell; tests pass a recorder, so no modal box
// ever blocks them.
class Shell {
 public:
  virtual ~Shell() = default;
  // Modal box titled with the application title, one OK button, no icon;
  // a carriage return (character 13) in the text starts a new line.
  virtual void show_message(const QString& text) = 0;
  // Has a screen reader speak text now, such as the results of a Calculate;
  // the focus and the screen stay as they are.
  virtual void announce(const QString& text) = 0;
  // Closes the window and ends the program at once; nothing is asked or saved.
  virtual void end_program() = 0;
};
