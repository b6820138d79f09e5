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

# A benchmark of the calling folder, bench/bench_<name>.cpp: figures only,
# run by `make bench` (label long keeps it out of `make test`).
function(tarvex_bench name)
  add_executable(bench_${name} ${CMAKE_CURRENT_SOURCE_DIR}/bench/bench_${name}.cpp)
  target_link_libraries(bench_${name} PRIVATE tarvex_win)
  add_test(NAME bench_${name} COMMAND bench_${name})
  set_tests_properties(bench_${name} PROPERTIES LABELS "bench;long")
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
