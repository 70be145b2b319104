# The layer check against small source trees, one include each: it must refuse every include
# against the layers and let the allowed ones pass.
#   cmake -DCHECK=<check_layers.cmake> -DWORK=<scratch folder> -P layers_test.cmake
cmake_minimum_required(VERSION 3.25)

# file | header it includes | PASS or the words the refusal must contain
set(cases
    "ui/common/a.cpp|ui/main/main_window.h|ui/common includes ui/main/main_window.h"
    "ui/common/a.cpp|ui/session/data_session.h|ui/common includes ui/session"
    "ui/session/a.cpp|ui/dialogs/absence_rec.h|ui/session includes ui/dialogs"
    "ui/dialogs/a.cpp|ui/maintenance/emp_rec.h|ui/dialogs includes ui/maintenance"
    "ui/reports/a.cpp|ui/convert/convert_wizard.h|ui/reports includes ui/convert"
    "ui/convert/a.cpp|ui/reports/ab_report.h|ui/convert includes ui/reports"
    "ui/maintenance/a.cpp|ui/main/pick.h|ui/maintenance includes ui/main"
    "ui/extras/a.cpp|ui/common/scale.h|ui/extras has no rank"
    "ui/main/a.cpp|ui/extras/b.h|window folder without a rank"
    "data/a.cpp|ui/common/scale.h|the core includes ui/common/scale.h"
    "reports/a.cpp|render/report_paint.h|the core includes render/report_paint.h"
    "render/a.cpp|ui/common/scale.h|the page painting includes ui/common/scale.h"
    "ui/main/a.cpp|ui/maintenance/emp_window.h|PASS"
    "ui/maintenance/a.cpp|ui/reports/list_print.h|PASS"
    "ui/reports/a.cpp|ui/dialogs/undelete_dialog.h|PASS"
    "ui/dialogs/a.cpp|ui/session/data_session.h|PASS"
    "ui/common/a.cpp|ui/common/scale.h|PASS"
    "ui/common/a.cpp|data/settings.h|PASS"
    "app/cli/a.cpp|render/report_pdf.h|PASS"
    "ui/common/a.cpp|data/ini_file.h|opens the settings file itself"
    "app/cli/a.cpp|data/ini_file.h|opens the settings file itself"
    "data/settings_file.cpp|data/ini_file.h|PASS")

set(failures "")
set(n 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 file)
  list(GET parts 1 header)
  list(GET parts 2 expect)
  math(EXPR n "${n} + 1")
  set(tree ${WORK}/case${n})
  file(REMOVE_RECURSE ${tree})
  file(WRITE ${tree}/${file} "// case\n#include <vector>\n  #include \"${header}\"\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${tree} -P ${CHECK} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect STREQUAL "PASS")
    if(NOT rc EQUAL 0)
      list(APPEND failures "${file} -> ${header}: refused, should pass:\n${out}")
    endif()
  else()
    string(FIND "${out}" "${expect}" at)
    if(rc EQUAL 0 OR at EQUAL -1)
      list(APPEND failures "${file} -> ${header}: expected a refusal naming '${expect}', got:\n${out}")
    endif()
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "layer check: ${n} cases as expected")
