# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# evdrive_build_flags: the warnings, the floating-point rules and the hardening
# every target of the project is built with, chosen for the compiler at hand.
# Each target links it; nothing is added to the targets of other projects.
add_library(evdrive_build_flags INTERFACE)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # Every arithmetic step is rounded on its own: a fused multiply-add would
    # change the last digits of the results.
    target_compile_options(evdrive_build_flags INTERFACE
        -Wall -Wextra -Wpedantic -ffp-contract=off)

    if(EVDRIVE_SANITIZE)
        target_compile_options(evdrive_build_flags INTERFACE
            -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(evdrive_build_flags INTERFACE -fsanitize=address,undefined)
    elseif(EVDRIVE_FUZZ)
        # clang 16 implements what libstdc++ 12 needs for <expected> but still
        # announces the older concepts level, which hides the header.
        target_compile_options(evdrive_build_flags INTERFACE
            -Wno-macro-redefined -D__cpp_concepts=202002L
            -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
        target_link_options(evdrive_build_flags INTERFACE -fsanitize=address,undefined)
    else()
        # The hardening distributions build their packages with: bounds-checked
        # string and memory functions where the optimiser can see the sizes and
        # stack canaries (whose runtime MinGW links only when told at link time
        # too). The sanitizers check all that and more, and do not combine with
        # the checked functions.
        target_compile_options(evdrive_build_flags INTERFACE
            -fstack-protector-strong
            $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
        target_link_options(evdrive_build_flags INTERFACE -fstack-protector-strong)
        # Relocations resolved at start-up, then made read-only: ELF only.
        if(NOT WIN32 AND NOT APPLE)
            target_link_options(evdrive_build_flags INTERFACE -Wl,-z,relro,-z,now)
        endif()
    endif()
elseif(MSVC)
    # /fp:precise neither contracts nor reorders; the sources are UTF-8.
    target_compile_options(evdrive_build_flags INTERFACE
        /W4 /permissive- /fp:precise /utf-8 /guard:cf)
    target_link_options(evdrive_build_flags INTERFACE /guard:cf)
else()
    message(WARNING "No warning or hardening flags known for ${CMAKE_CXX_COMPILER_ID}")
endif()
