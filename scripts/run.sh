#!/bin/sh
# Installs what is needed, builds the program and starts it on the bundled content.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
sh scripts/install-packages.sh
cmake --preset default
cmake --build --preset default --target quorvel quorvel-inspect quorvel_data
if [ -x build/default/bin/quorvel ]; then
    exec build/default/bin/quorvel "$@"
fi
exec build/default/bin/quorvel-inspect joysticks
