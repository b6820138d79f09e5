# Run at build time (cmake -P): the version of base/core/version.h with the
# count of commits as the build number, written to OUT/tarvex_version_info.h
# for the version resources and OUT/version.txt ("2.0.N") for the release
# archive's name. Files whose text is unchanged are left alone, so nothing
# rebuilds until HEAD moves.
#   cmake -DROOT=<source tree> -DOUT=<folder> -P version_info.cmake
file(STRINGS ${ROOT}/base/core/version.h defines REGEX "^#define TARVEX_(VERSION_MAJOR|VERSION_MINOR|AUTHOR) ")
foreach(line IN LISTS defines)
  if(line MATCHES "^#define TARVEX_([A-Z_]+) +(.*)$")
    set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endif()
endforeach()
if(NOT VERSION_MAJOR MATCHES "^[0-9]+$" OR NOT VERSION_MINOR MATCHES "^[0-9]+$" OR NOT AUTHOR MATCHES "^\"[^\"]+\"$")
  message(FATAL_ERROR "base/core/version.h: no TARVEX_VERSION_MAJOR, TARVEX_VERSION_MINOR or TARVEX_AUTHOR line")
endif()

# A tree without git history (an unpacked source archive) builds number 0.
set(BUILD 0)
find_program(GIT git)
if(GIT)
  execute_process(COMMAND ${GIT} -C ${ROOT} rev-list --count HEAD
    OUTPUT_VARIABLE count OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
  if(NOT failed AND count MATCHES "^[0-9]+$")
    set(BUILD ${count})
  endif()
endif()
if(BUILD GREATER 65535)
  message(FATAL_ERROR "build number ${BUILD} does not fit a version resource's 16 bits")
endif()

set(version "${VERSION_MAJOR}.${VERSION_MINOR}.${BUILD}")
string(REGEX REPLACE "^\"(.*)\"$" "\\1" author "${AUTHOR}")
file(CONFIGURE OUTPUT ${OUT}/tarvex_version_info.h CONTENT "\
/* Made by cmake/version_info.cmake from base/core/version.h and the commit count. */
#define TARVEX_VERSION_MAJOR ${VERSION_MAJOR}
#define TARVEX_VERSION_MINOR ${VERSION_MINOR}
#define TARVEX_BUILD ${BUILD}
#define TARVEX_VERSION_STRING \"${version}\"
#define TARVEX_PRODUCT_NAME \"Tarvex ${VERSION_MAJOR}\"
#define TARVEX_COPYRIGHT \"Copyright (C) ${author}\"
")
file(CONFIGURE OUTPUT ${OUT}/version.txt CONTENT "${version}\n")
