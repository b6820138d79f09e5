# The exports layer sits on top: nothing below it (run time, editors,
# decoration, toolkit, gauge) includes the exports header or the exports
# file. Host-side programs (the run time's harness) may include the header.
file(GLOB_RECURSE sources
  ${ROOT}/runtime/*.cpp ${ROOT}/runtime/*.h ${ROOT}/editors/*.cpp ${ROOT}/editors/*.h
  ${ROOT}/decor/*.cpp ${ROOT}/decor/*.h ${ROOT}/toolkit/*.cpp ${ROOT}/toolkit/*.h
  ${ROOT}/gauge/*.cpp ${ROOT}/gauge/*.h ${ROOT}/plugin/*.cpp ${ROOT}/plugin/*.h)
set(bad "")
foreach(f IN LISTS sources)
  if(f MATCHES "/runtime/harness/" OR f MATCHES "/plugin/Tarvex2.cpp$")
    continue()
  endif()
  file(STRINGS ${f} lines REGEX "#include \"plugin/(boundary\\.h|Tarvex2\\.cpp)\"")
  if(lines)
    list(APPEND bad ${f})
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "below the exports layer but including it: ${bad}")
endif()
