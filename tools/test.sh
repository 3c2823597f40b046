#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
ctest --test-dir build --output-on-failure -j2 --timeout 120
