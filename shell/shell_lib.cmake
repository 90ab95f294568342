# The shell's window-free arithmetic (placement, command line, attach step, its state)
# joins the engine library, so it is tested without a display.
target_sources(abacone_engine PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/shell_state.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/command_line.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/placement.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/attach.cpp
)
