# One test program per subsystem. Core tests use GoogleTest; window tests
# use Qt Test on the offscreen platform. Every test runs in its own fresh
# temporary directory (the tests' fixtures see to that) with TZ pinned.
find_package(GTest REQUIRED)

function(zg_add_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE zg_core GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "TZ=UTC;LC_ALL=C")
endfunction()

function(zg_add_gui_test name)
  if(ZG_CORE_ONLY)
    return()
  endif()
  add_executable(${name} ${ARGN} ${CMAKE_SOURCE_DIR}/tests/support/strict_message_seam.cpp)
  target_link_libraries(${name} PRIVATE zg_gui Qt6::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "TZ=UTC;LC_ALL=C;QT_QPA_PLATFORM=offscreen")
endfunction()
