#!/usr/bin/env bash
# Takes docs/main-window-dx.png from the real program: a scratch settings file
# whose QuickConnect and AutoConnect point terminal 1 at a replay node on
# 127.0.0.1, a scratch data folder whose DXCC.DAT has a few entities worked
# or confirmed, the DX view at start, and a screenshot of the Xvfb screen
# once the spots have come in and been rated.
#   bash tools/ui/screenshot_main_window.sh [OUT.png]
# Needs xvfb-run, xwd (x11-apps) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${1:-docs/main-window-dx.png}
port=${PORT:-7373}
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT

export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/share XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$XDG_CONFIG_HOME/MORVEL/BRILOX" "$XDG_DATA_HOME/MORVEL/BRILOX" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n%b' \
  "\"MyCall\"=\"F6ABC\"\r\n\"QuickConnect\"=\"ESC C 127.0.0.1:$port\"\r\n\"AutoConnect\"=dword:00000001\r\n\"StartMode\"=dword:00000001\r\n\"WarningOnExit\"=dword:00000000\r\n\"MainFormLeft\"=dword:00000000\r\n\"MainFormTop\"=dword:00000000\r\n\"MainFormWidth\"=dword:00000400\r\n\"MainFormHeight\"=dword:000002a0\r\n\r\n" \
  > "$XDG_CONFIG_HOME/MORVEL/BRILOX/BRILOX.reg"

# Confirmed everywhere: ordinary spots.  CW only (SP, SV) or no CW (SM, HB): a spot is
# a new mode.  40 m only: a 20 m spot is a new band.  The rest: new entities.
data=$XDG_DATA_HOME/MORVEL/BRILOX
cp data/DXCC.RAW "$data/DXCC.DAT"
python3 tools/ui/mark_dxcc_worked.py "$data/DXCC.DAT" I=C UA=C F=C K=C DL=C \
  SP=C:C--CCCCCCCCCCCC SV=C:C--CCCCCCCCCCCC SM=C:-CCCCCCCCCCCCCC HB=C:-CCCCCCCCCCCCCC LZ=C:CCC--C--------- YU=C:CCC--C--------- EA=C:CCC--C---------

python3 tools/cluster_node_replay.py --port "$port" --burst 40 --interval 0.5 \
  tests/data/cluster_traffic/m0lte_VE7CC-1_real_spot_lines.txt &
sleep 1  # the replay node listens before the program connects
xvfb-run -a -s "-screen 0 1024x672x24" bash -c "
  build/src/app/brilox & program=\$!
  sleep 12
  xwd -root -silent > '$scratch/screen.xwd'
  kill \$program"
convert "$scratch/screen.xwd" "$out"
echo "wrote $out"
