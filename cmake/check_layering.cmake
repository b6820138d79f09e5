# The folders are layers; every include runs downwards. Run at build time
# (cmake -P) with ROOT, LAYERS (bottom first, separated by commas, siblings
# joined by '+', as in "toolkit,gauge+base,decor,runtime+editors,plugin") and
# STAMP.
#
# A file may include from its own folder and from the layers below it, never
# from a sibling or a layer above. Portable code (a folder's core/) includes
# only portable code.
string(REPLACE "," ";" LAYERS "${LAYERS}")
set(rank 0)
set(folders "")
foreach(layer IN LISTS LAYERS)
  string(REPLACE "+" ";" members "${layer}")
  foreach(folder IN LISTS members)
    set(rank_${folder} ${rank})
    list(APPEND folders ${folder})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

set(bad "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.rc)
  foreach(f IN LISTS sources)
    file(RELATIVE_PATH rel ${ROOT} ${f})
    file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" target "${line}")
      string(REGEX REPLACE "/.*$" "" to "${target}")
      if(to STREQUAL folder)
        set(ok TRUE)
      elseif(DEFINED rank_${to})
        if(rank_${to} LESS rank_${folder})
          set(ok TRUE)
        else()
          set(ok FALSE)
        endif()
      else()
        set(ok FALSE)  # tests/, host/ and the like sit outside the product
      endif()
      if(ok AND rel MATCHES "/core/" AND NOT target MATCHES "^[^/]+/core/")
        set(ok FALSE)
      endif()
      if(NOT ok)
        list(APPEND bad "  ${rel} includes ${target}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(bad)
  list(JOIN bad "\n" text)
  list(JOIN LAYERS " < " order)
  message(FATAL_ERROR "includes running up or across the layers (${order}):\n${text}")
endif()
file(TOUCH ${STAMP})
