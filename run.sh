#!/usr/bin/env bash
# Installs what is missing, builds, installs into ./install and starts Gatrel
# (optionally with a circuit file).
set -euo pipefail
args=()
for a in "$@"; do
  if [ -e "$a" ]; then args+=("$(realpath "$a")"); else args+=("$a"); fi
done
cd "$(dirname "$(realpath "$0")")"
source tools/common.sh

ensure_packages
configure_and_build build -DGATREL_TESTS=OFF -DGATREL_BENCH=OFF
cmake --install build --prefix "$PWD/install" >/dev/null

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: start Gatrel under a virtual display with: xvfb-run -a ./run.sh${*:+ $*}" >&2
  exit 1
fi
exec "$PWD/install/bin/gatrel" "${args[@]}"
