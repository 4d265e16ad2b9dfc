#!/usr/bin/env bash
# The packages that the package tests open and install: the programs' own version (Corvale.msi) and an
# older one (Corvale-0.0.1.msi), both signed with the build's test certificate, whatever signing
# variables the environment carries.
#   build_packages.sh SOURCE_DIR BUILD_DIR OUT_DIR
set -euo pipefail
root=$1 build=$2 out=$3
unset CORVALE_SIGN_CERT CORVALE_SIGN_KEY CORVALE_SIGN_PASS CORVALE_TIMESTAMP_URL
rm -rf "$out"
mkdir -p "$out"
"$root/scripts/package" --build "$build" --test-build --output "$out/Corvale.msi"
"$root/scripts/package" --build "$build" --test-build --version 0.0.1 --output "$out/Corvale-0.0.1.msi"
