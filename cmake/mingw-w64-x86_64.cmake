# Cross build for 64-bit Windows with MinGW-w64 (its POSIX-threads variant,
# which std::thread and std::mutex need). The programs link libstdc++,
# libgcc and winpthread statically, so an .exe runs on its own, also under
# Wine, which runs the tests: `ctest` starts each test program through it,
# in a Wine prefix of the build directory.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZG_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZG_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZG_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZG_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZG_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(ZG_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZG_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wine ${ZG_WINE64})
endif()
