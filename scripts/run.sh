#!/usr/bin/env bash
# Installs what is missing, builds BRILOX and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/src/app/brilox ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  echo "run: starting the BRILOX window"
  exec build/src/app/brilox "$@"
fi
echo "run: no display here; replaying the bundled sample through brilox-console."
echo "run: (for the window without a display: xvfb-run -a build/src/app/brilox)"
exec build/src/console/brilox-console --data-dir data --sample "$@"
