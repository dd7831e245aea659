#include "app/app_icon.h"

namespace app_icon {

QString desktopId() { return QStringLiteral(VELMORA_APP_ID); }

QIcon icon() {
  // The resource holds hicolor/NxN/apps/<id>.png for each size built in.
  static constexpr int kSizes[] = {VELMORA_WINDOW_ICON_SIZES};
  QIcon result;
  for (int size : kSizes) {
    const QString n = QString::number(size);
    result.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/").arg(n) + desktopId() +
                       QStringLiteral(".png"),
                   QSize(size, size));
  }
  return result;
}

}  // namespace app_icon
