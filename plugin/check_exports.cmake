# Fails unless the plug-in exports exactly the host's eight names, undecorated,
# and carries no debug sections (it ships as built). Its imports are
# check_imports.cmake's: a DLL of the compiler's run-time is no known one.
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

execute_process(COMMAND ${OBJDUMP} -h ${PLUGIN} OUTPUT_VARIABLE headers RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump -h failed on ${PLUGIN}")
endif()
string(REGEX MATCHALL "[ \t]\.debug[_a-z]*" debug "${headers}")
if(debug)
  message(FATAL_ERROR "debug sections shipped:${debug}")
endif()
message(STATUS "exports: ${exports}")
