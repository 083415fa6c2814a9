# One test program per subsystem. Core tests use GoogleTest; window tests
# use Qt Test on the offscreen platform. Every test runs in its own fresh
# temporary directory (the tests' fixtures see to that) with TZ pinned.
# A cross build compiles GoogleTest from its sources for the target; a native
# build uses the installed one. Wine names the files of the Windows programs
# it runs in the locale's encoding: a UTF-8 one keeps their Polish letters.
if(CMAKE_CROSSCOMPILING)
  set(ZG_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built for the target")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ZG_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(ZG_TEST_LOCALE C.UTF-8)
else()
  find_package(GTest REQUIRED)
  set(ZG_TEST_LOCALE C)
endif()

function(zg_add_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE zg_core GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "TZ=UTC;LC_ALL=${ZG_TEST_LOCALE}")
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
