# The pristine German model, embedded as ":/RT_RCDATA/NewModell" and
# ":/RT_RCDATA/DE_Modell" (one file serves both). MAV_MODEL_FILE may name
# another model file; its layout is checked here because the editor tells
# buildings from house levels by line index alone.

get_filename_component(MAV_MODEL_FILE_ABSOLUTE "${MAV_MODEL_FILE}" ABSOLUTE BASE_DIR "${CMAKE_SOURCE_DIR}")
if(NOT EXISTS "${MAV_MODEL_FILE_ABSOLUTE}" OR IS_DIRECTORY "${MAV_MODEL_FILE_ABSOLUTE}")
  message(FATAL_ERROR "MAV_MODEL_FILE: the model file \"${MAV_MODEL_FILE_ABSOLUTE}\" does not exist.")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${MAV_MODEL_FILE_ABSOLUTE}")

function(mav_check_model_layout path)
  file(READ "${path}" text)
  # Characters that CMake lists treat specially are masked before splitting.
  string(REPLACE "\\" "<bs>" text "${text}")
  string(REPLACE ";" "<sc>" text "${text}")
  string(REPLACE "[" "<lb>" text "${text}")
  string(REPLACE "]" "<rb>" text "${text}")
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\r" "\n" text "${text}")
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  list(LENGTH lines count)
  if(NOT count EQUAL 298)
    message(FATAL_ERROR "MAV_MODEL_FILE: \"${path}\" has ${count} lines; a model file has 298.")
  endif()
  foreach(entry "0=BUILDING MODS" "6=ALL BUILDINGS" "276=HOUSE MODS" "282=ALL HOUSES")
    string(REGEX REPLACE "=.*" "" index "${entry}")
    string(REGEX REPLACE "^[0-9]+=" "" header "${entry}")
    list(GET lines ${index} line)
    string(STRIP "${line}" line)
    if(NOT line STREQUAL header)
      message(FATAL_ERROR "MAV_MODEL_FILE: line ${index} (counted from 0) of \"${path}\" "
                          "is \"${line}\"; it must be the header \"${header}\".")
    endif()
  endforeach()
endfunction()
mav_check_model_layout("${MAV_MODEL_FILE_ABSOLUTE}")

# The path goes into XML.
string(REPLACE "&" "&amp;" MAV_MODEL_FILE_XML "${MAV_MODEL_FILE_ABSOLUTE}")
string(REPLACE "<" "&lt;" MAV_MODEL_FILE_XML "${MAV_MODEL_FILE_XML}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/model.qrc.in ${CMAKE_CURRENT_BINARY_DIR}/mav_model.qrc @ONLY)
qt6_add_resources(mav_model_qrc_sources ${CMAKE_CURRENT_BINARY_DIR}/mav_model.qrc)
target_sources(mav_resources PRIVATE ${mav_model_qrc_sources})
