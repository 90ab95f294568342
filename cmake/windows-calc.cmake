# abacone-calc.exe and abacone.exe: the command-line calculator and the calculator over the
# Win32 window layer, cross-built for Windows with MinGW-w64 in a build tree of its own
# (build/windows), so the process tests and the window tests can run them under Wine.
# Needs the cross compiler; off in cross builds themselves.
find_program(ABACONE_MINGW_CXX x86_64-w64-mingw32-g++)
option(ABACONE_WINDOWS_CALC "Cross-build abacone-calc.exe and abacone.exe with MinGW-w64" ON)

if(ABACONE_WINDOWS_CALC AND ABACONE_MINGW_CXX AND NOT CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(ABACONE_CALC_EXE ${CMAKE_BINARY_DIR}/windows/cli/abacone-calc.exe)
  set(ABACONE_EXE ${CMAKE_BINARY_DIR}/windows/shell/abacone.exe)
  set(ABACONE_BASELINE_EXE ${CMAKE_BINARY_DIR}/windows/bench/abacone-baseline-window.exe)
  set(ABACONE_INK_CHECK_EXE ${CMAKE_BINARY_DIR}/windows/tests/win32/caption_ink_check.exe)
  set(ABACONE_READER_EXE ${CMAKE_BINARY_DIR}/windows/tests/wine/reader/abacone-accessibility-reader.exe)
  set(windows_targets abacone-calc abacone abacone-baseline-window caption_ink_check
      abacone-accessibility-reader)
  # The window layer's shared cases (tests/window) over the Win32 layer, where Debian's
  # GoogleTest sources are there to build them from (package googletest).
  set(ABACONE_GTEST_SOURCE /usr/src/googletest)
  if(EXISTS ${ABACONE_GTEST_SOURCE}/googletest/src/gtest-all.cc)
    set(ABACONE_WINDOW_TEST_EXE ${CMAKE_BINARY_DIR}/windows/tests/window/window_layer_test.exe)
    list(APPEND windows_targets window_layer_test)
  else()
    set(ABACONE_GTEST_SOURCE "")
  endif()
  ExternalProject_Add(abacone_calc_windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/windows
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
      -DABACONE_GUI=OFF -DABACONE_WIN32_GUI=ON -DABACONE_BENCH=ON -DBUILD_TESTING=OFF
      -DABACONE_GTEST_SOURCE=${ABACONE_GTEST_SOURCE}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${windows_targets}
    BUILD_BYPRODUCTS ${ABACONE_CALC_EXE} ${ABACONE_EXE} ${ABACONE_BASELINE_EXE} ${ABACONE_INK_CHECK_EXE}
                     ${ABACONE_READER_EXE} ${ABACONE_WINDOW_TEST_EXE}
    INSTALL_COMMAND ""
    # The sources are this project's own: let the inner build decide what changed.
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON
  )
endif()

# The ZIP and the installer of the Windows build (cmake/packaging.cmake), made on demand:
# cmake --build build --target windows_packages  ->  build/windows/abacone-*-windows-x64.*
if(TARGET abacone_calc_windows)
  find_program(ABACONE_MAKENSIS makensis)
  set(generators ZIP)
  if(ABACONE_MAKENSIS)
    list(APPEND generators NSIS)
  endif()
  list(JOIN generators "$<SEMICOLON>" generators)
  add_custom_target(windows_packages
    COMMAND ${CMAKE_CPACK_COMMAND} -G "${generators}"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/windows
    DEPENDS abacone_calc_windows
    USES_TERMINAL
    VERBATIM)
endif()
