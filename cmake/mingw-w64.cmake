# Cross-building the Windows programs with Debian's mingw-w64. The posix
# flavour of the compiler is the one whose libstdc++ has std::thread and
# std::mutex; everything of the toolchain's own is linked in statically, so
# the programs need no DLL beyond those that come with Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TUNELARK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TUNELARK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TUNELARK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TUNELARK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TUNELARK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under wine, each bounded so that a hung program cannot
# hold the run; discovering their cases waits until the tests run, so that
# building never starts wine.
set(CMAKE_CROSSCOMPILING_EMULATOR timeout;300;wine)
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# The header-only libraries of the command line, from Debian's headers.
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64)
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64)
