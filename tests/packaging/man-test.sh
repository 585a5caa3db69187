#!/usr/bin/env bash
# Every verb in `qav --help` has its entry in the manual page.
set -euo pipefail
qav=${1:?} page=${2:?}
verbs=$("$qav" --help | awk '/^Subcommands:/{on=1; next} on && /^  [a-z]/{print $1}')
[[ -n "$verbs" ]] || { echo "FAIL: no verbs found in qav --help"; exit 1; }
missing=0
for v in $verbs; do
    grep -q "^\.B ${v//-/\\\\-} " "$page" || { echo "FAIL: verb $v is not in $page"; missing=1; }
done
exit $missing
