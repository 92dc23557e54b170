#!/bin/sh
# Installs the Debian 12 packages the build, the program and the tests need.
# Only missing packages are installed, so a prepared machine needs no root.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
missing=""
for p in $(cat "$here/packages.txt"); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -z "$missing" ]; then
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "these packages are missing; run as root to install them:$missing" >&2
    exit 1
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
