#!/usr/bin/env bash
# Builds both Windows presets and writes the host developer's packages:
# dist/vellumkit-<version>-win32.zip and dist/vellumkit-<version>-win64.zip, each with the
# DLL, optaset.exe, the header, the import libraries and README-host.md.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$ROOT"
"$ROOT/scripts/setup.sh"
mkdir -p dist
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target vellumkit_package
  cp "build/$preset/dist/"vellumkit-*-"$preset".zip dist/
done
ls -l dist/*.zip
