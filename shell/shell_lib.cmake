# The shell's window-free arithmetic (placement, command line, attach step, its state)
# joins the engine library, so it is tested without a display.
target_sources(abacone_engine PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/shell_state.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/command_line.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/placement.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/attach.cpp
)

# The icons' pixels, plain data shared with the icon-theme tool in data/.
add_library(abacone_icon_art STATIC ${CMAKE_CURRENT_SOURCE_DIR}/icon_art.cpp)
target_include_directories(abacone_icon_art PUBLIC ${PROJECT_SOURCE_DIR})

# The program's icons and the notification-area component.
add_library(abacone_tasktray STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/tasktray/tasktray.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tasktray/tasktray.h
  ${CMAKE_CURRENT_SOURCE_DIR}/icons.cpp
)
target_include_directories(abacone_tasktray PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(abacone_tasktray PUBLIC Qt6::Widgets abacone_os abacone_services abacone_icon_art)

# The shell over the windows: start-up, activation, the tray icon's part, attach mode.
add_library(abacone_shell STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/lifecycle.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/attach_mode.cpp
)
target_link_libraries(abacone_shell PUBLIC
  abacone_tasktray abacone_os abacone_binwindow abacone_hexpad abacone_platform abacone_engine)
