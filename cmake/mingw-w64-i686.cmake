# Cross-builds Varnix for 32-bit Windows (and Windows on ARM, which runs x86
# programs) with Debian's mingw-w64; the tests run under 32-bit Wine:
#
#   cmake -S . -B build-windows-x86 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VARNIX_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
