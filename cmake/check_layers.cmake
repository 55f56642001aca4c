# The layering check, run by CTest as
#   cmake -DSOURCE_DIR=<checkout> -DSOURCE_LISTS=<build>/velorima_sources.cmake
#         -DQT_WIDGET_INCLUDE_DIRS=<QtGui|QtWidgets|QtPrintSupport header folders>
#         -P cmake/check_layers.cmake
# It fails, naming every offending line, when
#   - a file includes a header of a folder that cmake/layers.cmake does not allow it (a higher
#     layer, or another subsystem except through its core headers where the table says so);
#   - a file of a library without widgets (the core library, the sample data) includes a Qt Gui,
#     Widgets or PrintSupport header;
#   - a source file of a program folder, or a test of tests/, is not declared in a CMakeLists.txt.

cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_DIR SOURCE_LISTS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "check_layers.cmake needs -D${variable}=...")
  endif()
endforeach()
include(${SOURCE_DIR}/cmake/layers.cmake)
include(${SOURCE_LISTS})
string(REPLACE "|" ";" QT_WIDGET_INCLUDE_DIRS "${QT_WIDGET_INCLUDE_DIRS}")

set(problems)
macro(problem)
  string(CONCAT text ${ARGV})
  list(APPEND problems "${text}")
endmacro()

# The table: for each folder, the folders it may include wholly and those it may include
# through their core headers only.
velorima_layer_folders(folders)
foreach(line IN LISTS VELORIMA_LAYERS)
  string(REGEX REPLACE "[ \t]+" ";" words "${line}")
  list(POP_FRONT words folder)
  set(allowed_${folder})
  set(core_only_${folder})
  foreach(word IN LISTS words)
    if(word MATCHES "^([a-z_]+):core$")
      set(dependency ${CMAKE_MATCH_1})
      list(APPEND core_only_${folder} ${dependency})
    else()
      set(dependency ${word})
      list(APPEND allowed_${folder} ${dependency})
    endif()
    if(NOT dependency IN_LIST seen)
      problem("cmake/layers.cmake: '${folder}' names '${dependency}', which is not a folder "
              "above it in the table")
    endif()
  endforeach()
  list(APPEND seen ${folder})
endforeach()

function(relative path variable)
  file(RELATIVE_PATH result ${SOURCE_DIR} ${path})
  set(${variable} ${result} PARENT_SCOPE)
endfunction()

# The quoted includes of each file against the table.
set(checked 0)
foreach(folder IN LISTS folders)
  file(GLOB files ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  foreach(file IN LISTS files)
    math(EXPR checked "${checked} + 1")
    relative(${file} name)
    if(NOT file IN_LIST VELORIMA_DECLARED_SOURCES)
      problem("${name}: not declared in ${folder}/CMakeLists.txt")
    endif()
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(include IN LISTS includes)
      if(NOT include MATCHES "\"([^\"]+)\"")
        continue()
      endif()
      set(header ${CMAKE_MATCH_1})
      if(NOT header MATCHES "^([a-z_]+)/")
        problem("${name}: '${include}' names no folder")
        continue()
      endif()
      set(target ${CMAKE_MATCH_1})
      if(target STREQUAL folder OR target IN_LIST allowed_${folder})
        continue()
      endif()
      if(target IN_LIST core_only_${folder})
        if("${SOURCE_DIR}/${header}" IN_LIST VELORIMA_CORE_SOURCES)
          continue()
        endif()
        problem("${name}: includes ${header}, which is not one of ${target}/'s data operations "
                "(the only part of ${target}/ that ${folder}/ may use)")
      elseif(target IN_LIST folders)
        problem("${name}: includes ${header}, but ${folder}/ may not include ${target}/ "
                "(cmake/layers.cmake)")
      else()
        problem("${name}: includes ${header}, of no folder in cmake/layers.cmake")
      endif()
    endforeach()
  endforeach()
endforeach()

# No Qt Gui, Widgets or PrintSupport header in a library without widgets, whether written as
# <QtWidgets/QDialog> or as <QDialog>.
foreach(file IN LISTS VELORIMA_NO_WIDGET_SOURCES)
  if(NOT file MATCHES "\\.(cpp|h)$")
    continue()
  endif()
  relative(${file} name)
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
  foreach(include IN LISTS includes)
    if(NOT include MATCHES "<([^>]+)>")
      continue()
    endif()
    set(header ${CMAKE_MATCH_1})
    if(header MATCHES "^(QtGui|QtWidgets|QtPrintSupport)/")
      problem("${name}: includes <${header}> but goes into a library without widgets")
      continue()
    endif()
    foreach(directory IN LISTS QT_WIDGET_INCLUDE_DIRS)
      if(EXISTS "${directory}/${header}")
        get_filename_component(module ${directory} NAME)
        problem("${name}: includes <${header}> (${module}) but goes into a library without "
                "widgets")
        break()
      endif()
    endforeach()
  endforeach()
endforeach()

# Every test file is built.
file(GLOB_RECURSE tests ${SOURCE_DIR}/tests/*_test.cpp ${SOURCE_DIR}/tests/*_qtest.cpp)
foreach(test IN LISTS tests)
  if(NOT test IN_LIST VELORIMA_DECLARED_SOURCES)
    relative(${test} name)
    problem("${name}: not declared in its folder's CMakeLists.txt")
  endif()
endforeach()

if(problems)
  list(LENGTH problems count)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "The layering check found ${count} problem(s):\n  ${text}")
endif()
message(STATUS "Layering: the ${checked} files of the program folders follow cmake/layers.cmake")
