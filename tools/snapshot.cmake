# The window snapshot tool: draws the game's windows offscreen into PNG files. It runs from the
# program's folder, where the squads are.
if(STUMPCRAFT_QT)
  add_executable(snapshot snapshot.cpp snapshot_prematch.cpp snapshot_worldcup.cpp)
  target_link_libraries(snapshot PRIVATE stumpcraft_qt stumpcraft_warnings)
endif()
