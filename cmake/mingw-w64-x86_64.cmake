# Cross build for 64-bit Windows with Debian's mingw-w64 toolchain
# (apt-get install g++-mingw-w64-x86-64):
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTAVRUM_TESTS=OFF
#   cmake --build build-windows
#
# The program links libgcc and libstdc++ statically, so tavrum.exe needs no
# DLL beyond those Windows itself has.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVRUM_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVRUM_MINGW}-gcc)
set(CMAKE_CXX_COMPILER ${TAVRUM_MINGW}-g++)
set(CMAKE_RC_COMPILER ${TAVRUM_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TAVRUM_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
