# Shared by the Windows toolchain files: a MinGW-w64 cross compiler for
# QUORVELS_MINGW_TRIPLET, static linking so that each program needs nothing
# but the system's own DLLs, and Wine to run the built programs (tests).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUORVELS_MINGW_PROCESSOR})

# The POSIX threading flavour of the compiler, whose standard library has
# std::thread and std::mutex.
set(CMAKE_C_COMPILER ${QUORVELS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVELS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVELS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVELS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The wide-character Windows API throughout, and no min/max macros.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
