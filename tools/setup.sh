#!/usr/bin/env bash
# Installs, idempotently, every Debian package the build, the tests and the demo need; with
# --fuzz also clang and its libFuzzer runtime for tools/fuzz.sh.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  googletest libbenchmark-dev zlib1g-dev nlohmann-json3-dev
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  wine64 fonts-wine xvfb xauth x11-utils imagemagick locales
  tinyproxy python3 tmux curl
  zip unzip python3-pefile
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Box-drawing and Cyrillic text in a terminal under Wine need the generated Russian locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  $SUDO sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
