#pragma once

#include <QString>
#include <initializer_list>
#include <optional>

// Field text to numbers and back, for the pages: the core's conversions on
// QString. Field text is UTF-16; the conversions see it as UTF-8, in which
// every character that can be part of a number is a single byte.
namespace text {

double value(const QString& fieldText);
std::optional<double> strict(const QString& fieldText);
QString number(double value);
bool anyEmpty(std::initializer_list<QString> fieldTexts);

}  // namespace text
