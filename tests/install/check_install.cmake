# Installs the build into a fresh prefix and uses it as a user would: the
# command-line tool stores an example position copied from the installed
# examples, started from another directory; the desktop entry is valid.
#   cmake -DBUILD_DIR=build -DWORK=scratch -P check_install.cmake
set(prefix "${WORK}/prefix")
set(mine "${WORK}/mine")
set(elsewhere "${WORK}/elsewhere")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${elsewhere}" "${mine}")

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${elsewhere}" RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(status "${status}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

foreach(installed
    bin/rerore bin/rerore-cli bin/rerore-examples
    share/rerore/KEYSFRAMES.HTM share/rerore/ECHOHELPFRAME.HTM share/rerore/ECHOHELP
    share/rerore/VELTRANIX.PDF share/rerore/examples/DATA/SDIR001/ECHO_G.001.TXT
    share/applications/rerore.desktop share/icons/hicolor/scalable/apps/rerore.svg)
  if(NOT EXISTS "${prefix}/${installed}")
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()

# The user's own copy of the examples, stored from another directory.
file(COPY "${prefix}/share/rerore/examples/DATA" DESTINATION "${mine}")
run("${prefix}/bin/rerore-cli" store .001 "@${mine}/DATA/")
if(NOT status EQUAL 0 OR NOT out STREQUAL "checkResult 0\n")
  message(FATAL_ERROR "store .001: status ${status}, output '${out}', messages '${err}'")
endif()
file(READ "${mine}/DATA/SDIR001/GEOMETRY.001" geometry HEX)
if(NOT geometry STREQUAL "01000000")
  message(FATAL_ERROR "store .001 left GEOMETRY.001 = ${geometry}, not 1")
endif()
run("${prefix}/bin/rerore-cli" store .003 "@${mine}/DATA/")
if(NOT status EQUAL 2 OR NOT err MATCHES "Singularity in row 14\nEquation 14 is ")
  message(FATAL_ERROR "store .003 (a mechanism): status ${status}, messages '${err}'")
endif()

run(desktop-file-validate "${prefix}/share/applications/rerore.desktop")
if(NOT status EQUAL 0 OR out MATCHES "error" OR err MATCHES "error")
  message(FATAL_ERROR "desktop-file-validate: status ${status}: ${out}${err}")
endif()
message(STATUS "installed into ${prefix}; rerore-cli and the desktop entry work")
