# Fails unless the plug-in exports exactly the host's eight names, undecorated,
# and imports no DLL of the compiler's run-time (it must load on a machine
# that has none).
execute_process(COMMAND ${OBJDUMP} -p ${PLUGIN} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${PLUGIN}")
endif()

string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)*" table "${dump}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" entries "${table}")
set(exports "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${entry}")
  list(APPEND exports "${name}")
endforeach()
list(SORT exports)
set(expected nbAbout nbEditAction nbExecAction nbInitPlugIn nbMessage
    nbRegisterInterfaceAccess nbRegisterPlugIn nbRegisterScriptProcessor)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "exports are [${exports}], expected [${expected}]")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(import IN LISTS imports)
  if(import MATCHES "(libgcc|libstdc\\+\\+|libwinpthread)")
    message(FATAL_ERROR "run-time DLL imported: ${import}")
  endif()
endforeach()
message(STATUS "exports: ${exports}; ${imports}")
