# Run as a test (cmake -DSRC=<src folder> -P this file): fails when a file
# of the core folders includes a Qt header or names a Qt target. The core
# is the C++ standard library and POSIX only, so the command-line tool and
# any other front end can use it without Qt.
set(core settings model link sim app)
set(found "")
foreach(folder ${core})
  file(GLOB_RECURSE files ${SRC}/${folder}/*.h ${SRC}/${folder}/*.cpp ${SRC}/${folder}/CMakeLists.txt)
  foreach(f ${files})
    file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]|Qt6::|Q_OBJECT")
    if(hits)
      list(APPEND found "${f}: ${hits}")
    endif()
  endforeach()
endforeach()
if(found)
  list(JOIN found "\n" text)
  message(FATAL_ERROR "The core folders use Qt:\n${text}")
endif()
message(STATUS "The core folders (${core}) use no Qt")
