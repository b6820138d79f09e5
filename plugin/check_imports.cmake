# Fails unless every DLL that the plug-in imports is one of the known ones
# (plugin/known_dlls.cmake says which and why). Run after every link of the
# plug-in, with REMOVE_ON_FAILURE so that no plug-in that failed stays behind
# to be shipped or tested, and by the tests on the built plug-in.
#   cmake -DOBJDUMP=<objdump> -DPLUGIN=<Tarvex2.nbp> [-DREMOVE_ON_FAILURE=ON] -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/known_dlls.cmake)

execute_process(COMMAND ${OBJDUMP} -p ${PLUGIN} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${PLUGIN}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no import table found in ${PLUGIN}")
endif()

string(TOLOWER "${TARVEX_KNOWN_DLLS}" known)
set(imports "")
set(searched "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^DLL Name: *" "" name "${line}")
  string(STRIP "${name}" name)
  list(APPEND imports ${name})
  string(TOLOWER "${name}" lower)
  if(NOT lower IN_LIST known)
    list(APPEND searched ${name})
  endif()
endforeach()

if(searched)
  if(REMOVE_ON_FAILURE)
    file(REMOVE ${PLUGIN})
  endif()
  string(REPLACE ";" ", " searched "${searched}")
  message(FATAL_ERROR
    "${PLUGIN} imports ${searched}, which Windows looks for in the folder of the program that loads "
    "the plug-in: load it at its first need with tk::LoadSystemLibrary instead, or, if it is a "
    "known DLL on every supported Windows, add it with its reason to plugin/known_dlls.cmake")
endif()
string(REPLACE ";" ", " imports "${imports}")
message(STATUS "imports known DLLs only: ${imports}")
