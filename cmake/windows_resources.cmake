# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# evdrive_windows_resource(TARGET DESCRIPTION): the version information, icon
# and application manifest of a Windows program, generated from
# app/evdrive.rc.in into generated/app/TARGET.rc. Generated on every system, so
# that the resource can be checked anywhere; compiled into TARGET on Windows.
function(evdrive_windows_resource target description)
    set(EVDRIVE_MANIFEST "${PROJECT_BINARY_DIR}/generated/app/evdrive.manifest")
    set(EVDRIVE_RC_NAME "${target}")
    set(EVDRIVE_RC_DESCRIPTION "${description}")
    configure_file("${PROJECT_SOURCE_DIR}/app/evdrive.manifest.in" "${EVDRIVE_MANIFEST}" @ONLY)
    # The icon is rendered with the windows' toolkit: a build without the
    # windows gives its program none.
    set(EVDRIVE_RC_ICON "")
    if(EVDRIVE_GUI)
        set(EVDRIVE_RC_ICON "1 ICON \"${EVDRIVE_ICO}\"")
    endif()
    set(rc "${PROJECT_BINARY_DIR}/generated/app/${target}.rc")
    configure_file("${PROJECT_SOURCE_DIR}/app/evdrive.rc.in" "${rc}" @ONLY)
    if(WIN32)
        target_sources(${target} PRIVATE "${rc}")
        # The resource compiler names no files it reads for the build to watch.
        set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${EVDRIVE_MANIFEST}")
        if(EVDRIVE_GUI)
            set_property(SOURCE "${rc}" APPEND PROPERTY OBJECT_DEPENDS "${EVDRIVE_ICO}")
            add_dependencies(${target} evdrive_icon_files)
        endif()
    endif()
endfunction()
