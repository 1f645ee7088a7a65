# Install rules and the Debian package. Included from the top level after the targets exist.
#
# Installed layout (relative to the prefix, /usr in the package):
#   bin/vardolin                                   the program
#   share/vardolin/BLANK.FDB                       files the program only reads (see platform/Cai)
#   share/applications/vardolin.desktop            menu entry
#   share/icons/hicolor/scalable/apps/vardolin.svg its icon
#   share/man/man1/vardolin.1.gz, share/doc/vardolin/{copyright,changelog.gz,ghid-vardolin.pdf}
include(GNUInstallDirs)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vardolin <vardolin@example.org>" CACHE STRING
    "Maintainer written into the package")

# Man page and changelog, compressed as Debian wants them.
set(VARDOLIN_VERSIUNE ${PROJECT_VERSION})
set(PACHET_DIR ${CMAKE_BINARY_DIR}/pachet)
configure_file(${CMAKE_SOURCE_DIR}/packaging/vardolin.1 ${PACHET_DIR}/vardolin.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${PACHET_DIR}/changelog @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
foreach(fisier vardolin.1 changelog)
  add_custom_command(OUTPUT ${PACHET_DIR}/${fisier}.gz
    COMMAND ${GZIP_PROGRAM} -9nf -k ${PACHET_DIR}/${fisier}
    DEPENDS ${PACHET_DIR}/${fisier})
  list(APPEND PACHET_COMPRIMATE ${PACHET_DIR}/${fisier}.gz)
endforeach()
# The user guide as a PDF, from the pages the program carries.
set(GHID_PDF ${CMAKE_BINARY_DIR}/ghid-vardolin.pdf)
file(GLOB_RECURSE GHID_SURSE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/doc/ghid/*)
add_custom_command(OUTPUT ${GHID_PDF}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:vardolin-ghidpdf>
          --ghid ${CMAKE_SOURCE_DIR}/doc/ghid --out ${GHID_PDF} --version ${PROJECT_VERSION}
  DEPENDS vardolin-ghidpdf ${GHID_SURSE}
  COMMENT "Making the user guide's PDF")
add_custom_target(pachet_fisiere ALL DEPENDS ${PACHET_COMPRIMATE} ${GHID_PDF})

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS vardolin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${BLANK_FDB} DESTINATION ${CMAKE_INSTALL_DATADIR}/vardolin)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vardolin.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/app/vardolin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PACHET_DIR}/vardolin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${PACHET_DIR}/changelog.gz ${GHID_PDF}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vardolin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vardolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Vardolin)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graduates' data and qualification certificates for a school")
set(CPACK_PACKAGE_DESCRIPTION
    "Vardolin keeps the data of a vocational school's graduates, imports students\n"
    "from spreadsheets and prints their values at exact positions onto pre-printed\n"
    "qualification certificate sheets after a preview. The program speaks Romanian.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Loaded at run time without being linked: the embedded database engine, and the fonts the
# certificate is printed in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "firebird3.0-server-core, fonts-liberation")
include(CPack)
