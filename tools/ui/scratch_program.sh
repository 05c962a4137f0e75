# Sourced by the screenshot scripts: a scratch home for one run of the real
# program, removed at exit with the jobs the script started, and a settings
# file whose QuickConnect and AutoConnect connect terminal 1 to a replay node
# on 127.0.0.1, with a fixed window and no exit question.
#   scratch_program PORT 'MORE SETTINGS'   (REGEDIT4 lines, each ending \r\n)
# Sets $scratch and $data (the program's data folder, empty).
scratch_program() {
  local port=$1 more=$2
  scratch=$(mktemp -d)
  trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
  export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/share XDG_RUNTIME_DIR=$scratch/run
  mkdir -p "$XDG_CONFIG_HOME/MORVEL/BRILOX" "$XDG_DATA_HOME/MORVEL/BRILOX" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n%b' \
    "\"MyCall\"=\"F6ABC\"\r\n\"QuickConnect\"=\"ESC C 127.0.0.1:$port\"\r\n\"AutoConnect\"=dword:00000001\r\n$more\"WarningOnExit\"=dword:00000000\r\n\"MainFormLeft\"=dword:00000000\r\n\"MainFormTop\"=dword:00000000\r\n\"MainFormWidth\"=dword:00000400\r\n\"MainFormHeight\"=dword:000002a0\r\n\r\n" \
    > "$XDG_CONFIG_HOME/MORVEL/BRILOX/BRILOX.reg"
  data=$XDG_DATA_HOME/MORVEL/BRILOX
}
