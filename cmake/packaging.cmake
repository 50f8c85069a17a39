# Installation into a desktop (program, menu entry, icon, file types, software-centre entry,
# manual pages, shell completion) and the Debian package.
include(GNUInstallDirs)

# Who answers for the package: its maintainer, the changelog's author and the copyright contact.
set(VAPORIS_CONTACT "Vaporis developers <vaporis@example.org>")
set(vaporis_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vaporis)

install(TARGETS vaporis-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VAPORIS_BUILD_PYTHON)
  # Debian's place for extension modules of its python3, whatever the prefix's own Python.
  install(TARGETS vaporis_python LIBRARY DESTINATION lib/python3/dist-packages)
endif()
install(FILES resources/vaporis-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vaporis-cli)
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
  install(FILES resources/org.example.vaporis.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Debian wants the changelog and the manual pages compressed without a time stamp.
set(vaporis_gzip_files)
function(vaporis_gzip source)
  add_custom_command(OUTPUT ${source}.gz
    COMMAND gzip -9nkf ${source}
    DEPENDS ${source}
    VERBATIM)
  set(vaporis_gzip_files ${vaporis_gzip_files} ${source}.gz PARENT_SCOPE)
endfunction()

configure_file(resources/changelog.in ${PROJECT_BINARY_DIR}/doc/changelog @ONLY)
configure_file(resources/copyright.in ${PROJECT_BINARY_DIR}/doc/copyright @ONLY)
vaporis_gzip(${PROJECT_BINARY_DIR}/doc/changelog)
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright DESTINATION ${vaporis_doc_dir})

# Manual pages written from the programs' own --help, so they never disagree with it; the page
# of vaporis-cli holds the help of every command.
find_program(VAPORIS_HELP2MAN help2man)
function(vaporis_manual program summary)
  set(page ${PROJECT_BINARY_DIR}/man/${program}.1)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${VAPORIS_HELP2MAN} --no-info --version-string=${PROJECT_VERSION} --name=${summary}
            ${ARGN} --output=${page} $<TARGET_FILE:${program}>
    DEPENDS ${program}
    COMMENT "Writing the manual page of ${program}"
    VERBATIM)
  vaporis_gzip(${page})
  set(vaporis_gzip_files ${vaporis_gzip_files} PARENT_SCOPE)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
if(VAPORIS_HELP2MAN)
  set(vaporis_commands ${PROJECT_BINARY_DIR}/man/commands.h2m)
  add_custom_command(OUTPUT ${vaporis_commands}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/command_manual.sh $<TARGET_FILE:vaporis-cli>
            ${vaporis_commands}
    DEPENDS vaporis-cli ${PROJECT_SOURCE_DIR}/cmake/command_manual.sh
    VERBATIM)
  vaporis_manual(vaporis-cli "water/steam and gas properties for scripts"
                 --include=${vaporis_commands})
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/vaporis-cli.1 APPEND
                     DEPENDS ${vaporis_commands})
  if(VAPORIS_BUILD_GUI)
    vaporis_manual(vaporis "water/steam and gas properties, processes and tools")
  endif()
else()
  message(STATUS "help2man not found: no manual pages")
endif()
add_custom_target(vaporis_documents ALL DEPENDS ${vaporis_gzip_files})
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${vaporis_doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vaporis)
set(CPACK_PACKAGE_VENDOR "Vaporis developers")
set(CPACK_PACKAGE_CONTACT "${VAPORIS_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Water/steam (IAPWS-IF97) and gas-mixture properties for thermal engineers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Water and steam after IAPWS-IF97, gas mixtures of 24 components, thermal\n\
and flow processes, engineering tools, T-s diagrams and HTML reports, as a\n\
desktop program (vaporis), a command line for scripts (vaporis-cli) and a\n\
Python module (vaporis) with NumPy arrays.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries come from dpkg-shlibdeps; the windows need a platform plugin, and the windows and
# the diagram files (Cairo) the DejaVu font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcairo2, fonts-dejavu-core")
if(VAPORIS_BUILD_PYTHON)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${VAPORIS_PYTHON_DEPENDS}")
endif()
include(CPack)
