#include "pages/text.h"

#include "core/numeric_text.h"

namespace text {

double value(const QString& fieldText) {
  const QByteArray utf8 = fieldText.toUtf8();
  return core::parse_value(
      std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::optional<double> strict(const QString& fieldText) {
  const QByteArray utf8 = fieldText.toUtf8();
  return core::parse_strict(
      std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString number(double value) {
  char buffer[core::kFormatBufferSize];
  const char* end = core::format_number_to(value, buffer);
  return QString::fromLatin1(buffer, static_cast<qsizetype>(end - buffer));
}

bool anyEmpty(std::initializer_list<QString> fieldTexts) {
  // Only the empty text is empty, as core::is_empty_field has it: a field
  // holding a blank is filled.
  for (const QString& t : fieldTexts) {
    if (t.isEmpty()) return true;
  }
  return false;
}

}  // namespace text
