# GoogleTest from Debian's sources, built with the same compiler (host g++ or MinGW-w64).
if(NOT PROJECT_FUZZ)
  set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

if(NOT WIN32 AND NOT PROJECT_FUZZ)
  find_package(benchmark QUIET)
endif()

# The fixture that every Windows test needs: a private Wine prefix, a private Xvfb display and a
# persistent wineserver, started before the first test and stopped after the last.
if(WIN32 AND CMAKE_CROSSCOMPILING AND PROJECT_RUN_TESTS)
  add_test(NAME wine_env_start COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env start ${CMAKE_BINARY_DIR})
  add_test(NAME wine_env_stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_env_start PROPERTIES FIXTURES_SETUP wine_env)
  set_tests_properties(wine_env_stop PROPERTIES FIXTURES_CLEANUP wine_env)
endif()
