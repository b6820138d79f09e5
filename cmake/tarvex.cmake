# Functions the folders' CMakeLists share.

# The calling folder's resource script pulls in its form descriptions,
# pictures and manifest: rebuild it when any of them changes.
function(tarvex_resource_inputs)
  set(here ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB rc_files ${here}/*.rc)
  file(GLOB_RECURSE rc_inputs CONFIGURE_DEPENDS ${here}/forms/* ${here}/pictures/* ${here}/*.manifest)
  if(rc_files AND rc_inputs)
    # The resource scripts are sources of the subsystems' libraries, which
    # the top folder makes.
    set_source_files_properties(${rc_files} DIRECTORY ${CMAKE_SOURCE_DIR}
      PROPERTIES OBJECT_DEPENDS "${rc_inputs}")
  endif()
endfunction()

# One test per host-simulator script in `folder`: <prefix>_<script name>,
# running the plug-in `plugin` isolated in `workdir`. With IN_PLACE the host
# runs where it was built instead of from a private copy: one process start
# instead of two, for scripts that write no file beside the host.
function(tarvex_script_tests prefix folder plugin workdir)
  set(isolated --isolated)
  if(IN_PLACE IN_LIST ARGN)
    set(isolated "")
  endif()
  file(GLOB scripts CONFIGURE_DEPENDS ${folder}/*.tvs)
  foreach(script IN LISTS scripts)
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME ${prefix}_${name}
      COMMAND tarvex-host --plugin ${plugin} --script ${script} ${isolated}
      WORKING_DIRECTORY ${workdir})
  endforeach()
endfunction()

# A library's export file for this build: on i686 as written (each name bound
# to its decorated stdcall symbol); on x64, where symbols carry no decoration,
# the same names bound to themselves. The file to use goes to `out`.
function(tarvex_exports_file def out)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(${out} ${def} PARENT_SCOPE)
    return()
  endif()
  get_filename_component(name ${def} NAME)
  set(plain ${CMAKE_CURRENT_BINARY_DIR}/x64-${name})
  file(READ ${def} text)
  string(REGEX REPLACE " *= *[A-Za-z_][A-Za-z0-9_]*@[0-9]+" "" text "${text}")
  file(CONFIGURE OUTPUT ${plain} CONTENT "${text}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  set(${out} ${plain} PARENT_SCOPE)
endfunction()

# The step that writes generated/tarvex_version_info.h and version.txt
# (cmake/version_info.cmake). The build number is the commit count, which
# moves only with HEAD: the step runs when a commit, checkout or reset writes
# HEAD's log, or the version or the script changes, so a build straight after
# a build does nothing. Without such a log (no git, reference logging off) it
# runs at every build; its files still change only with their text.
function(tarvex_version_info_target generated)
  set(script ${CMAKE_SOURCE_DIR}/cmake/version_info.cmake)
  set(run ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -DOUT=${generated} -P ${script})
  set(outputs ${generated}/tarvex_version_info.h ${generated}/version.txt)
  set(head_log "")
  find_program(TARVEX_GIT git)
  if(TARVEX_GIT)
    execute_process(COMMAND ${TARVEX_GIT} -C ${CMAKE_SOURCE_DIR} rev-parse --absolute-git-dir
      OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
    if(NOT failed AND EXISTS "${git_dir}/logs/HEAD")
      set(head_log ${git_dir}/logs/HEAD)
    endif()
  endif()
  if(NOT head_log)
    add_custom_target(tarvex_version_info COMMAND ${run} BYPRODUCTS ${outputs} VERBATIM)
    return()
  endif()
  # The stamp records the run; the files themselves keep their times when
  # their text is unchanged, so nothing that includes them rebuilds.
  set(stamp ${generated}/version_info.stamp)
  add_custom_command(OUTPUT ${stamp}
    BYPRODUCTS ${outputs}
    COMMAND ${run}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${CMAKE_SOURCE_DIR}/base/core/version.h ${script} ${head_log}
    VERBATIM)
  add_custom_target(tarvex_version_info DEPENDS ${stamp})
endfunction()

# A binary that ships (the plug-in) or stands beside it (the simulator): a
# version resource with its file name and description, version numbers from
# base/core/version.h and the commit count, and no link time stamp, so that
# one commit links to the same bytes.
function(tarvex_release_binary target file_name description)
  set(generated ${CMAKE_BINARY_DIR}/generated)
  if(NOT TARGET tarvex_version_info)
    tarvex_version_info_target(${generated})
  endif()
  get_target_property(type ${target} TYPE)
  set(TARVEX_RC_TYPE VFT_APP)
  if(type STREQUAL SHARED_LIBRARY)
    set(TARVEX_RC_TYPE VFT_DLL)
  endif()
  set(TARVEX_RC_FILE ${file_name})
  get_filename_component(TARVEX_RC_INTERNAL ${file_name} NAME_WE)
  set(TARVEX_RC_DESCRIPTION ${description})
  set(TARVEX_RC_INFO ${generated}/tarvex_version_info.h)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${generated}/tarvex_version_info.h)
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} tarvex_version_info)
  target_link_options(${target} PRIVATE -Wl,--no-insert-timestamp)
endfunction()
