# Windows resources of a program (data/windows/): the version resource, and for the
# calculator also its application manifest and its icon, written at build time from the
# same XPM artwork the windows and the Linux icon theme use.
# abacone_windows_resources(TARGET "description" [CALCULATOR])
find_program(ABACONE_PYTHON python3)

function(abacone_windows_resources target description)
  cmake_parse_arguments(arg "CALCULATOR" "" "" ${ARGN})
  set(windows ${PROJECT_SOURCE_DIR}/data/windows)
  foreach(part MAJOR MINOR PATCH TWEAK)
    set(v_${part} "${PROJECT_VERSION_${part}}")
    if("${v_${part}}" STREQUAL "")
      set(v_${part} 0)
    endif()
  endforeach()
  set(ABACONE_RC_VERSION_COMMAS "${v_MAJOR},${v_MINOR},${v_PATCH},${v_TWEAK}")
  set(ABACONE_RC_VERSION_DOTTED "${v_MAJOR}.${v_MINOR}.${v_PATCH}.${v_TWEAK}")
  set(ABACONE_RC_NAME ${target})
  set(ABACONE_RC_FILE ${target}.exe)
  set(ABACONE_RC_DESCRIPTION "${description}")
  set(ABACONE_RC_EXTRA "")
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(rc ${out}/${target}.rc)
  if(arg_CALCULATOR)
    if(NOT ABACONE_PYTHON)
      message(FATAL_ERROR "the Windows icon is written by python3, which was not found")
    endif()
    set(art ${PROJECT_SOURCE_DIR}/shell/icons/icon_art.cpp)
    add_custom_command(OUTPUT ${out}/${target}.ico
      COMMAND ${ABACONE_PYTHON} ${windows}/make_ico.py ${art} ${out}/${target}.ico
              Application32*2 Application32 Application16
      DEPENDS ${windows}/make_ico.py ${art}
      COMMENT "Windows icon from the program's artwork"
      VERBATIM)
    configure_file(${windows}/abacone.exe.manifest ${out}/${target}.exe.manifest @ONLY)
    # Icon 1 is the one Explorer shows; 24 is RT_MANIFEST, 1 the process's manifest.
    set(ABACONE_RC_EXTRA "1 ICON \"${out}/${target}.ico\"\n1 24 \"${out}/${target}.exe.manifest\"\n")
    set_source_files_properties(${rc} PROPERTIES
      OBJECT_DEPENDS "${out}/${target}.ico;${out}/${target}.exe.manifest")
  endif()
  configure_file(${windows}/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
