#!/usr/bin/env bash
# Installs the Debian packages given as arguments that are not installed yet.
# Uses apt-get (through sudo when not root); does nothing when all are present.
set -euo pipefail

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "install-deps: not a Debian system; please install: $*" >&2
  exit 0
fi

missing=()
for pkg in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing missing Debian packages: ${missing[*]}"
SUDO=()
if [ "$(id -u)" -ne 0 ]; then
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -q
"${SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
echo "install-deps: done"
