# The release archive, Tarvex2-<version>.zip with its SHA-256 sum, written by
# tools/release/make_release.py. Every build of everything brings it up to
# date (the archive test reads it); `make release` writes it afresh. The one
# that ships is the 32-bit build's, in dist/; the 64-bit build writes
# Tarvex2-<version>-x64.zip into its own dist/ for its tests only.
find_program(TARVEX_CMARK cmark-gfm)
# Debian's interpreter first: the archive's deflated bytes depend on its zlib.
find_program(TARVEX_PYTHON NAMES python3 HINTS /usr/bin)
set(TARVEX_RELEASE_SUFFIX "")
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TARVEX_RELEASE_SUFFIX "-x64")
endif()

if(NOT TARVEX_CMARK OR NOT TARVEX_PYTHON)
  add_custom_target(tarvex_release
    COMMAND ${CMAKE_COMMAND} -E echo "the release archive needs cmark-gfm and python3: run make setup"
    COMMAND ${CMAKE_COMMAND} -E false)
  return()
endif()

set(release_script ${CMAKE_SOURCE_DIR}/tools/release/make_release.py)
set(release_stamp ${CMAKE_BINARY_DIR}/release/archive.stamp)
set(release_version ${CMAKE_BINARY_DIR}/generated/version.txt)
set(release_loc ${CMAKE_SOURCE_DIR}/plugin/loc/en/Tarvex.loc)
set(release_guide ${CMAKE_SOURCE_DIR}/docs/guide.md)
set(release_readme ${CMAKE_SOURCE_DIR}/tools/release/readme.txt)
file(GLOB release_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/pictures/*)
add_custom_command(OUTPUT ${release_stamp}
  COMMAND ${TARVEX_PYTHON} ${release_script}
          --root ${CMAKE_SOURCE_DIR} --version-file ${release_version}
          --plugin $<TARGET_FILE:Tarvex2> --loc ${release_loc} --guide ${release_guide}
          --readme ${release_readme} --cmark ${TARVEX_CMARK}
          --out-dir ${TARVEX_DIST} --suffix=${TARVEX_RELEASE_SUFFIX} --forbid ${CMAKE_BINARY_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${release_stamp}
  DEPENDS Tarvex2 $<TARGET_FILE:Tarvex2> ${release_version} ${release_loc} ${release_guide}
          ${release_readme} ${release_script} ${release_pictures}
  COMMENT "Writing the release archive"
  VERBATIM)
add_custom_target(tarvex_release ALL DEPENDS ${release_stamp})
