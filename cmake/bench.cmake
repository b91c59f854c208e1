# Benchmarks. Native: Google Benchmark programs (VB_BENCH). Windows: the load
# and hint timings as a self-timing program sharing the same timing code, since
# Google Benchmark is not built for mingw. ctest only runs a short smoke pass; run the
# programs themselves for the figures.
set(VB_LOAD_TIMING ${CMAKE_SOURCE_DIR}/bench/LoadTiming.cpp)
if(WIN32)
  add_executable(vorbelle_load_bench ${CMAKE_SOURCE_DIR}/bench/LoadBenchSelfTimed.cpp ${VB_LOAD_TIMING}
                                     ${CMAKE_SOURCE_DIR}/bench/HintTiming.cpp)
  target_link_libraries(vorbelle_load_bench PRIVATE vorbelle_platform)
  target_compile_definitions(vorbelle_load_bench PRIVATE VB_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME vorbelle_load_bench_smoke COMMAND vorbelle_load_bench --smoke)
  return()
endif()
if(NOT VB_BENCH)
  return()
endif()
find_package(benchmark REQUIRED)
# One program per file: each has its own main and summary.
foreach(program WordsList Coach Load)
  set(target vorbelle_bench)
  set(extra)
  if(NOT program STREQUAL "WordsList")
    string(TOLOWER ${program} lower)
    set(target vorbelle_${lower}_bench)
  endif()
  if(program STREQUAL "Load")
    set(extra ${VB_LOAD_TIMING})
  endif()
  add_executable(${target} ${CMAKE_SOURCE_DIR}/bench/${program}Bench.cpp ${extra})
  target_link_libraries(${target} PRIVATE vorbelle_platform benchmark::benchmark)
  target_compile_definitions(${target} PRIVATE VB_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${target}_smoke COMMAND ${target} --smoke)
endforeach()
