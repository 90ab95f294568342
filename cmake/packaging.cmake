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
