# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads, for
# std::thread). Only the core libraries, `qav` and their tests are built:
# Debian has no Qt for mingw.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables: no mingw runtime DLLs to ship beside them or
# to point Wine at.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Built programs run under Wine when it is installed: the default codeplugs
# made at build time, test discovery and ctest.
find_program(QAV_WINE_RUN wine-run PATHS ${CMAKE_CURRENT_LIST_DIR}/../scripts NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_program(QAV_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QAV_WINE AND QAV_WINE_RUN)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QAV_WINE_RUN})
endif()
