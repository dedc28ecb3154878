# Shared compile options and the helpers every subsystem uses to declare its
# library and its test executable.

function(rh_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
                         -Wno-missing-field-initializers)
  if(RH_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_BYTEARRAY
                             QT_USE_QSTRINGBUILDER)
endfunction()

# rh_library(NAME SOURCES ... LIBS ...): a static library whose headers are
# included as "<folder>/<file>.h" relative to src/.
function(rh_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  rh_compile_options(${name})
endfunction()

# rh_test(NAME SOURCES ... LIBS ...): one GoogleTest executable, registered
# twice with CTest: once on SQLite and once on PostgreSQL. The PostgreSQL
# run skips its database tests when RH_TEST_PG names no server.
function(rh_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} rh_testsupport GTest::gtest GTest::gmock)
  rh_compile_options(${name})
  foreach(backend sqlite postgres)
    add_test(NAME ${name}.${backend} COMMAND ${name})
    set_tests_properties(${name}.${backend} PROPERTIES
      ENVIRONMENT "RH_TEST_BACKEND=${backend};QT_QPA_PLATFORM=offscreen"
      TIMEOUT 900)
  endforeach()
endfunction()
