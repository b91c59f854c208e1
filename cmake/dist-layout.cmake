# Lays out the distribution folder; run by the "dist" target (cmake/dist.cmake).
#   cmake -DPROGRAM=<Vorbelle.exe> -DSOURCE=<source tree> -DDIST=<dist folder> -P dist-layout.cmake
foreach(var PROGRAM SOURCE DIST)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "dist-layout.cmake needs -D${var}=...")
  endif()
endforeach()

set(folder ${DIST}/Vorbelle)
# Start afresh, so files that no longer ship do not linger.
file(REMOVE_RECURSE ${folder} ${DIST}/Vorbelle.zip)
file(MAKE_DIRECTORY ${folder})

# The program is its own installer under this name.
file(COPY_FILE ${PROGRAM} ${folder}/Install.exe)

# Everything in data/ ships beside the program (dictionaries, help file...).
file(GLOB items LIST_DIRECTORIES true ${SOURCE}/data/*)
foreach(item ${items})
  file(COPY ${item} DESTINATION ${folder})
endforeach()

# Texts for players open in any Windows editor: CR LF line ends.
function(write_windows_text from to)
  file(READ ${from} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${to} "${text}")
endfunction()
write_windows_text(${SOURCE}/LICENSE ${folder}/License.txt)
foreach(name Readme.txt Support.txt)
  if(EXISTS ${SOURCE}/data/${name})
    write_windows_text(${SOURCE}/data/${name} ${folder}/${name})
  endif()
endforeach()

# The list of the distribution's own files: the installer copies these and
# nothing else that lies beside it.
file(GLOB_RECURSE shipped RELATIVE ${folder} ${folder}/*)
list(SORT shipped)
set(listing "Vorbelle distribution files, version 1\r\n")
foreach(path ${shipped})
  string(REPLACE "/" "\\" path "${path}")
  string(APPEND listing "${path}\r\n")
endforeach()
file(WRITE ${folder}/Install.lst "${listing}")

execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf Vorbelle.zip --format=zip Vorbelle
                WORKING_DIRECTORY ${DIST} RESULT_VARIABLE zipped)
if(NOT zipped EQUAL 0)
  message(FATAL_ERROR "Could not make ${DIST}/Vorbelle.zip")
endif()
