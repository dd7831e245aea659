#include "app/app_icon.h"

#include <QDirIterator>

namespace app_icon {

QString desktopId() { return QStringLiteral(VELMORA_APP_ID); }

QIcon icon() {
  // The resource holds hicolor/NxN/apps/<id>.png for each rendered size.
  QIcon result;
  QDirIterator it(QStringLiteral(":/icons/hicolor"), {desktopId() + QStringLiteral(".png")},
                  QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) result.addFile(it.next());
  return result;
}

}  // namespace app_icon
