#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Extracts evdrive-batch's messages from its sources into a template on
# standard output, as po/zh_CN.po translates them; `po/extract.sh > x.pot &&
# msgmerge --update po/zh_CN.po x.pot` brings the translation up to date.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
find batch \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort |
    xgettext --language=C++ --from-code=UTF-8 --keyword=tr --keyword=translatable \
        --package-name=evdrive-batch --no-wrap --sort-by-file --add-location=file \
        --files-from=- -o -
