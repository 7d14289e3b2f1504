# Stops when a file under src/modele includes a window: a header of ui/ or of src/fenetres.
# Needs TARVIO_SOURCE_DIR.
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()
file(GLOB_RECURSE modele_files
  ${TARVIO_SOURCE_DIR}/src/modele/*.h ${TARVIO_SOURCE_DIR}/src/modele/*.cpp)
foreach(path ${modele_files})
  file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
    if(header MATCHES "^(ui|fenetres|qt)/")
      file(RELATIVE_PATH file ${TARVIO_SOURCE_DIR} ${path})
      message(FATAL_ERROR "${file} is in the model but includes ${header}, a window: move the "
                          "window part to src/fenetres, or the unit itself")
    endif()
  endforeach()
endforeach()
