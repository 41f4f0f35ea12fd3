# Installing: the intro and its capture tool, afterglow and afterglow-capture, laid out as
# Debian lays out its games (programs in games/, data in share/games/afterglow), with man pages,
# a desktop entry and icon; and the drawing library for programs of scene writers, with a CMake
# package and a pkg-config file. `make install PREFIX=... DESTDIR=...` installs both; `make
# package` makes a Debian package of each: the intro's (component intro) and the library's
# (component dev), as Debian splits a program from what one builds against.

install(PROGRAMS $<TARGET_FILE:afterglow> $<TARGET_FILE:afterglow-capture>
  DESTINATION ${INTRO_GAMES_DIR} COMPONENT intro)
# A package (or `cmake --install --strip`) carries the programs and static libraries stripped as
# Debian strips them, the compiler's notes included; a plain install keeps what the build made.
set(intro_strip_notes --remove-section=.comment --remove-section=.note)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  foreach(program afterglow afterglow-capture)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded ${intro_strip_notes}
      \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${INTRO_GAMES_DIR}/\${program})
  endforeach()
endif()" COMPONENT intro)
# The data as generated (not as retouched in data/), in a package of its own: it is the same on
# every architecture.
install(DIRECTORY ${CMAKE_BINARY_DIR}/content/ DESTINATION ${INTRO_DATA_DIR}
  COMPONENT data PATTERN afterglow.png EXCLUDE)

# Man pages go in compressed, as Debian wants them.
foreach(page afterglow.6 afterglow-capture.6)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${page})
  list(APPEND intro_man_pages ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(man ALL DEPENDS ${intro_man_pages})
install(FILES ${intro_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT intro)

install(FILES packaging/afterglow.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  COMPONENT intro)
install(FILES ${CMAKE_BINARY_DIR}/content/afterglow.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/512x512/apps COMPONENT intro)
# The changelog is the project's history, compressed and named as Debian wants it for a package
# with a Debian revision. Each package carries its own copy with the copyright: none depends on
# another to share a doc folder. Whoever packages it names themselves: cmake -DINTRO_MAINTAINER="Name <address>".
set(INTRO_MAINTAINER "Afterglow maintainers <maintainers@users.noreply.c-seed-82840a2b.example>"
  CACHE STRING "The packages' maintainer, as Name <address>")
# The Debian revision: the first packaging of this upstream version.
set(INTRO_DEBIAN_REVISION 1 CACHE STRING "The packages' Debian revision")
set(intro_deb_version ${PROJECT_VERSION}-${INTRO_DEBIAN_REVISION})
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND ${CMAKE_SOURCE_DIR}/packaging/changelog.sh ${CMAKE_SOURCE_DIR} ${intro_deb_version}
    ${INTRO_MAINTAINER} ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog.sh VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
# The installed README is written for installed use; the checkout's describes a checkout.
install(FILES packaging/README.installed DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/afterglow-intro
  RENAME README COMPONENT intro)
foreach(component intro data dev)
  set(package afterglow-intro-${component})
  string(REPLACE "-intro-intro" "-intro" package ${package})
  install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package}
    COMPONENT ${component})
  install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package}
    RENAME changelog.Debian.gz COMPONENT ${component})
  # Built outside Debian's archive, the packages close no bug of it.
  file(WRITE ${CMAKE_BINARY_DIR}/lintian/${package}
    "${package}: initial-upload-closes-no-bugs\n")
  install(FILES ${CMAKE_BINARY_DIR}/lintian/${package}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT ${component})
endforeach()
# The example's source, for programs of one's own.
install(FILES examples/text_overlay.cpp examples/CMakeLists.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/afterglow-intro-dev/examples COMPONENT dev)
# The library's HTML reference (make docs; make package builds it first).
install(DIRECTORY ${CMAKE_BINARY_DIR}/docs/html/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/afterglow-intro-dev/html COMPONENT dev OPTIONAL)

# The drawing library: its headers keep their folders ("draw/Camera.h").
set(intro_library intro_tools intro_text intro_text_core intro_draw intro_draw_core intro_resources
  intro_resources_core intro_platform intro_base)
foreach(library ${intro_library})
  string(REPLACE intro_ afterglow_ name ${library})
  set_target_properties(${library} PROPERTIES OUTPUT_NAME ${name} EXPORT_NAME ${name})
endforeach()
install(TARGETS ${intro_library} EXPORT AfterglowTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  foreach(library ${intro_library})
    string(REPLACE intro_ libafterglow_ archive \${library})
    execute_process(COMMAND ${CMAKE_STRIP} --strip-debug ${intro_strip_notes}
      --enable-deterministic-archives
      \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/\${archive}.a)
  endforeach()
endif()" COMPONENT dev)
# Only the library's face, in its folders ("draw/Camera.h").
foreach(header ${INTRO_PUBLIC_HEADERS})
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/afterglow/${folder} COMPONENT dev)
endforeach()
install(EXPORT AfterglowTargets NAMESPACE Afterglow::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Afterglow COMPONENT dev)
include(CMakePackageConfigHelpers)
configure_package_config_file(packaging/AfterglowConfig.cmake.in
  ${CMAKE_BINARY_DIR}/AfterglowConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Afterglow)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/AfterglowConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/AfterglowConfig.cmake ${CMAKE_BINARY_DIR}/AfterglowConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Afterglow COMPONENT dev)
# The prefix is found from where the file lies, so that an installed copy works wherever it was put
# (a prefix given only to cmake --install, a staged or moved tree); pkg-config then writes a space
# in it escaped, which a shell or make passes on as one word.
file(RELATIVE_PATH PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" PC_TO_PREFIX "${PC_TO_PREFIX}")
configure_file(packaging/afterglow.pc.in ${CMAKE_BINARY_DIR}/afterglow.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/afterglow.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT dev)

# make package: three Debian packages: the programs, their data (architecture-independent) and
# the library. The intro's dependencies are found from the linked programs,
# plus what SDL opens itself at run time for GL (libGL for a window, libEGL offscreen, where the
# capture tool draws), which no scan of the programs sees; Mesa's drivers are recommended, being
# one choice among others. The library's follow from what its CMake package and afterglow.pc ask
# for; it needs nothing of the intro's, whose data only its examples use.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL intro data dev)
set(CPACK_PACKAGE_NAME afterglow-intro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${INTRO_DEBIAN_REVISION})
set(CPACK_PACKAGE_CONTACT ${INTRO_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_INTRO_PACKAGE_NAME afterglow-intro)
set(CPACK_DEBIAN_INTRO_PACKAGE_SECTION games)
set(CPACK_DEBIAN_INTRO_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_INTRO_PACKAGE_DEPENDS "libgl1, libegl1, afterglow-intro-data (= ${intro_deb_version})")
set(CPACK_DEBIAN_INTRO_PACKAGE_RECOMMENDS "libgl1-mesa-dri, ffmpeg")
set(CPACK_DEBIAN_INTRO_DESCRIPTION "self-running audiovisual presentation (demo intro)
Afterglow starts its soundtrack, opens a full-screen OpenGL window and plays
a fixed timeline of thirteen scenes: pictures, a flip-book and a text scroller.
It comes with a capture tool for stills and videos and options for scene
writers (start anywhere, pause, seek, live reload).")

set(CPACK_DEBIAN_DATA_PACKAGE_NAME afterglow-intro-data)
set(CPACK_DEBIAN_DATA_PACKAGE_SECTION games)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_DATA_DESCRIPTION "self-running audiovisual presentation (demo intro) - data
The pictures, soundtrack, fonts and built-in timeline of the Afterglow intro,
which the afterglow-intro package plays and films.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME afterglow-intro-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "libsdl2-dev, libsdl2-mixer-dev, libgl-dev, libopengl-dev, libglu1-mesa-dev, libturbojpeg0-dev")
set(CPACK_DEBIAN_DEV_PACKAGE_SUGGESTS "afterglow-intro-data (= ${intro_deb_version})")
set(CPACK_DEBIAN_DEV_DESCRIPTION "drawing library of the Afterglow demo intro (development files)
The textures, quads, camera, lookup tables and text printer the Afterglow intro
draws with, and a headless GL context, as static libraries with their headers,
a CMake package (find_package(Afterglow)) and a pkg-config file (afterglow),
for programs of scene writers.")
include(CPack)
