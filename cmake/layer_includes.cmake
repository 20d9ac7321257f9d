# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Includes name a header by its path from the project root ("core/drivetrain.h"),
# yet each target is to see only the folders it uses: a target's own folder is
# linked into a folder of its own in the build tree, which its users get on
# their include path. The core then cannot include a window's header by mistake.

# evdrive_expose_folder(TARGET FOLDER [PRIVATE]): `#include "FOLDER/…"` works in
# TARGET and, unless PRIVATE, in every target that links it.
function(evdrive_expose_folder target folder)
    set(scope PUBLIC)
    if(ARGN STREQUAL "PRIVATE")
        set(scope PRIVATE)
    endif()
    string(MAKE_C_IDENTIFIER "${folder}" name)
    set(root "${PROJECT_BINARY_DIR}/include/${name}")
    cmake_path(GET folder PARENT_PATH parent)
    file(MAKE_DIRECTORY "${root}/${parent}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
    target_include_directories(${target} ${scope} "${root}")
endfunction()
