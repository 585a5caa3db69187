# Platform-specific sources carry their platform in the file name:
# *Posix.cpp is built everywhere but Windows, *Win32.cpp only on Windows,
# *Web.cpp only in the WebAssembly build, where it takes the place of the
# *Posix.cpp (or plain .cpp) file of the same stem; the other *Posix.cpp
# files build there too, on Emscripten's POSIX layer.
function(qav_platform_sources var)
  set(kept ${${var}})
  if(WIN32)
    list(FILTER kept EXCLUDE REGEX "(Posix|Web)\\.cpp$")
  elseif(EMSCRIPTEN)
    list(FILTER kept EXCLUDE REGEX "Win32\\.cpp$")
    set(web ${kept})
    list(FILTER web INCLUDE REGEX "Web\\.cpp$")
    foreach(f IN LISTS web)
      string(REGEX REPLACE "Web\\.cpp$" "" stem "${f}")
      list(REMOVE_ITEM kept "${stem}Posix.cpp" "${stem}.cpp")
    endforeach()
  else()
    list(FILTER kept EXCLUDE REGEX "(Win32|Web)\\.cpp$")
  endif()
  set(${var} ${kept} PARENT_SCOPE)
endfunction()

# Each library sees only the include folders of what it links. A library
# exposes its own source folder through a folder of its own in the build
# tree that holds one link named after the source folder, so that
# `#include "model/X.h"` resolves only in targets that link qav_model (or a
# library built on it).
function(qav_expose_folder target folder)
  set(dir ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${dir})
  if(NOT EXISTS ${dir}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${dir}/${folder} SYMBOLIC)
  endif()
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${dir})
  else()
    target_include_directories(${target} PUBLIC ${dir})
  endif()
endfunction()

# Each source folder is one library made of every .cpp file it holds, so a
# new file needs no edit of a CMakeLists. A folder without sources yet is an
# interface library that only carries its include folder and dependencies.
function(qav_library name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  qav_platform_sources(srcs)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${A_DEPS})
  endif()
  qav_expose_folder(${name} ${folder})
endfunction()

# One GoogleTest executable per test folder, made of every .cpp file in it;
# its tests carry the executable's name as their label (ctest -L test_link).
# A test sees the sources of what it links, and every test folder (shared
# fixtures) under tests/.
# Tests find the shipped data files through QAV_DATA_DIR and the built
# programs through QAV_BIN_DIR.
function(qav_test name)
  cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  qav_platform_sources(srcs)
  if(EMSCRIPTEN)
    # The *Posix.cpp tests drive pseudo-terminals, which a browser or Node has not.
    list(FILTER srcs EXCLUDE REGEX "Posix\\.cpp$")
  endif()
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  if(EMSCRIPTEN)
    # Under Node the tests see the real file system (data files, temporary folders).
    target_link_options(${name} PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    QAV_DATA_DIR="${PROJECT_SOURCE_DIR}/data"
    QAV_TESTS_DIR="${PROJECT_SOURCE_DIR}/tests"
    QAV_BIN_DIR="${QAV_PROGRAM_DIR}")
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  # A cross build runs each test program as one test under Wine: starting
  # Wine once per test case would cost more than the tests.
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 900 LABELS ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 LABELS ${name})
  endif()
endfunction()

# A GoogleTest executable for widgets: the shared main in tests/QtTestMain.cpp
# creates the QApplication (offscreen platform) that Qt Test's event
# simulation needs.
function(qav_qt_test name)
  cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  qav_platform_sources(srcs)
  if(NOT srcs)
    return()
  endif()
  set(CMAKE_AUTOMOC ON)
  add_executable(${name} ${srcs} ${PROJECT_SOURCE_DIR}/tests/QtTestMain.cpp)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests AUTOMOC ON)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    QAV_DATA_DIR="${PROJECT_SOURCE_DIR}/data"
    QAV_TESTS_DIR="${PROJECT_SOURCE_DIR}/tests"
    QAV_BIN_DIR="${QAV_PROGRAM_DIR}")
  target_link_libraries(${name} PRIVATE ${A_LIBS} Qt6::Test GTest::gtest GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120 LABELS ${name} ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
