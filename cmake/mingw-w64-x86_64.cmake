# Cross-building for Windows x64 with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: GCC with POSIX
# threads, which std::thread and std::mutex need).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BUSHO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BUSHO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BUSHO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${BUSHO_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot (and from prefixes added to CMAKE_FIND_ROOT_PATH,
# such as a cross-built Qt); programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${BUSHO_MINGW_TRIPLET})
# The Qt that `make windows` builds for MinGW (build-windows/qt6/install), when the editor is built.
if(BUSHO_QT_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${BUSHO_QT_WINDOWS_PREFIX})
  list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BUSHO_QT_WINDOWS_PREFIX)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The tests run under Wine, through a script that keeps a private Wine prefix in the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
