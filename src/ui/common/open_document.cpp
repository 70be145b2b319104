#include "ui/common/open_document.h"

#include <QDesktopServices>
#include <QUrl>

namespace absence::ui {

bool OpenDocument(const QString& path) {
  const QUrl url = path.contains(QStringLiteral("://")) ? QUrl(path) : QUrl::fromLocalFile(path);
  return QDesktopServices::openUrl(url);
}

}  // namespace absence::ui
