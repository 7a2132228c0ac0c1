#!/usr/bin/env bash
# The run command: installs what is missing, builds, then starts the program
# `veldrix` with the user's own settings. On a first run it takes the Tessaro
# family; on a machine without a parallel port that means the simulated board
# with a chip in its socket, so Read, Write and Compare work at once.
#
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set), or with
# --demo, it shows the main job on the simulated board from the command line
# instead: an image written into a simulated chip, read back, compared, and
# the digests of the image and of the chip. The demonstration keeps its
# settings and chip contents in a temporary directory; nothing of yours is
# touched.
set -euo pipefail
cd "$(dirname "$0")/.."

demo_only=false
case "${1:-}" in
  "") ;;
  --demo) demo_only=true ;;
  *) echo "usage: scripts/run.sh [--demo]" >&2; exit 2 ;;
esac

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

if ! $demo_only; then
  if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    cmake --build build --target veldrix
    exec build/veldrix
  fi
  echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the command-line demonstration instead."
fi

cmake --build build --target veldrix-cli

demo="$(mktemp -d)"
trap 'rm -rf "$demo"' EXIT
export VELDRIX_SIM_DIR="$demo/sim"
cli=(build/veldrix-cli --settings "$demo/settings.ini")

step() { printf '\n$ veldrix-cli %s\n' "$*"; "${cli[@]}" "$@"; echo "(exit status $?)"; }

# A 32 KB image: a text pattern, so the read-back is easy to look at.
(yes 'VELDRIX simulated board demo. ' || true) | head -c 32768 > "$demo/image.bin"

step --family tessaro --port SIM --module calypso --chip W27E257 chips
step erase
step blank
step write "$demo/image.bin" --yes
step read "$demo/back.bin"
step compare "$demo/image.bin"
step digest "$demo/image.bin"
step digest
cmp "$demo/image.bin" "$demo/back.bin"
printf '\nThe chip read back equals the image written.\n'
