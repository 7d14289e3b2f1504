# Stops when a file of the model (src/modele, or a test of it under tests/modele) includes a
# window: a header of ui/, of src/fenetres or of the Qt front end, or the test program of
# support/programme_test.h. Needs TARVIO_SOURCE_DIR.
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()
file(GLOB_RECURSE modele_files
  ${TARVIO_SOURCE_DIR}/src/modele/*.h ${TARVIO_SOURCE_DIR}/src/modele/*.cpp
  ${TARVIO_SOURCE_DIR}/tests/modele/*.h ${TARVIO_SOURCE_DIR}/tests/modele/*.cpp)
foreach(path ${modele_files})
  file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
    if(header MATCHES "^(ui|fenetres|qt)/" OR header STREQUAL "support/programme_test.h")
      file(RELATIVE_PATH file ${TARVIO_SOURCE_DIR} ${path})
      message(FATAL_ERROR "${file} is in the model but includes ${header}, a window: move the "
                          "window part to src/fenetres (tests/fenetres), or the file itself")
    endif()
  endforeach()
endforeach()
