#!/usr/bin/env bash
# Takes a screenshot of the real program in the LoTW view: a scratch data
# folder with a LoTW user list, the replay node of screenshot_main_window.sh,
# StartMode 6 (the LoTW view), and a call typed into the view's call field
# once the spots have come in, so that the picture shows the users' spots
# with their " L" marks, the count and the answer for the typed call.
#   bash tools/ui/screenshot_lotw_view.sh [OUT.png] [LIST.csv] [CALL]
# LIST defaults to the slice of the service's list kept with the tests; the
# whole lotw-user-activity.csv fills the window better.  Needs xvfb-run, xwd
# (x11-apps), xdotool and netpbm's xwdtopnm and pnmtopng (or ImageMagick's convert).
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-docs/main-window-lotw.png}
list=${2:-tests/data/lotw/lotw-user-activity-sample.csv}
call=${3:-LZ1FH}
port=${PORT:-7374}
source tools/ui/scratch_program.sh
scratch_program "$port" '"StartMode"=dword:00000006\r\n"LOTW"=dword:00000003\r\n'

cp data/DXCC.RAW "$data/DXCC.DAT"
cp "$list" "$data/lotw-user-activity.csv"

python3 tools/cluster_node_replay.py --port "$port" --burst 40 --interval 0.5 \
  tests/data/cluster_traffic/m0lte_VE7CC-1_real_spot_lines.txt &
sleep 1  # the replay node listens before the program connects
xvfb-run -a -s "-screen 0 1024x672x24" bash -c "
  build/src/app/brilox & program=\$!
  sleep 10
  # The call field sits at the left of the panel under the toolbar.
  xdotool mousemove 218 62 click 1
  xdotool type --delay 80 '$call'
  sleep 1
  xwd -root -silent > '$scratch/screen.xwd'
  kill \$program"
if command -v xwdtopnm > /dev/null && command -v pnmtopng > /dev/null; then
  xwdtopnm "$scratch/screen.xwd" 2> /dev/null | pnmtopng > "$out"
else
  convert "$scratch/screen.xwd" "$out"
fi
echo "wrote $out"
