# The manual opened by every help button, beside the program. Its text is data/manual.htm;
# make_manual fills in the tables that the game's rules give, and the snapshot tool draws the
# pictures of the game's windows into pictures/ beside it. Nothing in the manual is made by
# hand that the game could make, so it never falls behind the game.
set(manual_text ${CMAKE_CURRENT_SOURCE_DIR}/manual.htm)
set(manual_placed ${STUMPCRAFT_OUTPUT_DIR}/manual.htm)
add_custom_command(
  OUTPUT "${manual_placed}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${STUMPCRAFT_OUTPUT_DIR}"
  COMMAND make_manual "${manual_text}" "${manual_placed}"
  DEPENDS "${manual_text}" make_manual
  COMMENT "Making the manual beside the program"
  VERBATIM)
set(manual_outputs "${manual_placed}")

if(TARGET snapshot)
  # The pictures are drawn afresh whenever the windows may have changed, that is whenever the
  # snapshot tools (which hold all of the game) were rebuilt. They are drawn from the squads
  # beside the program, into a fresh folder so that no stale picture survives; Merlin's come
  # from the commentator's own tool, into pictures/merlin.
  set(manual_pictures ${STUMPCRAFT_OUTPUT_DIR}/pictures)
  set(pictures_drawn ${CMAKE_CURRENT_BINARY_DIR}/pictures.drawn)
  set(pictures_runtime ${CMAKE_CURRENT_BINARY_DIR}/xdg-runtime)
  file(MAKE_DIRECTORY ${pictures_runtime})
  file(CHMOD ${pictures_runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  add_custom_command(
    OUTPUT "${pictures_drawn}"
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${manual_pictures}"
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            "XDG_RUNTIME_DIR=${pictures_runtime}" ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:snapshot> --quiet "${manual_pictures}"
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            "XDG_RUNTIME_DIR=${pictures_runtime}" ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:agent_snapshot> "${CMAKE_CURRENT_SOURCE_DIR}/Merlin.acs"
            "${manual_pictures}/merlin"
    COMMAND ${CMAKE_COMMAND} -E touch "${pictures_drawn}"
    DEPENDS snapshot agent_snapshot squads "${CMAKE_CURRENT_SOURCE_DIR}/Merlin.acs"
    COMMENT "Drawing the manual's pictures of the game's windows"
    VERBATIM)
  list(APPEND manual_outputs "${pictures_drawn}")
endif()
add_custom_target(manual ALL DEPENDS ${manual_outputs})

# The tests check the manual the build placed, with its pictures, once the test program has
# been defined (after this folder).
function(stumpcraft_manual_for_tests manual)
  if(TARGET game_tests AND TARGET snapshot)
    target_compile_definitions(game_tests PRIVATE "STUMPCRAFT_MANUAL=\"${manual}\"")
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR}
  CALL stumpcraft_manual_for_tests "${STUMPCRAFT_OUTPUT_DIR}/manual.htm")
