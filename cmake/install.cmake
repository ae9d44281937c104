# What `cmake --install` puts into the prefix, and the packages CPack makes
# of it: a Debian package (cpack -G DEB) on Linux, a .zip (cpack -G ZIP) of
# the Windows build. Programs added elsewhere with install(TARGETS ...) go
# into the same packages.
set(BATTLE_PACKAGE_NAME battle-module)
if(WIN32)
  # The .zip unpacks into one folder: the three programs side by side (battle
  # starts pagegen from its own folder) and the documents under docs/.
  set(BATTLE_INSTALL_BINDIR .)
  set(BATTLE_INSTALL_DOCDIR .)
else()
  set(CMAKE_INSTALL_DOCDIR share/doc/${BATTLE_PACKAGE_NAME} CACHE PATH "Documentation folder")
  include(GNUInstallDirs)
  set(BATTLE_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
  set(BATTLE_INSTALL_DOCDIR ${CMAKE_INSTALL_DOCDIR})
endif()

install(TARGETS battle pagegen collect RUNTIME DESTINATION ${BATTLE_INSTALL_BINDIR})
# README.md links into docs/, so the two keep their places side by side.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md DESTINATION ${BATTLE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${BATTLE_INSTALL_DOCDIR}/docs FILES_MATCHING
        PATTERN "*.md" PATTERN "*.png")

set(CPACK_PACKAGE_NAME ${BATTLE_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Battle module team")
set(CPACK_PACKAGE_CONTACT "Battle module team <battle-module@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Battle module of a browser role-playing game: battle, pagegen, collect")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR ZIP)
if(WIN32)
  set(CPACK_PACKAGE_FILE_NAME ${BATTLE_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  # The Depends line comes from the programs' own shared libraries: the C and
  # C++ runtimes for battle, pagegen and collect, and whatever battle-sim adds.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
