# Installs the designer like a desktop program and packs it as a .deb.
# The layout is fixed relative to bin/: the programs find share/quillmark/
# from their own folder, so the install can be moved (/usr, /opt/quillmark,
# a home folder).
set(QM_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(QM_SHARE_DIR ${CMAKE_BINARY_DIR}/share/quillmark)

# Make installing and packing skip the test and sanitizer programs; whoever
# installs builds the programs first (scripts/package.sh does).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The sample art library, drawn at build time (the game's art is not ours to
# ship), in share/quillmark/ beside the built programs as it will be installed.
set(QM_SAMPLE_STAMP ${QM_SHARE_DIR}/sample/UO0.CORE)
add_custom_command(OUTPUT ${QM_SAMPLE_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QM_SHARE_DIR}/sample
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make-sample-data> ${QM_SHARE_DIR}/sample
  DEPENDS make-sample-data
  COMMENT "Drawing the sample art library")
add_custom_target(sample_library ALL DEPENDS ${QM_SAMPLE_STAMP})

# Man pages, compressed as Debian keeps them.
find_program(QM_GZIP gzip REQUIRED)
set(QM_MAN_PAGES)
foreach(page quillmark.1 quillmark-script.1)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${QM_GZIP} -9nc ${QM_PACKAGING}/man/${page} > ${CMAKE_BINARY_DIR}/man/${page}.gz
    DEPENDS ${QM_PACKAGING}/man/${page})
  list(APPEND QM_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${QM_MAN_PAGES})

install(TARGETS quillmark quillmark-script RUNTIME DESTINATION bin)
install(FILES ${QM_PACKAGING}/quillmark.desktop DESTINATION share/applications)
install(FILES ${QM_PACKAGING}/quillmark-mime.xml DESTINATION share/mime/packages RENAME quillmark.xml)
install(FILES ${QM_PACKAGING}/icons/quillmark.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${QM_PACKAGING}/icons/quillmark-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME quillmark.png)
endforeach()
install(DIRECTORY ${QM_SHARE_DIR}/sample DESTINATION share/quillmark)
install(FILES ${CMAKE_SOURCE_DIR}/help/quillmark.html DESTINATION share/quillmark/help)
install(FILES ${QM_MAN_PAGES} DESTINATION share/man/man1)

# cpack -G DEB: the runtime packages come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark")
set(CPACK_PACKAGE_CONTACT "Quillmark developers <quillmark@quillmark.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer for the dialog screens of Sphere shards")
set(CPACK_PACKAGE_DESCRIPTION
  "Lays out pictures, nine-piece backgrounds, buttons and hued text on the numbered pages of a dialog, draws them from an art library and exports the design as a Sphere dialog script; imports dialogs back from scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quillmark.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
