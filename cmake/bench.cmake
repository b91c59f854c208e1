# Benchmarks (Google Benchmark, native build). ctest only runs a short smoke pass;
# run build/.../vorbelle_bench itself for the figures.
if(NOT VB_BENCH OR WIN32)
  return()
endif()
find_package(benchmark REQUIRED)
# One program per file: each has its own main and summary.
foreach(program WordsList Coach)
  set(target vorbelle_bench)
  if(NOT program STREQUAL "WordsList")
    string(TOLOWER ${program} lower)
    set(target vorbelle_${lower}_bench)
  endif()
  add_executable(${target} ${CMAKE_SOURCE_DIR}/bench/${program}Bench.cpp)
  target_link_libraries(${target} PRIVATE vorbelle_platform benchmark::benchmark)
  target_compile_definitions(${target} PRIVATE VB_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${target}_smoke COMMAND ${target} --smoke)
endforeach()
