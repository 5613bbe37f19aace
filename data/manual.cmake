# The manual opened by every help button.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/manual.htm ${STUMPCRAFT_OUTPUT_DIR}/manual.htm COPYONLY)
