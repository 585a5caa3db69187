# The libraries of a cross build. CLI11 and nlohmann-json are header-only:
# their headers are copied out of the build machine's /usr/include, which
# must not be on the cross compiler's include path as a whole (its C library
# headers would shadow the target's). GoogleTest is built from Debian's
# sources (libgtest-dev, libgmock-dev) with the cross compiler.
set(qav_host_headers ${CMAKE_BINARY_DIR}/host-headers)
foreach(dir CLI nlohmann)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: run scripts/install-deps")
  endif()
  file(COPY /usr/include/${dir} DESTINATION ${qav_host_headers})
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${qav_host_headers})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${qav_host_headers})

set(QAV_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
if(NOT EXISTS ${QAV_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "${QAV_GTEST_SOURCE} is missing: install googletest (scripts/install-deps)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${QAV_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(lib gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${lib})  # newer GoogleTest names them itself
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()
