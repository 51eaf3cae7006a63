# Fails when a source file includes a folder of a higher layer, or when the
# Qt-free core includes Qt. Run by CTest:
#   cmake -DSOURCE_DIR=<repo>/src -P check_layers.cmake
#
# The layers, lowest first:
#   model  <-  check, echo, generators, dxf  <-  commands and view/core (Qt-free)
#          <-  gui  <-  view, tables  <-  app, cli
# A folder may include itself and the folders listed for it.

set(allowed_model "model")
set(allowed_check "model;check")
set(allowed_echo "model;check;echo")
set(allowed_generators "model;check;generators")
set(allowed_dxf "model;check;generators;dxf")
set(allowed_commands "model;check;echo;generators;dxf;commands")
set(allowed_view_core "model;check;echo;generators;dxf;commands;view/core")
set(allowed_gui "model;check;echo;generators;dxf;commands;view/core;gui")
set(allowed_view "model;check;echo;generators;dxf;commands;gui;view;view/core")
set(allowed_tables "model;check;echo;generators;dxf;commands;view/core;gui;tables")
set(allowed_app "model;check;echo;generators;dxf;commands;gui;view;view/core;tables;app")
set(allowed_cli "model;check;echo;generators;dxf;commands;gui;view;view/core;cli")
set(qt_free "model;check;echo;generators;dxf;commands;view/core")

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(violations "")
foreach(source IN LISTS sources)
  get_filename_component(folder ${source} DIRECTORY)
  string(REPLACE "/" "_" key ${folder})
  if(NOT DEFINED allowed_${key})
    list(APPEND violations "${source}: the folder ${folder} has no place in the layers")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([a-z_]+(/core)?)/[^/\"]+\"")
      set(target ${CMAKE_MATCH_1})
      if(NOT target IN_LIST allowed_${key})
        list(APPEND violations "${source}: includes ${target}/ (${line})")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<Q" AND folder IN_LIST qt_free)
      list(APPEND violations "${source}: the core includes Qt (${line})")
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files follow the layers")
