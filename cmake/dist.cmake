# The distribution folder dist/Vorbelle/ and dist/Vorbelle.zip (Windows build):
# the program as "Install.exe", the read-me, help, licence and support texts,
# and the dictionaries with their licence notices. Build it with the "dist" target.
if(NOT TARGET Vorbelle)
  return()
endif()

set(VB_DIST_ROOT ${CMAKE_BINARY_DIR}/dist)
set(VB_DIST_FOLDER ${VB_DIST_ROOT}/Vorbelle)
file(GLOB_RECURSE VB_DIST_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)

add_custom_command(
  OUTPUT ${VB_DIST_ROOT}/Vorbelle.zip
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:Vorbelle> -DSOURCE=${CMAKE_SOURCE_DIR} -DDIST=${VB_DIST_ROOT}
          -P ${CMAKE_SOURCE_DIR}/cmake/dist-layout.cmake
  DEPENDS Vorbelle ${VB_DIST_DATA} ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/cmake/dist-layout.cmake
  COMMENT "Laying out dist/Vorbelle and dist/Vorbelle.zip"
  VERBATIM)
add_custom_target(dist DEPENDS ${VB_DIST_ROOT}/Vorbelle.zip)

# The installer's system test installs from a copy of the distribution folder; it
# runs with the other tests that start the program, one at a time.
if(TARGET app_tests)
  add_dependencies(app_tests dist)
  target_compile_definitions(app_tests PRIVATE VB_DIST_FOLDER="${VB_DIST_FOLDER}")
endif()
