# Shared by the two Windows toolchains: Debian's mingw-w64 for the processor
# the including file names in VARNIX_MINGW_TRIPLET and CMAKE_SYSTEM_PROCESSOR.
# The -posix compilers: GoogleTest needs the posix thread model.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VARNIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNIX_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VARNIX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables: Wine then needs no MinGW runtime DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Through the loader this machine runs: on a kernel without 32-bit programs,
# Debian's `wine` fails even for 64-bit ones.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine)

# GoogleTest from Debian's sources.
set(VARNIX_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "" FORCE)
