# Benchmarks (Google Benchmark, native build). ctest only runs a short smoke pass;
# run build/.../vorbelle_bench itself for the figures.
if(NOT VB_BENCH OR WIN32)
  return()
endif()
find_package(benchmark REQUIRED)
vb_glob(VB_BENCH_SOURCES ${CMAKE_SOURCE_DIR}/bench/*.cpp)
add_executable(vorbelle_bench ${VB_BENCH_SOURCES})
target_link_libraries(vorbelle_bench PRIVATE vorbelle_platform benchmark::benchmark)
target_compile_definitions(vorbelle_bench PRIVATE VB_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME bench_smoke COMMAND vorbelle_bench --smoke)
