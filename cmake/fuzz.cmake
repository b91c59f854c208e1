# libFuzzer targets for the readers of untrusted files (clang, native only).
# Each target gets two tests: a bounded fuzzing run that starts from the kept
# corpus (new inputs go to the build folder), and a replay of the kept corpus.
if(NOT VB_FUZZ OR WIN32)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VB_FUZZ needs clang (configure with CXX=clang++)")
endif()

set(VB_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs under ctest")
set(VB_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

# The core and the native platform again, instrumented for coverage and sanitizers.
vb_glob(VB_FUZZ_CORE_SOURCES ${CMAKE_SOURCE_DIR}/src/core/*.cpp ${CMAKE_SOURCE_DIR}/src/platform/portable/*.cpp)
add_library(vorbelle_fuzz_core STATIC ${VB_FUZZ_CORE_SOURCES})
target_include_directories(vorbelle_fuzz_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(vorbelle_fuzz_core PUBLIC -fsanitize=fuzzer-no-link ${VB_FUZZ_SANITIZERS})
target_link_options(vorbelle_fuzz_core PUBLIC ${VB_FUZZ_SANITIZERS})

add_custom_target(fuzzers)
foreach(name IniStore WordsList Dictionary GameFile OptionsFile InstallRecord Records ViewSettings)
  string(TOLOWER ${name} corpus)
  set(target ${name}Fuzz)
  add_executable(${target} ${CMAKE_SOURCE_DIR}/tests/fuzz/${target}.cpp)
  target_link_libraries(${target} PRIVATE vorbelle_fuzz_core)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${target})
  set(kept ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${corpus})
  set(work ${CMAKE_BINARY_DIR}/fuzz-corpus/${corpus})
  file(MAKE_DIRECTORY ${work})
  add_test(NAME ${target}_run
           COMMAND ${target} -max_total_time=${VB_FUZZ_SECONDS} -max_len=8192 -rss_limit_mb=2048
                   -timeout=10 -print_final_stats=1 ${work} ${kept})
  add_test(NAME ${target}_corpus COMMAND ${target} -runs=0 ${kept})
  set_tests_properties(${target}_run PROPERTIES TIMEOUT 300)
endforeach()
