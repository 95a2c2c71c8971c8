#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in a normal
# build with warnings as errors, once under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")"
source tools/common.sh

ensure_packages
jobs="$(nproc)"

echo "== Layers"
tools/check_layers.sh

echo "== Build and test"
configure_and_build build-test -DGATREL_WERROR=ON
ctest --test-dir build-test --output-on-failure --parallel "$jobs"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
configure_and_build build-sanitize -DGATREL_WERROR=ON -DGATREL_SANITIZE=ON -DGATREL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"
