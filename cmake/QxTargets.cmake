# Warnings are errors for our own code only; third-party headers come in as system includes.
set(QX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor -Wno-missing-field-initializers -Werror)

# qx_library(NAME SOURCES... [DEPS libs...])
function(qx_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${QX_WARNINGS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# qx_test(NAME LABEL SOURCES... DEPS libs...): one GoogleTest executable, its cases registered with CTest.
function(qx_test name label)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${QX_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    QX_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QX_PROGRAM_DIR="${QX_PROGRAM_DIR}/")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS ${label}
    DISCOVERY_TIMEOUT 60)
endfunction()
