#!/bin/sh
# Installs what is needed, checks the formatting, then builds and runs every
# test: the normal build (every target, each benchmark run once, briefly),
# then the AddressSanitizer + UndefinedBehaviorSanitizer build; last, the libFuzzer programs are built with clang so they stay buildable
# (running them is a manual step, see docs/architecture.md).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
sh scripts/install-packages.sh

echo "== layers =="
sh scripts/check-layers.sh

echo "== formatting =="
find app board content core engine i18n joystick platform stage tools tests bench fuzz \
    -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run -Werror

export QT_QPA_PLATFORM=offscreen
export SDL_VIDEODRIVER=dummy
jobs=$(nproc)
for preset in default asan; do
    echo "== $preset build =="
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$jobs"
    # The tests that drive the real program under Xvfb can still lose a race
    # with the X server now and then; a second run tells that from a fault,
    # which fails both.
    ctest --preset "$preset" --parallel "$jobs" --repeat until-pass:2
done

echo "== fuzz targets =="
cmake --preset fuzz
cmake --build --preset fuzz --parallel "$jobs" --target quorvel_fuzz
