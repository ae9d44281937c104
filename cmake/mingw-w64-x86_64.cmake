# Cross-build for 64-bit Windows with Debian's MinGW-w64 compilers (the
# "posix" thread model of g++-mingw-w64-x86-64-posix). The programs link
# statically (see the top CMakeLists.txt), so they need no DLL beyond the
# system's own. Tests run under Wine through the emulator below.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BATTLE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BATTLE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BATTLE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${BATTLE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BATTLE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every test command of the Windows build runs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine.sh)
