# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later

# Wellenwerk as a desktop program: the version header, the files the desktop finds it by, the
# manual page, and what `cmake --install` and the package put where.
#
# One application ID names the desktop entry, the icon, the MIME package and the AppStream file,
# and the running program reports it as its desktop file name, so that Wayland and X11 match
# the window to its launcher and icon.
set(WELLENWERK_APP_ID de.dorwinkel.Wellenwerk)
set(WELLENWERK_HOMEPAGE https://github.com/dorwinkel/wellenwerk)
set(WELLENWERK_SCREENSHOT
    https://raw.githubusercontent.com/dorwinkel/wellenwerk/main/docs/mainwindow.png)
# The day of the release named by project(VERSION); the two change together.
set(WELLENWERK_RELEASE_DATE 2026-12-09)

include(GNUInstallDirs)
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
set(generated ${PROJECT_BINARY_DIR}/generated)

configure_file(${PROJECT_SOURCE_DIR}/src/app/ProgramInfo.h.in ${generated}/app/ProgramInfo.h
               @ONLY)
target_include_directories(wellenwerk_app PRIVATE ${generated})
configure_file(${desktop}/${WELLENWERK_APP_ID}.metainfo.xml.in
               ${generated}/${WELLENWERK_APP_ID}.metainfo.xml @ONLY)

# build/<preset>/wellenwerk, where scripts/run.sh starts it.
set_target_properties(wellenwerk PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
install(TARGETS wellenwerk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/wellenwerk/examples)
install(FILES ${PROJECT_SOURCE_DIR}/resources/package/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wellenwerk)

# The freedesktop.org files and the manual page mean something on Linux and the BSDs only.
if(UNIX AND NOT APPLE)
    install(FILES ${desktop}/${WELLENWERK_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${desktop}/${WELLENWERK_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${desktop}/${WELLENWERK_APP_ID}.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    install(FILES ${generated}/${WELLENWERK_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # Manual pages are installed compressed where gzip is at hand (-n: no name or time stamp,
    # so that the same source gives the same bytes).
    configure_file(${PROJECT_SOURCE_DIR}/resources/man/wellenwerk.1.in ${generated}/wellenwerk.1
                   @ONLY)
    find_program(GZIP_PROGRAM gzip)
    if(GZIP_PROGRAM)
        add_custom_command(OUTPUT ${generated}/wellenwerk.1.gz
                           COMMAND ${GZIP_PROGRAM} -9nkf ${generated}/wellenwerk.1
                           DEPENDS ${generated}/wellenwerk.1 VERBATIM)
        add_custom_target(wellenwerk_manpage ALL DEPENDS ${generated}/wellenwerk.1.gz)
        install(FILES ${generated}/wellenwerk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        install(FILES ${generated}/wellenwerk.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
