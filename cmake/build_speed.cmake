# What makes a build quick: ccache for every compile, a fast linker, and precompiled headers.

option(ABSENCE_PCH "Precompile the Qt, GoogleTest and standard headers most used" ON)
set(ABSENCE_LINKER "auto" CACHE STRING
    "Linker: auto (mold, else lld, else the compiler's own), mold, lld, gold, bfd or default")
option(ABSENCE_CCACHE "Compile through ccache when it is installed" ON)

# ccache caches compiles that use a precompiled header only when told to trust its macros and
# time stamps; passing that here keeps a plain `cmake --build` as quick as the build script.
if(ABSENCE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(ABSENCE_CCACHE_PROGRAM ccache)
  if(ABSENCE_CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} ${ABSENCE_CCACHE_PROGRAM})
  endif()
endif()

# The linker: mold and lld link the test programs several times faster than GNU ld.
include(CheckLinkerFlag)
set(absence_linkers ${ABSENCE_LINKER})
if(ABSENCE_LINKER STREQUAL "auto")
  set(absence_linkers mold lld)
elseif(ABSENCE_LINKER STREQUAL "default")
  set(absence_linkers)
endif()
foreach(linker IN LISTS absence_linkers)
  check_linker_flag(CXX "-fuse-ld=${linker}" ABSENCE_LINKER_${linker}_WORKS)
  if(ABSENCE_LINKER_${linker}_WORKS)
    target_link_options(absence_options INTERFACE "-fuse-ld=${linker}")
    message(STATUS "Linker: ${linker}")
    break()
  elseif(NOT ABSENCE_LINKER STREQUAL "auto")
    message(FATAL_ERROR "ABSENCE_LINKER=${ABSENCE_LINKER}: the compiler cannot link with it")
  endif()
endforeach()

set(ABSENCE_STD_HEADERS <algorithm> <cstdint> <functional> <map> <memory> <optional> <stdexcept>
                        <string> <string_view> <utility> <vector>)

# Qt Widgets headers used all over the windows.
set(ABSENCE_QT_HEADERS
    <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDir> <QFileInfo> <QGridLayout>
    <QGroupBox> <QHBoxLayout> <QHeaderView> <QKeyEvent> <QLabel> <QLineEdit> <QLocale>
    <QMouseEvent> <QPainter> <QPixmap> <QPointer> <QPushButton> <QRadioButton> <QScrollBar>
    <QSpinBox> <QString> <QStringList> <QTableWidget> <QTimer> <QToolButton> <QVBoxLayout>
    <QWidget>)

# The test programs of the core: the first one precompiles GoogleTest and the standard headers,
# the others reuse it (they share the compile options).
function(absence_test_headers target)
  if(NOT ABSENCE_PCH)
    return()
  endif()
  get_property(producer GLOBAL PROPERTY ABSENCE_TEST_PCH)
  if(producer)
    target_precompile_headers(${target} REUSE_FROM ${producer})
  else()
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h> ${ABSENCE_STD_HEADERS})
    set_property(GLOBAL PROPERTY ABSENCE_TEST_PCH ${target})
  endif()
endfunction()
