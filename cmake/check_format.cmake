# The formatting check, run by CTest as
#   cmake -DSOURCE_LISTS=<build>/velorima_sources.cmake -DCLANG_FORMAT=<program>
#         -P cmake/check_format.cmake
# It fails, naming every place, when a C++ file any target declares differs from what
# clang-format makes of it with the checkout's .clang-format. `clang-format -i <file>` mends it.
include(${SOURCE_LISTS})
set(files)
foreach(file IN LISTS VELORIMA_DECLARED_SOURCES)
  if(file MATCHES "\\.(cpp|h)$")
    list(APPEND files ${file})
  endif()
endforeach()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files}
                RESULT_VARIABLE result ERROR_VARIABLE report OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Not formatted by clang-format (run clang-format -i on each file):\n${report}")
endif()
