#!/bin/bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Runs the end-to-end test with the program under valgrind's memcheck and fails if memcheck
# finds a memory error or a block definitely lost that the suppressions in toolkit.supp do
# not explain.
#
#   tests/valgrind/memcheck_e2e.sh PATH/TO/drawdots
#
# memcheck's report is kept as memcheck.log, and the end-to-end test's screenshot of a failure,
# in memcheck_e2e/ under $E2E_ARTIFACT_DIR (default: the current directory), apart from those of
# the plain end-to-end run; the whole report is printed on failure.
set -u

program=${1:?usage: memcheck_e2e.sh PATH/TO/drawdots}
if [[ ! -x $program ]]; then
    echo "FAIL: $program is not an executable program" >&2
    exit 2
fi
if ! command -v valgrind >/dev/null; then
    echo "FAIL: valgrind is not installed" >&2
    exit 2
fi
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export E2E_ARTIFACT_DIR=${E2E_ARTIFACT_DIR:-$PWD}/memcheck_e2e
mkdir -p "$E2E_ARTIFACT_DIR" || exit 2
log="$E2E_ARTIFACT_DIR/memcheck.log"
rm -f "$log"

work=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-memcheck.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT

# The end-to-end test starts whatever it is given as the program: a stand-in that runs the
# real one under memcheck. A memcheck error makes the program end with status 99, which the
# end-to-end test reports. Children the toolkit forks (to look for a session bus) are not
# the program, so they keep quiet.
cat >"$work/drawdots" <<WRAPPER
#!/bin/sh
exec valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \\
    --error-exitcode=99 --child-silent-after-fork=yes --num-callers=40 \\
    --suppressions="$here/toolkit.supp" --gen-suppressions=all \\
    --log-file="$log" "$program" "\$@"
WRAPPER
chmod +x "$work/drawdots"

# memcheck cannot follow the code the toolkit's regular expressions compile at run time (the file
# dialog's filters, once it has been used twice), and takes its reads for uninitialised values.
export QT_ENABLE_REGEXP_JIT=0
# Start-up and every step take several times as long under memcheck.
export E2E_WAIT_SECONDS=${E2E_WAIT_SECONDS:-300}
export E2E_CLOSE_SECONDS=${E2E_CLOSE_SECONDS:-300}
"$here/../e2e/run_e2e.sh" "$work/drawdots"
e2e_status=$?

summary=$(grep -E '== ERROR SUMMARY:' "$log" 2>/dev/null)
if [[ -z $summary ]]; then
    echo "FAIL: memcheck wrote no summary to $log: the program did not run under it to the end" >&2
    [[ -s $log ]] && cat "$log" >&2
    exit 1
fi
echo "memcheck: ${summary#*== }"
grep -E '==[0-9]+== +(definitely|indirectly|possibly) lost:' "$log" | sed 's/^==[0-9]*== */memcheck: /'
if [[ $summary != *"ERROR SUMMARY: 0 errors"* ]]; then
    echo "FAIL: memcheck found errors or blocks definitely lost; its report ($log):" >&2
    cat "$log" >&2
    exit 1
fi
if ((e2e_status != 0)); then
    echo "FAIL: the end-to-end test failed under memcheck (exit status $e2e_status)" >&2
    exit 1
fi
echo "PASS: no memory errors and no block definitely lost"
