# The commentator's snapshot tool: draws the character offscreen into PNG files (a key pose of
# each animation, and idle with a speech balloon) and can measure what the idle character
# costs in processor time. It compiles the commentator's own sources, so it builds even while
# other parts of the live platform are being changed.
if(STUMPCRAFT_QT)
  file(GLOB agent_snapshot_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/qt/Agent*.cpp
       ${PROJECT_SOURCE_DIR}/src/qt/Agent*.h ${PROJECT_SOURCE_DIR}/src/qt/Merlin*.cpp
       ${PROJECT_SOURCE_DIR}/src/qt/Merlin*.h)
  add_executable(agent_snapshot agent_snapshot.cpp ${agent_snapshot_sources}
                 ${PROJECT_SOURCE_DIR}/src/platform/AppPath.cpp
                 ${PROJECT_SOURCE_DIR}/src/platform/Services.cpp)
  set_target_properties(agent_snapshot PROPERTIES AUTOMOC ON
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_include_directories(agent_snapshot PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(agent_snapshot PRIVATE Qt6::Core Qt6::Gui Qt6::Widgets stumpcraft_warnings)
  if(TARGET Qt6::TextToSpeech)
    target_link_libraries(agent_snapshot PRIVATE Qt6::TextToSpeech)
    target_compile_definitions(agent_snapshot PRIVATE STUMPCRAFT_HAVE_SPEECH=1)
  endif()
endif()
