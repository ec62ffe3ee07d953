#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
exec "${ZARU_BUILD_DIR:-$root/build}/app/zaruziz"
