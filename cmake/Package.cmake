# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package (`cpack -G DEB`, or scripts/package.sh): wellenwerk_<version>_<arch>.deb
# with what the install rules put under /usr. The libraries it needs are read off the program
# by dpkg-shlibdeps; only what the program loads at run time without linking it is named here.

set(WELLENWERK_MAINTAINER "Dorwinkel <wellenwerk@dorwinkel.de>"
    CACHE STRING "The packages' maintainer, as \"name <e-mail address>\"")

set(CPACK_PACKAGE_NAME wellenwerk)
set(CPACK_PACKAGE_VENDOR Dorwinkel)
set(CPACK_PACKAGE_CONTACT ${WELLENWERK_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${WELLENWERK_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool for Fourier synthesis and analysis")
# Debian shows the description as it is: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Wellenwerk builds periodic signals from a constant term and up to 128
harmonics, typed into a table, drawn with the mouse or summed from formulas,
and shows each signal at once as a pair of spectra and as a waveform over one
to eight periods, with its RMS value and distortion factor. Signals can be
heard as tones, saved as WAV files and exported as pictures and tables.

The user interface is in German.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins (without them no window opens), and the fonts metric-compatible with
# Arial that the fixed layout is measured in. Recommended: Qt's German texts for its own
# dialogs, and what registers the project file type and the desktop entry with the desktop.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, shared-mime-info, desktop-file-utils, hicolor-icon-theme")

# `cpack --config CPackSourceConfig.cmake`: the sources alone, without builds or git's files.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME wellenwerk-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build/" "/build-" "/\\\\.cache/")

include(CPack)

# The package test builds the package from this build and checks what it holds.
if(WELLENWERK_TESTS)
    set(tools dpkg-deb dpkg-shlibdeps appstreamcli desktop-file-validate update-mime-database man)
    set(missing)
    foreach(tool ${tools})
        find_program(WELLENWERK_TOOL_${tool} ${tool})
        if(NOT WELLENWERK_TOOL_${tool})
            list(APPEND missing ${tool})
        endif()
    endforeach()
    if(missing AND WELLENWERK_REQUIRE_DEV_TOOLS)
        message(FATAL_ERROR "The package test needs: ${missing} (scripts/install-deps.sh)")
    elseif(missing)
        message(STATUS "Not found: ${missing}: the package test is skipped")
    else()
        add_test(NAME Package.Contents
                 COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package/check-package.sh ${CMAKE_CPACK_COMMAND}
                         ${PROJECT_BINARY_DIR} ${PROJECT_VERSION} ${WELLENWERK_APP_ID})
        set_tests_properties(Package.Contents PROPERTIES TIMEOUT 300)
    endif()
endif()
