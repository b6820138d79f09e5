# Cross-build for 64-bit Windows: the test build, run natively under wine64
# on every machine (the shipped plug-in is 32-bit).
set(tarvex_mingw_arch x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
