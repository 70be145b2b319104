#include "ui/common/version_info.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "version.h"

namespace absence::ui {
namespace {

bool IsOwnProgram(const QString& fileName) {
  const QString own = QCoreApplication::applicationFilePath();
  return fileName.isEmpty() ||
         QFileInfo(fileName).canonicalFilePath() == QFileInfo(own).canonicalFilePath();
}

}  // namespace

QString GetVersionValue(const QString& fileName, const QString& valueName) {
  if (!IsOwnProgram(fileName)) return QString::fromLatin1(kNoVersionInfo);
  const char* value = nullptr;
  if (valueName == u"ProductName")
    value = version::ProductName;
  else if (valueName == u"FileVersion" || valueName == u"ProductVersion")
    value = version::FileVersion;
  else if (valueName == u"LegalCopyright")
    value = version::LegalCopyright;
  else if (valueName == u"FileDescription")
    value = "Absence records";
  else if (valueName == u"Comments" || valueName == u"LegalTrademarks")
    value = "";
  if (!value) return QString::fromLatin1(kVersionQueryError);
  if (*value == '\0') return QString::fromLatin1(kNoSuchVersionInfo);
  return QString::fromUtf8(value);
}

QString ProductSection() {
  return GetVersionValue(QCoreApplication::applicationFilePath(), QStringLiteral("ProductName"));
}

QString VersionCaption(const QString& fileVersion) {
  const QStringList n = fileVersion.split(u'.');
  QString number = n.value(0, QStringLiteral("0")) + u'.' + n.value(1, QStringLiteral("0"));
  if (n.value(2).toInt() > 0) number += n.value(2);
  return QCoreApplication::translate("TVersionInfo", "Version %1").arg(number);
}

}  // namespace absence::ui
