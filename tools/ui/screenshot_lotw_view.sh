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
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT

export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/share XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$XDG_CONFIG_HOME/MORVEL/BRILOX" "$XDG_DATA_HOME/MORVEL/BRILOX" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n%b' \
  "\"MyCall\"=\"F6ABC\"\r\n\"QuickConnect\"=\"ESC C 127.0.0.1:$port\"\r\n\"AutoConnect\"=dword:00000001\r\n\"StartMode\"=dword:00000006\r\n\"LOTW\"=dword:00000003\r\n\"WarningOnExit\"=dword:00000000\r\n\"MainFormLeft\"=dword:00000000\r\n\"MainFormTop\"=dword:00000000\r\n\"MainFormWidth\"=dword:00000400\r\n\"MainFormHeight\"=dword:000002a0\r\n\r\n" \
  > "$XDG_CONFIG_HOME/MORVEL/BRILOX/BRILOX.reg"

data=$XDG_DATA_HOME/MORVEL/BRILOX
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
