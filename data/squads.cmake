# The shipped squads: each text in squads/ becomes "<Country>.lst" beside the program.
#
# The converter writes every squad to a staging folder in the build tree. A second step then
# places each staged squad in the program's folder, but only where the player cannot lose an
# edit: when no squad of that name is there yet, or when the one there is still exactly the
# squad this build shipped last time. A squad changed in the game's team editor stays.
#
# The same file serves as the placing script: the build runs it with "cmake -P".

if(CMAKE_SCRIPT_MODE_FILE)
  # Arguments: STAGED (folder of fresh squads), SHIPPED (copies of what was placed last),
  # TARGET (the program's folder), NAMES (country names separated by "|").
  string(REPLACE "|" ";" names "${NAMES}")
  file(MAKE_DIRECTORY "${SHIPPED}" "${TARGET}")
  foreach(country IN LISTS names)
    set(fresh "${STAGED}/${country}.lst")
    set(placed "${TARGET}/${country}.lst")
    set(last "${SHIPPED}/${country}.lst")
    set(place FALSE)
    if(NOT EXISTS "${placed}")
      set(place TRUE)
    else()
      file(SHA256 "${placed}" placed_hash)
      file(SHA256 "${fresh}" fresh_hash)
      if(placed_hash STREQUAL fresh_hash)
        file(COPY_FILE "${fresh}" "${last}" ONLY_IF_DIFFERENT)
      elseif(EXISTS "${last}")
        file(SHA256 "${last}" last_hash)
        if(placed_hash STREQUAL last_hash)
          set(place TRUE)
        endif()
      endif()
    endif()
    if(place)
      message(STATUS "Squad ${country}.lst placed in ${TARGET}")
      file(COPY_FILE "${fresh}" "${placed}")
      file(COPY_FILE "${fresh}" "${last}")
    endif()
  endforeach()
  return()
endif()

file(GLOB squad_texts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/squads/*.txt)
set(squad_stage ${CMAKE_CURRENT_BINARY_DIR}/squads)
set(staged_squads)
set(squad_names)
foreach(text IN LISTS squad_texts)
  get_filename_component(country "${text}" NAME_WLE)
  set(staged "${squad_stage}/${country}.lst")
  add_custom_command(
    OUTPUT "${staged}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${squad_stage}"
    COMMAND make_squads "${text}" "${staged}"
    DEPENDS "${text}" make_squads
    COMMENT "Building squad ${country}.lst"
    VERBATIM)
  list(APPEND staged_squads "${staged}")
  list(APPEND squad_names "${country}")
endforeach()
list(JOIN squad_names "|" squad_names)

add_custom_target(squads ALL
  COMMAND ${CMAKE_COMMAND} "-DSTAGED=${squad_stage}" "-DSHIPPED=${squad_stage}/shipped"
          "-DTARGET=${STUMPCRAFT_OUTPUT_DIR}" "-DNAMES=${squad_names}"
          -P "${CMAKE_CURRENT_LIST_FILE}"
  DEPENDS ${staged_squads}
  COMMENT "Placing the squads beside the program"
  VERBATIM)

# The tests check every shipped squad text; they learn where the texts are once the test
# program has been defined (after this folder).
function(stumpcraft_squad_texts_for_tests folder)
  if(TARGET game_tests)
    target_compile_definitions(game_tests PRIVATE "STUMPCRAFT_SQUAD_TEXTS=\"${folder}\"")
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR}
  CALL stumpcraft_squad_texts_for_tests "${CMAKE_SOURCE_DIR}/data/squads")
