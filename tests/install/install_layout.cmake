# Installs the build into a scratch prefix and checks that every piece lies
# where the program looks for it: both programs in bin/, and the program
# folder (the shipped data/) in share/brilox, which ResolveProgramFolder
# (src/platform/app_folders.h) finds as "../share/brilox" beside the
# executable.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... [-DWITH_GUI=ON] -P install_layout.cmake
foreach(var BUILD_DIR SOURCE_DIR PREFIX)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${installed})")
endif()

set(expected "bin/brilox-console")
if(WITH_GUI)
  list(APPEND expected "bin/brilox")
endif()
# Every file of the source tree's data/ must reach the program folder.
file(GLOB_RECURSE shipped RELATIVE "${SOURCE_DIR}/data" "${SOURCE_DIR}/data/*")
foreach(file ${shipped})
  list(APPEND expected "share/brilox/${file}")
endforeach()

set(missing "")
foreach(file ${expected})
  if(NOT EXISTS "${PREFIX}/${file}")
    list(APPEND missing "${file}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed where the program looks: ${missing}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
