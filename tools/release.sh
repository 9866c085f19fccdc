#!/usr/bin/env bash
# The release: after the Windows build (build/win, or BUILD), writes
# build/release/ulvar-kit-VERSION.zip with every deliverable of tools/release/layout.txt and
# prints its path.
set -euo pipefail
ULVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD:-$ULVAR_ROOT/build/win}
command -v zip >/dev/null || { echo "release: zip is missing (bash tools/setup.sh installs it)" >&2; exit 1; }
[ -f "$build/ulvar-version.txt" ] || { echo "release: no Windows build in $build" >&2; exit 1; }
exec python3 "$ULVAR_ROOT/tools/release/make_release.py" --bin "$build/bin" \
  --version-file "$build/ulvar-version.txt" --out "${RELEASE_DIR:-$ULVAR_ROOT/build/release}"
