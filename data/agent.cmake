# The commentator's character file, beside the program. The player never edits it, so a
# build always brings the copy there up to date.
set(agent_character ${CMAKE_CURRENT_SOURCE_DIR}/Merlin.acs)
set(agent_placed ${STUMPCRAFT_OUTPUT_DIR}/Merlin.acs)
add_custom_command(
  OUTPUT "${agent_placed}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${STUMPCRAFT_OUTPUT_DIR}"
  COMMAND ${CMAKE_COMMAND} -E copy_if_different "${agent_character}" "${agent_placed}"
  DEPENDS "${agent_character}"
  COMMENT "Placing the commentator's character file beside the program"
  VERBATIM)
add_custom_target(agent_character ALL DEPENDS "${agent_placed}")
