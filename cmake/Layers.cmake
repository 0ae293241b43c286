# taxi_library(NAME folder DEPS ...) – one static library per source folder, all its .cpp files.
function(taxi_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# taxi_test(NAME SOURCES... DEPS ...) – one GoogleTest executable, registered with CTest.
function(taxi_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TAXI_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TAXI_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${PROJECT_BINARY_DIR} DISCOVERY_TIMEOUT 60)
endfunction()

# taxi_bench(NAME SOURCES... DEPS ...) – one Google Benchmark executable (not run by the tests).
function(taxi_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(${name} PRIVATE
    TAXI_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TAXI_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bench)
  # Each benchmark runs once, briefly, with the tests: a benchmark that no longer runs is caught when it
  # breaks, not when someone next measures. Its figures mean nothing here.
  if(TAXI_TESTS)
    add_test(NAME ${name}_runs COMMAND ${name} --benchmark_min_time=0.01)
    set_tests_properties(${name}_runs PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# Programs on a real X server load SDL's X11 and D-Bus libraries, which keep allocations until exit through
# libraries unloaded before the leak check runs; sanitizer builds check those tests for everything but leaks.
function(taxi_no_leak_check_for_x11 test)
  if(TAXI_SANITIZE)
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
  endif()
endfunction()
