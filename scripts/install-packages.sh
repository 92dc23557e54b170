#!/bin/sh
# Installs the Debian 12 packages the build, the program and the tests need.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "run as root (or through sudo) to install packages" >&2
    exit 1
fi
missing=""
for p in $(cat "$here/packages.txt"); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
