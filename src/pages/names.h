#pragma once

#include <QStringList>
#include <span>

#include "pages/design.h"

class QWidget;

// The tables, the commands' chains and the window meet only by control
// name. Checked against the built window at start, a slip in a name stops
// the program in one line, instead of a button that does nothing, a result
// that goes nowhere or a null pointer in a release build.
namespace names {

// Each name that the tables of pages and of the strip, the pages' buttons
// and read-outs, and the fields that each command reads or writes use, and
// that names no control of the kind its user needs in window, with its user:
// "txt_IVA (written by Com_Go_2)". Empty when every name resolves.
QStringList unresolved(const QWidget* window, std::span<const design::Page* const> pages,
                       std::span<const design::Control> strip);

}  // namespace names
