#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest, the
# browser tests (label "browser") included.
set -euo pipefail
cd "$(dirname "$0")/.."
BROWSER_TESTS=1 source tools/setup.sh
ctest --test-dir build --output-on-failure -j2 --timeout 120
