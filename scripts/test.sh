#!/bin/sh
# Installs what is needed, then builds and runs every test: the normal build,
# then the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
sh scripts/install-packages.sh
export QT_QPA_PLATFORM=offscreen
export SDL_VIDEODRIVER=dummy
for preset in default asan; do
    echo "== $preset build =="
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
