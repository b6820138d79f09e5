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
# running the plug-in `plugin` isolated in `workdir`.
function(tarvex_script_tests prefix folder plugin workdir)
  file(GLOB scripts CONFIGURE_DEPENDS ${folder}/*.tvs)
  foreach(script IN LISTS scripts)
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME ${prefix}_${name}
      COMMAND tarvex-host --plugin ${plugin} --script ${script} --isolated
      WORKING_DIRECTORY ${workdir})
  endforeach()
endfunction()
