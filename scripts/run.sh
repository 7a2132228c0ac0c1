#!/usr/bin/env bash
# The run command: installs what is missing, builds, then shows the main job
# on the simulated programmer board: an image written into a simulated chip,
# read back, compared, and the digests of the image and of the chip.
# Settings and chip contents live in a temporary directory, so the user's own
# are not touched.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
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
