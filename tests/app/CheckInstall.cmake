# Installs the build tree into a scratch prefix, as a packager would, and checks
# that a desktop finds what it needs there: the program, a valid menu entry, a
# software-centre entry that names it, the icon in its sizes, the manual pages,
# and a program that answers its command line without a display.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DVALIDATOR=... -DAPPSTREAM=... -DID=... -DVERSION=...
#         -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
    bin/quivela
    share/man/man1/quivela.1
    share/man/pt/man1/quivela.1
    share/applications/${ID}.desktop
    share/metainfo/${ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/quivela.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/quivela.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The command line, with no display at all and a platform that aborts without
# one: whatever is answered or refused is decided before a window could open.
# Each row: the arguments (separated by ","), the exit status, and what
# standard output and standard error must match.
set(rows "--help|0|^Utilização: quivela |^$" "--version|0|^Quivela ${VERSION}\n|^$"
         "--janela|2|^$|^quivela: argumento não reconhecido: «--janela»\n"
         "--version,--help|2|^$|«--help»")
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 arguments)
  list(GET row 1 expected_status)
  list(GET row 2 expected_out)
  list(GET row 3 expected_err)
  string(REPLACE "," ";" arguments "${arguments}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          QT_QPA_PLATFORM=xcb "${PREFIX}/bin/quivela" ${arguments}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status OR NOT out MATCHES "${expected_out}"
     OR NOT err MATCHES "${expected_err}")
    message(FATAL_ERROR "quivela ${arguments}: status ${status}, output:\n${out}\nerrors:\n${err}")
  endif()
endforeach()

# A PNG's header holds its size: width and height, 32 bits each, at byte 16.
foreach(size 16 32 48 64 128 256)
  file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/quivela.png" header
       OFFSET 0 LIMIT 24 HEX)
  math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" hex "${hex}")
  string(LENGTH "${hex}" n)
  math(EXPR pad "8 - ${n}")
  string(REPEAT "0" ${pad} zeros)
  if(NOT header MATCHES "^89504e470d0a1a0a" OR NOT header MATCHES "${zeros}${hex}${zeros}${hex}$")
    message(FATAL_ERROR "the ${size}x${size} icon is not a ${size}x${size} PNG: ${header}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/${ID}.desktop" entry)
foreach(line "Exec=quivela" "Icon=quivela" "Categories=Education;Math;")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()

set(missing "")
if(VALIDATOR)
  execute_process(COMMAND "${VALIDATOR}" "${PREFIX}/share/applications/${ID}.desktop"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
else()
  list(APPEND missing "desktop-file-validate (Debian package desktop-file-utils)")
endif()
# The tree as software centres read it: the metainfo, and the desktop entry it
# launches found beside it. Warnings fail too.
if(APPSTREAM)
  execute_process(COMMAND "${APPSTREAM}" validate-tree --no-net "${PREFIX}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree: ${out}")
  endif()
else()
  list(APPEND missing "appstreamcli (Debian package appstream)")
endif()
file(REMOVE_RECURSE "${PREFIX}")
if(missing)
  message("SKIP: not found: ${missing}")
endif()
