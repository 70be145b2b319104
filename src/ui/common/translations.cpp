#include "ui/common/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace absence::ui {

QStringList TranslationFolders() {
  const QDir program(QCoreApplication::applicationDirPath());
  return {program.filePath(QStringLiteral("translations")),
          program.filePath(QStringLiteral("../share/absence/translations"))};
}

namespace {

QTranslator* Install(QCoreApplication& app, const QLocale& locale, const QString& name,
                     const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (translator->load(locale, name, QStringLiteral("_"), folder) &&
      QCoreApplication::installTranslator(translator))
    return translator;
  delete translator;
  return nullptr;
}

}  // namespace

TTranslators InstallTranslations(QCoreApplication& app, const QLocale& locale,
                                 const QStringList& folders) {
  TTranslators installed;
  for (const QString& folder : folders) {
    installed.Program = Install(app, locale, QStringLiteral("absence"), folder);
    if (installed.Program) break;
  }
  // Qt's own texts (file dialogs, context menus) follow the same language when installed.
  installed.Qt = Install(app, locale, QStringLiteral("qtbase"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return installed;
}

}  // namespace absence::ui
