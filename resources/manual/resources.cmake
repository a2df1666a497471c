# The German manual, typeset at build time from manual.html in the embedded
# font and embedded as ":/RT_RCDATA/PDF". The tool fails the build when the
# manual does not come out at exactly six pages.
if(NOT MAV_FONT_FILE)
  message(FATAL_ERROR "The manual is set in the embedded font: include font/resources.cmake first")
endif()

add_executable(mav_manual_tool
    "${CMAKE_SOURCE_DIR}/tools/manual/main.cpp"
    "${CMAKE_SOURCE_DIR}/tools/manual/manualrenderer.cpp")
target_link_libraries(mav_manual_tool PRIVATE Qt6::Gui)

set(MAV_MANUAL_SOURCE "${CMAKE_CURRENT_LIST_DIR}/manual.html")
set(MAV_MANUAL_DIR "${CMAKE_BINARY_DIR}/resources/manual")
set(MAV_MANUAL_PDF "${MAV_MANUAL_DIR}/Sierra Modell Dateien.pdf")
file(MAKE_DIRECTORY "${MAV_MANUAL_DIR}")

# Qt leaks a little at exit in sanitizer builds; that is not the tool's fault.
add_custom_command(
    OUTPUT "${MAV_MANUAL_PDF}"
    COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            "$<TARGET_FILE:mav_manual_tool>" "${MAV_FONT_FILE}" "${MAV_MANUAL_SOURCE}" "${MAV_MANUAL_PDF}"
    DEPENDS mav_manual_tool "${MAV_MANUAL_SOURCE}" "${MAV_FONT_FILE}"
    COMMENT "Typesetting the manual \"Sierra Modell Dateien.pdf\""
    VERBATIM)

set_source_files_properties("${MAV_MANUAL_PDF}" PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS "PDF")
qt_add_resources(mav_resources "manual"
    PREFIX "/RT_RCDATA"
    BASE "${MAV_MANUAL_DIR}"
    FILES "${MAV_MANUAL_PDF}")
