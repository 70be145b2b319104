#pragma once
// The report test organisation in a temporary data folder, with settings naming the
// organization, and the PDF text of what absence-cli writes there.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "../reports/report_data_set.h"
#include "data_test_support.h"

namespace absence::test {

struct TReportFolder {
  TTempFolder tmp;
  std::string args;
  explicit TReportFolder(const std::string& command) {
    TDataSet d = MakeReportDataSet();
    SaveDataSet(d, tmp.Folder(), false);
    std::ofstream(tmp.File("absence.ini"))
        << "[Initialization]\nOrganization=Acme Works\nHourFormat=#,##0.00\n";
    args = "--data " + tmp.Folder() + " --ini " + tmp.File("absence.ini") + " " + command + " ";
  }
  // The PDF's text, laid out as on the page.
  std::string PdfText(const std::string& pdf) const {
    const std::string txt = tmp.File("out.txt");
    if (std::system(("pdftotext -layout " + pdf + " " + txt).c_str()) != 0) return "";
    std::ifstream in(txt);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
};

}  // namespace absence::test
