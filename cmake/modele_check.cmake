# Stops when a unit of `modele` includes a window: a header of ui/ or of a unit of `fenetres`.
# Needs TARVIO_SOURCE_DIR and TARVIO_MODELE_UNITS (folder/name, separated by ";" or ",").
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()
string(REPLACE "," ";" TARVIO_MODELE_UNITS "${TARVIO_MODELE_UNITS}")
foreach(unit ${TARVIO_MODELE_UNITS})
  foreach(file ${unit}.h ${unit}.cpp)
    set(path ${TARVIO_SOURCE_DIR}/src/${file})
    if(NOT EXISTS ${path})
      continue()
    endif()
    file(STRINGS ${path} includes REGEX "^#include \"")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
      string(REGEX REPLACE "\\.h$" "" included "${header}")
      if(header MATCHES "^ui/"
         OR (EXISTS ${TARVIO_SOURCE_DIR}/src/${included}.cpp
             AND included MATCHES "^[a-z]+/"
             AND NOT included MATCHES "^platform/"
             AND NOT included IN_LIST TARVIO_MODELE_UNITS))
        message(FATAL_ERROR "src/${file} is in modele but includes ${header}, a window: move the "
                            "window part out, or take the unit out of TARVIO_MODELE_*")
      endif()
    endforeach()
  endforeach()
endforeach()
