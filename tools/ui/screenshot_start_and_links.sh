#!/usr/bin/env bash
# Takes docs/first-start-dialog.png and docs/terminal-link-states.png from the
# real program under Xvfb: the first start's dialog for the own call and
# locator, then the terminal buttons' link lamps (1 up on a replay node at
# 127.0.0.1, 2 connecting, 3 refused, 4 never used), with button 2's tool tip.
#   bash tools/ui/screenshot_start_and_links.sh [DIALOG.png] [LINKS.png]
# Needs xvfb-run and a build with the tools (build/tools/screenshot_start_and_links).
set -euo pipefail
cd "$(dirname "$0")/../.."
dialog_out=${1:-docs/first-start-dialog.png}
links_out=${2:-docs/terminal-link-states.png}
port=${PORT:-7374}
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT

python3 tools/cluster_node_replay.py --port "$port" --burst 10 --interval 0.5 \
  tests/data/cluster_traffic/m0lte_VE7CC-1_real_spot_lines.txt &
sleep 1  # the replay node listens before the program connects
xvfb-run -a -s "-screen 0 1024x672x24" build/tools/screenshot_start_and_links data "$port" "$dialog_out" "$links_out"
echo "wrote $dialog_out and $links_out"
