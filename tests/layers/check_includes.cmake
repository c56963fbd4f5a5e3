# cmake -DROOT=<source tree> -P check_includes.cmake
# Fails, naming each one, when a source under ROOT's layer folders includes a
# header from a higher layer.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/layer_rules.cmake)
brel_include_layer_violations(${ROOT} reaching)
if(reaching)
  list(JOIN reaching "\n  " shown)
  message(FATAL_ERROR "Includes reaching up a layer:\n  ${shown}")
endif()
message("Includes reaching up a layer: none")
