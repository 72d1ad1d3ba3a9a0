#!/usr/bin/env bash
# A pass to the trash as a client no one here wrote sees it, Debian's trash-cli: trash-list
# lists every entry the pass made with its original path, and after trash-restore has put one
# back, taking the pass back leaves that one alone and brings the others home.
#   trash_cli_interop_test.sh TARNWICK_CLI
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
settings=(--settings "$work/tarnwick.ini")
for folder in a b c; do
  mkdir -p "$work/tree/$folder"
  echo "$folder" >"$work/tree/$folder/Setup.log"
done
"$cli" "${settings[@]}" --add Setup.log >/dev/null
"$cli" "${settings[@]}" --root "$work/tree" --papierkorb >/dev/null

listed=$(trash-list 2>/dev/null | cut -d' ' -f3- | sort)
expected=$(printf '%s\n' "$work/tree/"{a,b,c}/Setup.log)
if [ "$listed" != "$expected" ]; then
  printf 'trash-list lists:\n%s\nexpected:\n%s\n' "$listed" "$expected" >&2
  exit 1
fi

(cd "$work/tree/b" && echo 0 | trash-restore >/dev/null)
status=0
report=$("$cli" "${settings[@]}" --zurueckholen) || status=$?
expected_report="Es wurden '2' Dateien zurückgeholt.
'1' Dateien waren nicht mehr im Papierkorb und blieben unberührt.

$work/tree/b/Setup.log: nicht mehr im Papierkorb"
if [ "$status" != 1 ] || [ "$report" != "$expected_report" ]; then
  printf 'tarnwick-cli --zurueckholen (status %s) said:\n%s\n' "$status" "$report" >&2
  exit 1
fi
for folder in a b c; do
  [ "$(cat "$work/tree/$folder/Setup.log")" = "$folder" ]
done
[ -z "$(trash-list 2>/dev/null)" ]
echo "trash-cli sees every entry, and what it restored is left alone"
