# Installs the build tree into an empty prefix and compares the files it holds, every
# one of them, with the expected list.
#   cmake -DBUILD=dir -DPREFIX=dir -DEXPECTED=file -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

file(GLOB_RECURSE installed RELATIVE ${PREFIX} LIST_DIRECTORIES false ${PREFIX}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " got "${installed}")
  string(REPLACE ";" "\n  " want "${expected}")
  message(FATAL_ERROR "installed files differ\ninstalled:\n  ${got}\nexpected:\n  ${want}")
endif()

# Programs keep their execute bits; nothing else carries them.
foreach(name IN LISTS installed)
  execute_process(COMMAND test -x ${PREFIX}/${name} RESULT_VARIABLE not_executable)
  if(name MATCHES "^bin/" AND not_executable)
    message(FATAL_ERROR "${name} is not executable")
  elseif(NOT name MATCHES "^bin/" AND NOT not_executable)
    message(FATAL_ERROR "${name} should not be executable")
  endif()
endforeach()
list(LENGTH installed count)
message(STATUS "installed exactly the ${count} expected files")
