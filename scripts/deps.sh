#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the program and the tests need and is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils
  firebird3.0-server
  libbenchmark-dev
  libgsf-1-dev libxlsxwriter-dev
  qtkeychain-qt6-dev
  dbus-daemon dbus-tests gnome-keyring libsecret-tools
  fonts-liberation fontconfig
  poppler-utils mupdf-tools
  xvfb xauth
  dpkg-dev lintian desktop-file-utils
  cups printer-driver-cups-pdf ghostscript libcups2-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  # The server package would start a system-wide server; the tests run their own private one,
  # so the package is installed without starting anything (an existing policy is left alone).
  policy=/usr/sbin/policy-rc.d
  own_policy=
  if [[ " ${missing[*]} " == *" firebird3.0-server "* && ! -e $policy ]]; then
    printf '#!/bin/sh\nexit 101\n' | "${sudo_cmd[@]}" tee "$policy" >/dev/null
    "${sudo_cmd[@]}" chmod 755 "$policy"
    own_policy=1
    trap '"${sudo_cmd[@]}" rm -f "$policy"' EXIT
  fi
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
  if [ -n "$own_policy" ]; then
    "${sudo_cmd[@]}" rm -f "$policy"
    trap - EXIT
  fi
fi
