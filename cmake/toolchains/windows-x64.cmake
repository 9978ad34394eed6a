# 64-bit Windows, built with MinGW-w64; its tests run under wine64.
set(QUORVELS_MINGW_TRIPLET x86_64-w64-mingw32)
set(QUORVELS_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/windows-mingw.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
