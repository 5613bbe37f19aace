# The commentator's snapshot tool: draws the character offscreen into PNG files (a key pose of
# each animation, and idle with a speech balloon) and can measure what the idle character
# costs in processor time.
if(STUMPCRAFT_QT)
  add_executable(agent_snapshot agent_snapshot.cpp)
  set_target_properties(agent_snapshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(agent_snapshot PRIVATE stumpcraft_qt stumpcraft_warnings)
endif()
