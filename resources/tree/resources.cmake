# The element tree's four blocks, one line per node in tree order, written by
# tools/tree/make_tree_blocks.py. Addressed as ":/RT_RCDATA/<block>".
set(_tree_blocks NodeTree NodeIndex NodeStatusIndex TreeImageIndex)
set(_tree_block_files)
foreach(_block IN LISTS _tree_blocks)
  set(_file "${CMAKE_CURRENT_LIST_DIR}/${_block}.txt")
  set_source_files_properties("${_file}" PROPERTIES QT_RESOURCE_ALIAS "${_block}")
  list(APPEND _tree_block_files "${_file}")
endforeach()
qt_add_resources(mav_resources "tree"
  PREFIX "/RT_RCDATA"
  BASE "${CMAKE_CURRENT_LIST_DIR}"
  FILES ${_tree_block_files}
)
