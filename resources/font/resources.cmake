# The window's font, family "Formal436 BT", embedded as ":/China/TTF".
set(MAV_FONT_FILE "${CMAKE_CURRENT_LIST_DIR}/Formal436BT.ttf")
set_source_files_properties("${MAV_FONT_FILE}" PROPERTIES QT_RESOURCE_ALIAS "TTF")
qt_add_resources(mav_resources "font"
    PREFIX "/China"
    BASE "${CMAKE_CURRENT_LIST_DIR}"
    FILES "${MAV_FONT_FILE}")
