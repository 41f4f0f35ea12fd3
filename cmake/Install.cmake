# Installing: the intro and its capture tool as afterglow and afterglow-capture, laid out as
# Debian lays out its games (programs in games/, data in share/games/afterglow), with man pages,
# a desktop entry and icon; and the drawing library for programs of scene writers, with a CMake
# package and a pkg-config file. `make install PREFIX=... DESTDIR=...` and `make package` use it.

install(PROGRAMS $<TARGET_FILE:intro> DESTINATION ${INTRO_GAMES_DIR} RENAME afterglow)
install(PROGRAMS $<TARGET_FILE:intro-capture> DESTINATION ${INTRO_GAMES_DIR}
  RENAME afterglow-capture)
# A package (or `cmake --install --strip`) carries the programs stripped; a plain install keeps
# what the build made.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  foreach(program afterglow afterglow-capture)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
      \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${INTRO_GAMES_DIR}/\${program})
  endforeach()
endif()")
install(DIRECTORY ${CMAKE_BINARY_DIR}/data/ DESTINATION ${INTRO_DATA_DIR}
  PATTERN stamp EXCLUDE PATTERN afterglow.png EXCLUDE)

# Man pages go in compressed, as Debian wants them.
foreach(page afterglow.6 afterglow-capture.6)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${page})
  list(APPEND intro_man_pages ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(man ALL DEPENDS ${intro_man_pages})
install(FILES ${intro_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

install(FILES packaging/afterglow.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/data/afterglow.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/512x512/apps)
# The changelog is the project's history, compressed as Debian wants it.
set(INTRO_MAINTAINER "Afterglow maintainers <maintainers@users.noreply.c-seed-82840a2b.example>")
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND ${CMAKE_SOURCE_DIR}/packaging/changelog.sh ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION}
    ${INTRO_MAINTAINER} ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog.sh VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES README.md packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/afterglow-intro)

# The drawing library: its headers keep their folders ("draw/Camera.h").
set(intro_library intro_core intro_gl intro_platform intro_tools)
foreach(library ${intro_library})
  string(REPLACE intro_ afterglow_ name ${library})
  set_target_properties(${library} PROPERTIES OUTPUT_NAME ${name} EXPORT_NAME ${name})
endforeach()
install(TARGETS ${intro_library} EXPORT AfterglowTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
# Only the library's face: the intro's own app/ and the tools' programs stay out.
install(DIRECTORY draw platform resources text
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/afterglow FILES_MATCHING PATTERN "*.h")
install(DIRECTORY tools/common DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/afterglow/tools
  FILES_MATCHING PATTERN "*.h")
install(EXPORT AfterglowTargets NAMESPACE Afterglow::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Afterglow)
include(CMakePackageConfigHelpers)
configure_package_config_file(packaging/AfterglowConfig.cmake.in
  ${CMAKE_BINARY_DIR}/AfterglowConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Afterglow)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/AfterglowConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/AfterglowConfig.cmake ${CMAKE_BINARY_DIR}/AfterglowConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Afterglow)
configure_file(packaging/afterglow.pc.in ${CMAKE_BINARY_DIR}/afterglow.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/afterglow.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# make package: a Debian package, its dependencies found from the linked libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME afterglow-intro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${INTRO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "self-running audiovisual presentation (demo intro)")
set(CPACK_PACKAGE_DESCRIPTION "Afterglow starts its soundtrack, opens a full-screen OpenGL window and plays
a fixed timeline of thirteen scenes: pictures, a flip-book and a text scroller.
It comes with a capture tool for stills and videos, options for scene writers
(start anywhere, pause, seek, live reload) and its drawing library.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ffmpeg)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
