#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tool need, when
# they are missing. Safe to run again: it installs nothing that is present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libbenchmark-dev libnanoflann-dev libmimalloc-dev
  libcli11-dev libpugixml-dev libzip-dev
  libfreetype-dev fonts-dejavu-core fonts-wqy-microhei
  python3 python3-ezdxf
  nodejs npm
  # Reports: read back by python-docx, converted to PDF by LibreOffice,
  # in the template's font, whose text pdftotext extracts.
  python3-docx libreoffice-writer-nogui fonts-liberation2 poppler-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# node and npm may come from elsewhere than Debian's packages: present is enough.
if command -v node >/dev/null && command -v npm >/dev/null; then
  kept=()
  for p in "${missing[@]}"; do [ "$p" = nodejs ] || [ "$p" = npm ] || kept+=("$p"); done
  missing=("${kept[@]+"${kept[@]}"}")
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# EPANET's engine for the tests that solve exported networks, from the npm
# registry into tests/tools/engine/node_modules (not tracked).
engine="$(dirname "$0")/../tests/tools/engine"
if [ ! -f "$engine/node_modules/epanet-js/package.json" ]; then
  echo "installing: epanet-js (npm)"
  npm install --prefix "$engine" --no-audit --no-fund --loglevel=error
fi
