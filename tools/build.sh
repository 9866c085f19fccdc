# Sourced by the scripts that build: configures and builds one target into a build folder.
#   ulvar_build DIR [cmake arguments...]     (output of the configure step in DIR.configure.log)
#   ulvar_build_windows                      (the Release Windows build in build/win)
ulvar_build() {
  local dir=$1
  shift
  mkdir -p "$(dirname "$dir")"
  cmake -S "$ULVAR_ROOT" -B "$dir" "$@" >"$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log" >&2; return 1; }
  cmake --build "$dir" -j "$(nproc)"
}

ulvar_build_windows() {
  ulvar_build "$ULVAR_ROOT/build/win" -DCMAKE_TOOLCHAIN_FILE="$ULVAR_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release
}
