#!/bin/sh
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Checks with `reuse lint` that every file of the source tree says under which licence it is,
# and that the texts of those licences are there.
#
#   tests/reuse_lint.sh SOURCE_DIR
#
# In a git checkout reuse leaves out what git ignores, such as the build folders; a tree that
# is not one (an unpacked archive) is copied without its build folders first.
set -u
source=${1:?usage: reuse_lint.sh SOURCE_DIR}
if ! command -v reuse >/dev/null; then
    echo "FAIL: reuse is missing; tools/test installs what the tests need" >&2
    exit 1
fi
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    exec reuse --root "$source" lint
fi
copy=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-reuse.XXXXXX") || exit 1
trap 'rm -rf "$copy"' EXIT
tar -C "$source" --exclude='./build*' -cf - . | tar -C "$copy" -xf - || exit 1
reuse --root "$copy" lint
