#!/usr/bin/env bash
# Installs the Debian packages the program needs, only those that are missing.
# Sourced by run.sh and test.sh.
brel_install_missing() {
  local wanted=(build-essential cmake pkg-config libgtest-dev libgmock-dev
                qt6-base-dev qt6-serialport-dev libgl-dev fonts-wqy-microhei "$@")
  local missing=()
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq >/dev/null
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

brel_jobs() { nproc 2>/dev/null || echo 2; }
