# 32-bit Windows, the shipped build, made with MinGW-w64. Its programs are not
# run here: the 32-bit Wine loader needs a kernel that runs 32-bit programs.
set(QUORVELS_MINGW_TRIPLET i686-w64-mingw32)
set(QUORVELS_MINGW_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/windows-mingw.cmake)
