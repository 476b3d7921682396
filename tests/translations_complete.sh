#!/bin/sh
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Fails on a text of the program without a finished translation, or on a translation that
# drops, doubles or invents a placeholder of its source (%1, %2, ... and %n in every plural form).
#
#   tests/translations_complete.sh SOURCE_DIR SCRATCH_DIR LUPDATE
set -u
source=${1:?usage: translations_complete.sh SOURCE_DIR SCRATCH_DIR LUPDATE}
scratch=${2:?} lupdate=${3:?}
cd "$source" || exit 1
cp translations/*.ts "$scratch/" || exit 1
"$lupdate" -silent -no-obsolete platform picture pointing window plotting -ts "$scratch"/*.ts || exit 1
if grep -B3 unfinished "$scratch"/*.ts; then
    echo "FAIL: the texts above have no finished translation" >&2
    exit 1
fi
exec python3 - "$scratch"/*.ts <<'PY'
import re, sys
import xml.etree.ElementTree as ElementTree
def placeholders(text):
    return sorted(re.findall(r'%(?:[1-9]|n)', text or ''))
wrong = []
for path in sys.argv[1:]:
    for message in ElementTree.parse(path).iter('message'):
        source = message.findtext('source')
        translation = message.find('translation')
        forms = [form.text for form in translation.iter('numerusform')] or [translation.text]
        wrong += [f'{path}: "{form}" for "{source}"' for form in forms if placeholders(form) != placeholders(source)]
for line in wrong:
    print('FAIL: placeholders differ:', line, file=sys.stderr)
sys.exit(1 if wrong else 0)
PY
