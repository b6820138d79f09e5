# Cross-building with Debian's mingw-w64 for the processor the including
# toolchain file names in tarvex_mingw_arch. The -posix compilers carry
# std::mutex and std::thread, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${tarvex_mingw_arch})
set(CMAKE_C_COMPILER ${tarvex_mingw_arch}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${tarvex_mingw_arch}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${tarvex_mingw_arch}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${tarvex_mingw_arch}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
