#!/usr/bin/env bash
# Set up, build and start Morvane.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANX_TESTS=OFF
cmake --build build -j2 --target morvanx mdial
exec ./build/morvanx
