#pragma once
// The program's version record: product name, file version and legal notice, compiled in.
#include <QString>

namespace absence::ui {

inline constexpr const char* kNoVersionInfo = "No Version Info";
inline constexpr const char* kVersionQueryError = "Error Retrieving Version Info";
inline constexpr const char* kNoSuchVersionInfo = "No such Version Info";

// The value `valueName` ("ProductName", "FileVersion", "LegalCopyright", ...) of the version
// record of `fileName`. Only this program carries a record: any other file gives
// "No Version Info"; an unknown value "Error Retrieving Version Info"; an empty one
// "No such Version Info".
QString GetVersionValue(const QString& fileName, const QString& valueName);

// The product name of the running program ("Absence"): the section of the column widths.
QString ProductSection();

// "Version 1.35" for file version 1.3.5: major "." minor, the release appended when above 0.
QString VersionCaption(const QString& fileVersion);

}  // namespace absence::ui
