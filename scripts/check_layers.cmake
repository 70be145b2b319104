# Fails when a source file includes a header of a layer above its own.
#   cmake -DSRC=<folder holding dates/, data/, ..., ui/> -P check_layers.cmake
#
# The core (dates ... reports) includes nothing of render/, ui/ or app/; render/ includes
# nothing of ui/ or app/. Window folders depend downward only: a folder under ui/ includes its
# own headers and those of folders with a lower rank, never a sibling of the same rank, so the
# window folders cannot form a circle. A folder missing from the ranks is an error, so a new one
# gets its place here before it is used.
#
# The settings file is opened by the core's settings code only (data/settings*, data/ini_file*):
# everybody else goes through TSettingsFile or the windows' settings service.
cmake_minimum_required(VERSION 3.25)
if(NOT SRC)
  message(FATAL_ERROR "usage: cmake -DSRC=<source folder> -P check_layers.cmake")
endif()

get_filename_component(SRC "${SRC}" ABSOLUTE)

set(rank_common 0)
set(rank_session 1)
set(rank_dialogs 2)
set(rank_convert 3)
set(rank_reports 3)
set(rank_maintenance 4)
set(rank_main 5)

set(core_folders dates data accrual edit convert reports)

set(violations "")
file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
foreach(file IN LISTS sources)
  string(REGEX MATCH "^[^/]+" top "${file}")
  file(STRINGS ${SRC}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
  if(NOT file MATCHES "^data/(settings|ini_file)")
    file(STRINGS ${SRC}/${file} opens REGEX "TIniFile|data/ini_file\\.h")
    if(opens)
      list(APPEND violations "${file}: opens the settings file itself (TIniFile)")
    endif()
  endif()
  if(top STREQUAL "ui")
    string(REGEX MATCH "^ui/([^/]+)/" _ "${file}")
    set(from "${CMAKE_MATCH_1}")
    if(NOT DEFINED rank_${from})
      list(APPEND violations "${file}: the window folder ui/${from} has no rank in check_layers.cmake")
      continue()
    endif()
  endif()
  foreach(line IN LISTS includes)
    string(REGEX MATCH "\"([^\"]+)\"" _ "${line}")
    set(header "${CMAKE_MATCH_1}")
    string(REGEX MATCH "^[^/]+" target "${header}")
    if(top IN_LIST core_folders)
      if(target MATCHES "^(ui|render|app)$")
        list(APPEND violations "${file}: the core includes ${header}")
      endif()
    elseif(top STREQUAL "render")
      if(target MATCHES "^(ui|app)$")
        list(APPEND violations "${file}: the page painting includes ${header}")
      endif()
    elseif(top STREQUAL "ui" AND target STREQUAL "ui")
      string(REGEX MATCH "^ui/([^/]+)/" _ "${header}")
      set(to "${CMAKE_MATCH_1}")
      if(to STREQUAL from)
        continue()
      endif()
      if(NOT DEFINED rank_${to})
        list(APPEND violations "${file}: includes ${header}, a window folder without a rank")
      elseif(NOT rank_${to} LESS rank_${from})
        list(APPEND violations "${file}: ui/${from} includes ${header} of a layer not below it")
      endif()
    endif()
  endforeach()
endforeach()

list(LENGTH sources count)
if(violations)
  list(JOIN violations "\n" text)
  message(FATAL_ERROR "includes against the layers:\n${text}")
endif()
message(STATUS "layers: ${count} files, no include against the layers")
