#!/bin/sh
# Installs what is needed, builds the program and starts it on the bundled content.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
sh scripts/install-packages.sh
cmake --preset program
cmake --build --preset program
exec build/program/bin/quorvel "$@"
