# Helpers shared by every folder's build file.  Sources are picked up by
# globbing so that adding a file to a subsystem never needs a build-file edit.

# Our own code's warnings; errors too with BRILOX_WERROR.
function(brilox_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
  if(BRILOX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# brilox_library(NAME DIR [QT] [DEPS ...]): a static library of every .cc in DIR
# (not its subfolders).
function(brilox_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cc" "${dir}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${dir}/*.h")
  if(NOT sources)
    # A folder that holds no code yet still gives a linkable library.
    set(placeholder "${CMAKE_CURRENT_BINARY_DIR}/${name}_placeholder.cc")
    file(WRITE "${placeholder}" "// ${name} has no sources yet.\n")
    set(sources "${placeholder}")
  endif()
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  brilox_warnings(${name})
endfunction()

# brilox_tests(DIR DEPS ...): one test executable per *_test.cc in DIR,
# registered with CTest through gtest_discover_tests.
function(brilox_tests dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS "${dir}/*_test.cc")
  foreach(test_source ${tests})
    get_filename_component(test_name ${test_source} NAME_WE)
    add_executable(${test_name} ${test_source})
    target_link_libraries(${test_name} PRIVATE ${ARG_DEPS} brilox_test_support GTest::gtest GTest::gmock GTest::gtest_main)
    brilox_warnings(${test_name})
    # Parameterised cases are named by their generators; NO_PRETTY_VALUES keeps
    # the printed parameter (raw bytes for a plain struct) out of the CTest name.
    gtest_discover_tests(${test_name}
      NO_PRETTY_VALUES
      WORKING_DIRECTORY "${CMAKE_SOURCE_DIR}"
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;BRILOX_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;BRILOX_PROGRAM_DATA=${CMAKE_SOURCE_DIR}/data"
      DISCOVERY_TIMEOUT 60)
  endforeach()
endfunction()
