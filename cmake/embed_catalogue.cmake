# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DCATALOGUE=zh_CN.mo -DSOURCE=out.cpp -DNAME=chineseCatalogue -P embed_catalogue.cmake:
# writes the compiled catalogue into a C++ source as an array of bytes in
# evdrive::batch, with its size, so that the program carries its translations.
file(READ "${CATALOGUE}" bytes HEX)
string(LENGTH "${bytes}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," array "${bytes}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
       array "${array}")
file(WRITE "${SOURCE}"
    "// Generated from ${CATALOGUE} by cmake/embed_catalogue.cmake.\n"
    "#include <cstddef>\n\n"
    "namespace evdrive::batch {\n\n"
    "extern const unsigned char ${NAME}[];\n"
    "extern const std::size_t ${NAME}Size;\n\n"
    "const unsigned char ${NAME}[] = {\n    ${array}\n};\n"
    "const std::size_t ${NAME}Size = ${size};\n\n"
    "} // namespace evdrive::batch\n")
