#!/bin/bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Every text of the program is translated in every language: lupdate, run on copies of the
# translation sources, finds no text new or unfinished.   check_complete.sh LUPDATE SOURCE_DIR
set -eu
scratch=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-ts.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cp "$2"/translations/*.ts "$scratch"/
"$1" -silent -no-obsolete -locations none "$2"/platform "$2"/window "$2"/plotting -ts "$scratch"/*.ts
if grep -A1 -B3 'type="unfinished"' "$scratch"/*.ts; then
    echo "FAIL: texts above have no translation; see Translating in README.md" >&2
    exit 1
fi
echo "PASS: $(grep -c '<source>' "$scratch"/*.ts | tr '\n' ' ')"
