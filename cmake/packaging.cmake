# Installation into a desktop (program, menu entry, icon, file types) and the Debian package.
include(GNUInstallDirs)

install(TARGETS vaporis-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VAPORIS_BUILD_GUI)
  install(TARGETS vaporis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(vaporis_icon ${PROJECT_BINARY_DIR}/vaporis.png)
  add_custom_command(OUTPUT ${vaporis_icon}
    COMMAND vaporis_write_icon ${vaporis_icon} 256
    DEPENDS vaporis_write_icon
    COMMENT "Painting the program icon")
  add_custom_target(vaporis_icon ALL DEPENDS ${vaporis_icon})
  install(FILES ${vaporis_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
  install(FILES resources/vaporis.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/vaporis-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME vaporis.xml)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vaporis)
set(CPACK_PACKAGE_VENDOR "Vaporis developers")
set(CPACK_PACKAGE_CONTACT "Vaporis developers <vaporis@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Water/steam (IAPWS-IF97) and gas-mixture properties for thermal engineers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Water and steam after IAPWS-IF97, gas mixtures of 24 components, thermal\n\
and flow processes, engineering tools, T-s diagrams and HTML reports, as a\n\
desktop program (vaporis) and a command line for scripts (vaporis-cli).")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries come from dpkg-shlibdeps; the windows need a platform plugin, and the windows and
# the diagram files (Cairo) the DejaVu font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcairo2, fonts-dejavu-core")
include(CPack)
