# Installs the build tree into a scratch prefix, as a packager would, and checks
# that a desktop finds what it needs there: the program, a valid menu entry and
# the icon in both sizes.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DVALIDATOR=... -DEXPECT_PROGRAM=ON|OFF -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
    share/applications/quivela.desktop
    share/icons/hicolor/scalable/apps/quivela.svg
    share/icons/hicolor/48x48/apps/quivela.png)
if(EXPECT_PROGRAM)
  list(APPEND expected bin/quivela)
endif()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The PNG's header holds its size: width and height, 32 bits each, at byte 16.
file(READ "${PREFIX}/share/icons/hicolor/48x48/apps/quivela.png" header OFFSET 0 LIMIT 24 HEX)
if(NOT header MATCHES "^89504e470d0a1a0a" OR NOT header MATCHES "0000003000000030$")
  message(FATAL_ERROR "the 48x48 icon is not a 48x48 PNG: ${header}")
endif()

file(READ "${PREFIX}/share/applications/quivela.desktop" entry)
foreach(line "Exec=quivela" "Icon=quivela" "Categories=Education;Math;")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()

if(NOT VALIDATOR)
  message("SKIP: desktop-file-validate not found (Debian package desktop-file-utils)")
  return()
endif()
execute_process(COMMAND "${VALIDATOR}" "${PREFIX}/share/applications/quivela.desktop"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
