# Helpers that every folder uses to declare its libraries, tests, fuzzers and benchmarks.

# add_project_library(NAME SOURCES ... [LIBS ...]): a static library with the project's options.
function(add_project_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC project_options ${ARG_LIBS})
endfunction()

# add_project_test(NAME [WINDOWS_ONLY] [NATIVE_ONLY] SOURCES ... [LIBS ...] [TIMEOUT s])
# One GoogleTest program = one CTest test. Windows builds run it under Wine (see wine-run).
function(add_project_test name)
  cmake_parse_arguments(ARG "WINDOWS_ONLY;NATIVE_ONLY" "TIMEOUT" "SOURCES;LIBS;RESOURCES" ${ARGN})
  if(PROJECT_FUZZ)
    return()
  endif()
  if(ARG_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  if(ARG_NATIVE_ONLY AND WIN32)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES} ${ARG_RESOURCES})
  target_link_libraries(${name} PRIVATE project_options ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE PROJECT_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                             PROJECT_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared")
  if(WIN32)
    # Tests that open windows use the GUI subsystem only where they ask for it; the console one keeps
    # GoogleTest's output on stdout under Wine.
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  if(NOT PROJECT_RUN_TESTS)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  if(WIN32 AND CMAKE_CROSSCOMPILING)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_env)
  endif()
endfunction()

# add_project_fuzzer(NAME SOURCES ... [LIBS ...]): a libFuzzer target, built only by the fuzz preset.
function(add_project_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT PROJECT_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE project_options ${ARG_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  # One folder for all of them, so that scripts can run every fuzz target without knowing its name.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
endfunction()

# add_project_benchmark(NAME SOURCES ... [LIBS ...]): a Google Benchmark program, native only.
function(add_project_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(WIN32 OR PROJECT_FUZZ OR NOT TARGET benchmark::benchmark)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE project_options ${ARG_LIBS} benchmark::benchmark)
endfunction()
