# In a Windows build (cmake/mingw-w64.cmake): cpack -G "ZIP;NSIS" makes a ZIP of the two
# programs, the README and the licence, and a per-user installer (data/windows/NSIS.template.in).
if(WIN32)
  set(CPACK_PACKAGE_NAME Abacone)
  set(CPACK_PACKAGE_VENDOR Abacone)
  set(CPACK_PACKAGE_FILE_NAME abacone-${PROJECT_VERSION}-windows-x64)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY Abacone)
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Abacone)
  set(CPACK_NSIS_PACKAGE_NAME Abacone)
  set(CPACK_NSIS_DISPLAY_NAME Abacone)
  set(CPACK_NSIS_UNINSTALL_NAME uninstall)
  set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/shell/abacone_resources/abacone.ico)
  set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/data/windows)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_STRIP_FILES ON)
  include(CPack)
  return()
endif()

# cpack -G DEB: a Debian package of the installed files, its dependencies read from the
# programs' shared libraries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME abacone)
set(CPACK_PACKAGE_VENDOR Abacone)
set(CPACK_PACKAGE_CONTACT "Abacone developers <dev@abacone.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small stay-on-top desk calculator with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION
  "A 173-pixel-wide calculator window with a decimal line, the hexadecimal value beneath\n"
  "it and a keypad of small flat keys; it evaluates strictly left to right on 80-bit\n"
  "numbers, copies results as decimal, hexadecimal or binary, and lives in the\n"
  "notification area. abacone-calc evaluates the same calculations in a terminal.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese captions need a Japanese font; the window asks for IPAGothic first.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-vlgothic | fonts-noto-cjk")
include(CPack)
