# The WebAssembly build with Debian's Emscripten: its own toolchain file,
# and Node to run the test programs. Node 18 and later have fetch(), which
# Emscripten 3.1.6 then takes to load the .wasm file by URL and fails on a
# plain path; without it the file is read from disk.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
find_program(QAV_NODE NAMES nodejs node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QAV_NODE};--no-experimental-fetch)

# The core reports failures with exceptions in places (JSON, file access)
# and catches them: Emscripten's default of ignoring them would abort.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")

# Emscripten's link step runs its JavaScript optimiser under Node with
# Debian's acorn (node-acorn), which a Node from outside Debian does not
# look for by itself.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
