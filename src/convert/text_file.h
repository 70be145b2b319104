#pragma once
// Reading and writing the import and export files: lines of Windows-1252 text ended by CR LF.
#include <string>
#include <vector>

#include "convert/convert_error.h"

namespace absence {

// The lines of an import file without their line ends (CR LF or LF). A file that ends with a line
// end has no empty last line. Throws EConvertError: a missing file gives the "does not exist"
// message (information), any other failure the open error of `content` (error).
std::vector<std::string> ReadImportLines(const std::string& path, TConvertContent content);

// Creates the file's folder with all missing parents and writes `lines`, each ended by CR LF.
// Throws EConvertError with the "cannot be created" message (information).
void WriteExportLines(const std::string& path, const std::vector<std::string>& lines);
// The same for a text that has its line ends already.
void WriteExportText(const std::string& path, const std::string& text);

}  // namespace absence
