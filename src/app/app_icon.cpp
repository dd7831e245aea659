#include "app/app_icon.h"

#include <QImage>
#include <QPixmap>

namespace app_icon {

QString desktopId() { return QStringLiteral(VELMORA_APP_ID); }

QIcon icon() {
  QIcon result;
  for (const Pixels& p : kWindowIcon) {
    result.addPixmap(QPixmap::fromImage(
        QImage(reinterpret_cast<const uchar*>(p.argb), p.size, p.size, QImage::Format_ARGB32)));
  }
  return result;
}

}  // namespace app_icon
