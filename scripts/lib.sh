# Shared by scripts/run and scripts/test: installs what is missing, builds, and
# prepares a private Wine prefix and (when there is no display) a private Xvfb.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${VELINDRA_BUILD:-$ROOT/build}"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 xvfb xauth
          cmake ninja-build googletest g++ fp-utils libchm-bin imagemagick x11-apps
          fonts-wine fonts-wqy-microhei nsis zlib1g-dev clang libclang-rt-14-dev locales
          python3-icalendar python3-dateutil)

log() { printf '== %s\n' "$*" >&2; }

install_missing() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build() {
  log "building in $BUILD"
  cmake -S "$ROOT" -B "$BUILD" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
  cmake --build "$BUILD" -j "$(nproc)"
}

XVFB_PID=""
stop_display() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}

start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      log "private display $DISPLAY (Xvfb pid $XVFB_PID)"
      return 0
    fi
  done
  log "could not start Xvfb"
  return 1
}

# prepare_wine [name]: the prefix build/<name> (default wineprefix, the one
# scripts/run uses; the tests have their own, so that a test that drives the
# real program never touches the settings of the program you run).
prepare_wine() {
  export WINEPREFIX="$BUILD/${1:-wineprefix}"
  export WINEDEBUG=-all
  # No Mono or Gecko prompts, and no menu entries of the desktop written for
  # the shortcuts an installer under test makes.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe="
  export WINEARCH=win64
  if [ ! -f "$WINEPREFIX/.velindra-ready" ]; then
    log "creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    # Without a window manager every hide of a managed window waits 2 s.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.velindra-ready"
  fi
  # Wine's own fonts (fonts-wine) in the prefix's Fonts folder, where Wine
  # prefers them: "MS Sans Serif" then has the metrics it has on Windows (a
  # dialog unit of 3/2 x 13/8 pixels, not 7/4 x 13/8), Tahoma is the GUI font
  # and Marlett draws the caption buttons.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ]; then
    cp -u /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts/" 2>/dev/null || true
  fi
  # Chinese and Japanese texts: Windows links its dialog font (Tahoma) to its
  # own CJK fonts (FontLink\SystemLink: MS UI Gothic, SimSun, ...); here those
  # names stand for the CJK font of Debian's fonts-wqy-microhei.
  if [ ! -f "$WINEPREFIX/.velindra-cjk-fonts" ]; then
    local face
    for face in "MS UI Gothic" "PMingLiU" "SimSun" "Gulim" "Yu Gothic UI" "Microsoft YaHei UI"; do
      "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
              /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    touch "$WINEPREFIX/.velindra-cjk-fonts"
  fi
  # Wine links bold Tahoma (the calendars' month band) to no CJK font of its
  # own: the same font stands in, so that bold Chinese and Japanese show.
  if [ ! -f "$WINEPREFIX/.velindra-cjk-bold" ]; then
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "Tahoma Bold" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    touch "$WINEPREFIX/.velindra-cjk-bold"
  fi
  # Start the server and Wine's helpers outside of CTest, detached from our pipes.
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null || true # already running: fine
  "$WINE" wineboot >/dev/null 2>&1 </dev/null || true
}

stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1 || true
}

cleanup() {
  stop_wine
  stop_display
}

# Stops Wine and the private display however the script ends (Ctrl+C too).
cleanup_on_exit() {
  trap cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}
