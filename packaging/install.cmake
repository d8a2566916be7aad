# Installation and the Debian package.
#
#   cmake --install build [--prefix /usr]     the install tree
#   cd build && cpack -G DEB                   build/quib_<version>_<arch>.deb
#
# Debian's layout for games: the programs in PREFIX/games, their manual
# pages in section 6. The campaigns always go to /usr/share/quib/, whatever
# the prefix, because that is the fixed folder the game searches.
include(GNUInstallDirs)

set(QUIB_GAMES_DIR games)
set(QUIB_CAMPAIGN_DIR /usr/share/quib)
set(QUIB_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quib)
set(QUIB_MAINTAINER "QUIB maintainers <maintainers@users.noreply.c-seed-4257a566.example>"
    CACHE STRING "Maintainer named in the Debian package")

install(TARGETS quib quib-replay quib-lab RUNTIME DESTINATION ${QUIB_GAMES_DIR})

# Each campaign goes with the winning routes of its levels (FILE.qbf.N.txt).
file(GLOB QUIB_SHIPPED_CAMPAIGNS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/campaigns/quib*.qbf
     ${CMAKE_SOURCE_DIR}/campaigns/quib*.qbf.*.txt)
install(FILES ${QUIB_SHIPPED_CAMPAIGNS} DESTINATION ${QUIB_CAMPAIGN_DIR})

# Manual pages and the package's changelog go compressed, as Debian wants
# them; -n leaves the time stamp out so the files do not change with it.
set(QUIB_COMPRESSED)
foreach(source man/quib.6 man/quib-replay.6 man/quib-lab.6 packaging/changelog.Debian)
  get_filename_component(name ${source} NAME)
  set(compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/${source} > ${compressed}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND QUIB_COMPRESSED ${compressed})
endforeach()
add_custom_target(quib_compressed_docs ALL DEPENDS ${QUIB_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/quib.6.gz ${CMAKE_BINARY_DIR}/packaging/quib-replay.6.gz
              ${CMAKE_BINARY_DIR}/packaging/quib-lab.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${QUIB_DOC_DIR})

# The desktop menu entry starts the game in the largest window that fits.
install(FILES ${CMAKE_SOURCE_DIR}/desktop/studio.quib.quib.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/studio.quib.quib.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
foreach(size 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/quib-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
          RENAME quib.png)
endforeach()

# The Debian package: the library dependencies are worked out by
# dpkg-shlibdeps from the programs themselves.
set(CPACK_PACKAGE_NAME quib)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${QUIB_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard-only arcade physics puzzle")
# The extended description under the summary: CPack indents it and marks
# its empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A ball drifts across a board with no gravity and no friction; the only
things that move it are the force fields of the pieces on the board
(attractors pull, repellers push, spinners push sideways), short nudges in
the four directions, and a flip that turns every attractor into a repeller
and back. Reach an exit before the time runs out, collect the coins and
keep clear of hazards.

Five campaigns of rising difficulty come with the game, and a campaign
editor in the game window makes new ones.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_GENERATOR DEB)
include(CPack)
