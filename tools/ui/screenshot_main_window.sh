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
source tools/ui/scratch_program.sh
scratch_program "$port" '"StartMode"=dword:00000001\r\n'

# Confirmed everywhere: ordinary spots.  CW only (SP, SV) or no CW (SM, HB): a spot is
# a new mode.  40 m only: a 20 m spot is a new band.  The rest: new entities.
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
