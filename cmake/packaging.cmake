# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual pages, changelog and copyright file, and a Debian package from the
# install rules: cpack -G DEB in the build folder.

# One manual page per installed program, in English and Simplified Chinese:
# doc/man/NAME.1.in and doc/man/zh_CN/NAME.1.in.
set(EVDRIVE_MAN_PAGES evdrive evdrive-batch)
set(EVDRIVE_MAN_LANGUAGES "" zh_CN)

set(doc_dir "${PROJECT_BINARY_DIR}/doc")
set(compressed_docs "")

# Installs a generated file gzipped into DESTINATION, as distributions ship
# manual pages and changelogs; no name or time stamp in the gzip header, so
# that the package comes out the same each time.
function(evdrive_install_gzipped file destination)
    add_custom_command(OUTPUT "${file}.gz"
        COMMAND gzip -9n -c "${file}" > "${file}.gz"
        DEPENDS "${file}"
        VERBATIM)
    install(FILES "${file}.gz" DESTINATION "${destination}")
    set(compressed_docs ${compressed_docs} "${file}.gz" PARENT_SCOPE)
endfunction()

foreach(page IN LISTS EVDRIVE_MAN_PAGES)
    foreach(language IN LISTS EVDRIVE_MAN_LANGUAGES)
        cmake_path(APPEND language "${page}.1.in" OUTPUT_VARIABLE source)
        cmake_path(APPEND language man1 OUTPUT_VARIABLE section_dir)
        configure_file("doc/man/${source}" "${doc_dir}/man/${section_dir}/${page}.1" @ONLY)
        evdrive_install_gzipped("${doc_dir}/man/${section_dir}/${page}.1"
                                "${CMAKE_INSTALL_MANDIR}/${section_dir}")
    endforeach()
endforeach()

configure_file(doc/changelog.in "${doc_dir}/changelog" @ONLY)
evdrive_install_gzipped("${doc_dir}/changelog" "${CMAKE_INSTALL_DOCDIR}")
configure_file(doc/copyright.in "${doc_dir}/copyright" @ONLY)
install(FILES "${doc_dir}/copyright" DESTINATION "${CMAKE_INSTALL_DOCDIR}")

add_custom_target(evdrive_docs ALL DEPENDS ${compressed_docs})

set(CPACK_PACKAGE_NAME "evdrive")
set(CPACK_PACKAGE_VERSION "${EVDRIVE_DISPLAY_VERSION}")
set(CPACK_PACKAGE_VENDOR "evdrive")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Electric vehicle drive sizing calculator")
# One string with its own line breaks: Debian shows each line as written,
# within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [[
For engineers who size the electric drive of a vehicle: from twelve
vehicle and drivetrain figures, the motor speed at the required speed,
the power demand on level road and the steepest grade the motor's
maximum torque allows; and a tire's rolling radius from its size.
The interface is in Simplified Chinese. The command evdrive-batch runs
the same calculation over a CSV table of vehicles and over sweeps of
their figures.]])
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "evdrive maintainers <${EVDRIVE_CONTACT_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: the Song-style face the fields are set
# in and the toolkit's Chinese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, qt6-translations-l10n")
include(CPack)
