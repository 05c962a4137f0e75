#!/usr/bin/env bash
# Imports every .adi file of the folders given into a scratch data folder
# with brilox-console, once as a DXCC log, once as an IOTA log and once as a
# LoTW report, and prints one line per run: the exit status, the counters
# or the message.  A hand-run check of the import on a collection of real
# exports; a status other than 0 or 1 (a crash) makes the script fail.
#
#   bash tools/import_log_files.sh ~/logs/adif ~/logs/lotw
set -uo pipefail
console="${BRILOX_CONSOLE:-$(dirname "$0")/../build/src/console/brilox-console}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
crashes=0
for folder in "$@"; do
  for file in "$folder"/*.adi; do
    for option in --import-adif --import-adif-iota --import-lotw-report; do
      rm -rf "$scratch/data"
      output="$("$console" --data-dir "$scratch/data" "$option" "$file" 2>&1)"
      status=$?
      summary="$(printf '%s' "$output" | grep -E 'Records processed|Updates|brilox-console:' | tr '\n' ' ')"
      printf '%-3s %-22s %-50s %s\n' "$status" "$option" "$(basename "$file")" "$summary"
      if [ "$status" -gt 1 ]; then crashes=$((crashes + 1)); fi
    done
  done
done
[ "$crashes" -eq 0 ]
