# Shared by the tools: paths, the build, and a Wine prefix of the build's own.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${ORBIN_BUILD_DIR:-$root/build}

orbin_build() {
  bash "$root/tools/setup"
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build_dir" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$build_dir" "$@"
}

# Wine quiet and without install prompts.
orbin_wine_env() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Creates the prefix once and gives it Wine's own fonts, which Debian's Wine does not find by itself.
orbin_prepare_prefix() {
  local prefix=$1
  export WINEPREFIX=$prefix
  if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  local fonts="$prefix/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/.orbin-fonts" ]; then
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
    touch "$fonts/.orbin-fonts"
  fi
}

# Starts the prefix's persistent server and its system services, detached from our output: a service
# started by a test program instead would keep ctest's pipe open and the test would seem to hang.
orbin_start_wineserver() {
  wineserver -p
  wine cmd /c ver </dev/null >/dev/null 2>&1 || true
}

# A null ALSA device of the build's own: sound plays (and reports its end) with no sound card, and no
# file of the user's is read.
orbin_silent_audio() {
  cat > "$build_dir/asound.conf" <<'ALSA'
pcm.!default { type null }
ctl.!default { type null }
ALSA
  export ALSA_CONFIG_PATH="$build_dir/asound.conf"
}

# Builds, then runs the calling script again on a virtual X screen, with --inside-display before its
# arguments.
orbin_build_and_enter_display() {
  orbin_build
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-display "$@"
}

# The build's own Wine: its prefix, a silent sound device and one persistent server, stopped on exit.
orbin_enter_wine() {
  orbin_wine_env
  orbin_prepare_prefix "$build_dir/wine-prefix"
  orbin_silent_audio
  orbin_start_wineserver
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
}
