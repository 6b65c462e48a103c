# What every test runs in: headless, with a fixed locale and time zone.
set(TLMR_TEST_ENVIRONMENT
    QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE= TZ=UTC QT_LOGGING_RULES=qt.qpa.*=false)

# tlmr_add_test(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <s>])
# One QtTest executable per area, in a folder of its own (so a test's program
# directory, and the settings file beside it, belong to that test alone), run
# headless with a fixed locale and time zone and a home folder of its own.
function(tlmr_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/${name})
  add_test(NAME ${name} COMMAND ${name})
  # A home of its own: per-user files (placements, settings) of tests that
  # run side by side never meet.
  set(home ${CMAKE_BINARY_DIR}/tests/homes/${name})
  file(MAKE_DIRECTORY ${home})
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "${TLMR_TEST_ENVIRONMENT};HOME=${home}")
endfunction()
