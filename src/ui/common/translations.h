#pragma once
// The program's texts in the user's language: a compiled catalogue "absence_<language>.qm"
// found in one of the translation folders is installed at start-up, with Qt's own for the
// standard dialogs. Without one the texts stay as written.
#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace absence::ui {

// Where catalogues are looked for, first found wins: "translations" beside the program (a
// build tree or a portable copy), then the installed share/absence/translations.
QStringList TranslationFolders();

// The translators installed, owned by the application; null where no catalogue matched.
struct TTranslators {
  QTranslator* Program = nullptr;  // the program's texts
  QTranslator* Qt = nullptr;       // Qt's standard dialogs and buttons
};

// Installs the program's catalogue for `locale` from the first of `folders` that has one, and
// Qt's own for the same language.
TTranslators InstallTranslations(QCoreApplication& app, const QLocale& locale,
                                 const QStringList& folders = TranslationFolders());

}  // namespace absence::ui
