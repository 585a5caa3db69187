# Installation and the Debian package.
#
#   bin/                    qav, qav-cps
#   share/qav/              the program directory: every data file
#   share/applications/     the desktop entry
#   share/icons/hicolor/    the program's icon, SVG and PNG sizes
#   share/metainfo/         the AppStream description
#   share/man/man1/         the manual pages
#   share/doc/qav/          copyright and changelog
#
# The programs find share/qav through ../share/qav beside their own folder,
# so any prefix works without rebuilding.
include(GNUInstallDirs)

set(QAV_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/qav)
set(QAV_APP_ID org.qav.cps)

# Refuse early, with what to do, instead of failing half-way through a copy
# with "Permission denied": the nearest folder of the prefix that exists
# must be writable.
install(CODE [[
  set(dest "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(probe "${dest}")
  while(NOT EXISTS "${probe}")
    get_filename_component(probe "${probe}" DIRECTORY)
  endwhile()
  execute_process(COMMAND test -w "${probe}" RESULT_VARIABLE not_writable)
  if(not_writable)
    message(FATAL_ERROR
      "cannot install into ${dest}: ${probe} is not writable by this user.\n"
      "Install as root (sudo make install PREFIX=${CMAKE_INSTALL_PREFIX}), or choose a prefix of your own "
      "(make install PREFIX=$HOME/.local), or build the Debian package (make package) and install that.")
  endif()
]])

foreach(program qav qav-cps)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # Relocations resolved at start and then read-only, as Debian builds
    # its programs (only the link step changes).
    if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
      target_link_options(${program} PRIVATE LINKER:-z,relro,-z,now)
    endif()
  endif()
endforeach()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${QAV_DATA_INSTALL_DIR}
  PATTERN CMakeLists.txt EXCLUDE)
install(FILES ${QAV_DEFAULT_SETS} DESTINATION ${QAV_DATA_INSTALL_DIR})

set(pkg ${PROJECT_SOURCE_DIR}/packaging)
if(TARGET qav-cps)
  install(FILES ${pkg}/${QAV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${pkg}/${QAV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${pkg}/icons/qav-cps.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${pkg}/icons/qav-cps-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME qav-cps.png)
  endforeach()
endif()

# Manual pages and the package's changelog, compressed as Debian wants them.
find_program(QAV_GZIP gzip)
set(qav_compressed)
foreach(src IN ITEMS docs/man/qav.1 docs/man/qav-cps.1 packaging/changelog)
  get_filename_component(name ${src} NAME)
  set(out ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "${QAV_GZIP} -9n -c \"$1\" > \"$2\"" gzip ${PROJECT_SOURCE_DIR}/${src} ${out}
    DEPENDS ${PROJECT_SOURCE_DIR}/${src}
    VERBATIM)
  list(APPEND qav_compressed ${out})
endforeach()
add_custom_target(qav_compressed_docs ALL DEPENDS ${qav_compressed})
install(FILES ${CMAKE_BINARY_DIR}/packaging/qav.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET qav-cps)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/qav-cps.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${pkg}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package: `make package` (or cpack in build/).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qav)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for analogue hand-held two-way radios")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Reads a radio's codeplug over a serial programming cable, edits it, saves it\n\
to a file or writes it back, tunes the radio and prints the codeplug. The\n\
package holds the desktop program qav-cps, the command-line tool qav, the\n\
model database, the language files and the default codeplugs. A simulated\n\
radio built into both programs lets everything be tried without hardware.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "qav developers <qav@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Depends come from the programs' shared libraries (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
if(TARGET qav-cps)
  # Qt finds its platform plugin at run time, so no library names it; the
  # Chinese texts need a font that has the glyphs.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, fonts-wqy-microhei")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
