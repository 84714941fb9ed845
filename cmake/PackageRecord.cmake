# What the build takes from the Debian package's own record, so that nothing
# is written twice:
#   QUIVELA_HOMEPAGE      the Homepage field of debian/control
#   QUIVELA_RELEASE_DATE  the date of the changelog's top entry, YYYY-MM-DD
# and the check that the changelog's top entry is PROJECT_VERSION: Debian reads
# the package's version from there, the program from project().
# An edit of either file configures the build again, so that what it took from
# them (the software-centre entry's homepage and release) is never stale.
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/debian/control ${PROJECT_SOURCE_DIR}/debian/changelog)

file(STRINGS ${PROJECT_SOURCE_DIR}/debian/control homepage REGEX "^Homepage: " LIMIT_COUNT 1)
string(REGEX REPLACE "^Homepage: *" "" QUIVELA_HOMEPAGE "${homepage}")
if(NOT QUIVELA_HOMEPAGE MATCHES "^https://.+/$")
  message(FATAL_ERROR "debian/control: no Homepage of the form https://.../")
endif()

file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog top LIMIT_COUNT 1)
# "quivela (1.1) unstable; urgency=medium"; a Debian revision ("1.1-2") is not
# the program's version.
if(NOT top MATCHES "^quivela \\(([^)-]+)(-[^)]*)?\\) ")
  message(FATAL_ERROR "debian/changelog: unreadable first line: ${top}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "debian/changelog begins with version ${CMAKE_MATCH_1}, the project is "
                      "${PROJECT_VERSION}: add a changelog entry (dch -v ${PROJECT_VERSION})")
endif()

# " -- Name <address>  Wed, 09 Dec 2026 02:50:00 +0000"
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT trailer MATCHES ", ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "debian/changelog: no date in ${trailer}")
endif()
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
math(EXPR day "${CMAKE_MATCH_1}")
foreach(part month day)
  if(${part} LESS 10)
    set(${part} 0${${part}})
  endif()
endforeach()
set(QUIVELA_RELEASE_DATE ${year}-${month}-${day})
