# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows user downloads: both programs stripped, with the licence and a
# README for Windows users, as a zip and as an installer made by NSIS from
# packaging/windows/evdrive.nsi.in; cmake --build BUILD --target
# evdrive_windows_package puts both into the build folder.

find_program(EVDRIVE_MAKENSIS makensis DOC "NSIS's compiler, which makes the installer")

set(package_name "evdrive-${EVDRIVE_DISPLAY_VERSION}-windows-x64")
set(package_dir "${PROJECT_BINARY_DIR}/package")
set(stage "${package_dir}/${package_name}")
set(zip "${PROJECT_BINARY_DIR}/${package_name}.zip")
set(installer "${PROJECT_BINARY_DIR}/evdrive-${EVDRIVE_DISPLAY_VERSION}-setup.exe")

# The README as every Notepad reads it: UTF-8 with a byte-order mark, its lines
# ending in CRLF.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/windows/README.txt.in)
file(READ packaging/windows/README.txt.in readme)
string(ASCII 239 187 191 byte_order_mark)
file(CONFIGURE OUTPUT "${package_dir}/README.txt" CONTENT "${byte_order_mark}${readme}" @ONLY
    NEWLINE_STYLE CRLF)
configure_file(packaging/windows/evdrive.nsi.in "${package_dir}/evdrive.nsi" @ONLY)

set(staged "${stage}/evdrive.exe" "${stage}/evdrive-batch.exe" "${stage}/LICENSE.txt"
           "${stage}/README.txt")
# The zip's entries dated as the release, so that the same sources give the same zip.
add_custom_command(OUTPUT ${staged} "${zip}"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${stage}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${stage}"
    COMMAND "${CMAKE_STRIP}" -o "${stage}/evdrive.exe" $<TARGET_FILE:evdrive>
    COMMAND "${CMAKE_STRIP}" -o "${stage}/evdrive-batch.exe" $<TARGET_FILE:evdrive-batch>
    COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/LICENSE" "${stage}/LICENSE.txt"
    COMMAND "${CMAKE_COMMAND}" -E copy "${package_dir}/README.txt" "${stage}/README.txt"
    COMMAND "${CMAKE_COMMAND}" -E tar cf "${zip}" --format=zip
            "--mtime=${EVDRIVE_RELEASE_DATE} 00:00:00" "${package_name}"
    WORKING_DIRECTORY "${package_dir}"
    DEPENDS evdrive evdrive-batch "${PROJECT_SOURCE_DIR}/LICENSE" "${package_dir}/README.txt"
    COMMENT "Staging the Windows programs and zipping them"
    VERBATIM)

if(EVDRIVE_MAKENSIS)
    add_custom_command(OUTPUT "${installer}"
        COMMAND "${EVDRIVE_MAKENSIS}" -V2 -WX -INPUTCHARSET UTF8 "${package_dir}/evdrive.nsi"
        DEPENDS ${staged} "${package_dir}/evdrive.nsi" "${EVDRIVE_ICO}"
        COMMENT "Making the Windows installer"
        VERBATIM)
    add_custom_target(evdrive_windows_package DEPENDS "${zip}" "${installer}")
else()
    message(STATUS "No makensis (Debian: nsis): evdrive_windows_package makes the zip alone")
    add_custom_target(evdrive_windows_package DEPENDS "${zip}")
endif()
