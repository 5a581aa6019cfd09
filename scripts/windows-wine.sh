# Wine in a private prefix, and the CMake configuration and test run of the Windows builds;
# sourced after windows-common.sh.

export WINEPREFIX=${QUENTARA_WINEPREFIX:-$cache/wine-prefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and asking for them would stall the first start.
export WINEDLLOVERRIDES="mscoree,mshtml="

# One wineserver for the whole run: a fresh one for every test costs seconds each. Its input
# and output lead nowhere, because a wineserver holding ctest's or ninja's output pipe keeps
# them waiting for its end.
wine_start() {
    local started=$SECONDS
    [[ -d "$WINEPREFIX" ]] || echo "Creating the wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1 || true # already running for this prefix
    wine wineboot --init </dev/null >/dev/null 2>&1
    # A fresh prefix has no font files of its own: the window tests measure text with these.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    [[ -e "$fonts/DejaVuSans.ttf" ]] || cp /usr/share/fonts/truetype/dejavu/*.ttf "$fonts/"
    echo "Wine ready in $((SECONDS - started)) s"
}

wine_stop() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
}

# Starts a private Xvfb screen of the size $1 (WIDTHxHEIGHTxDEPTH) and a wineserver that
# draws on it; DISPLAY names it from then on. wine_screen_stop ends both.
wine_screen_start() {
    local display=:$((90 + RANDOM % 100))
    wine_stop
    Xvfb "$display" -screen 0 "$1" -nolisten tcp </dev/null >/dev/null 2>&1 &
    wine_xvfb=$!
    export DISPLAY=$display
    for _ in $(seq 100); do [[ -S /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.1; done
    wine_start
}

wine_screen_stop() {
    wine_stop
    [[ -z ${wine_xvfb:-} ]] || kill "$wine_xvfb" 2>/dev/null || true
    wine_xvfb=
}

# Configures a Windows build in $1; further arguments go to CMake.
windows_configure() {
    local build=$1
    shift
    # pkg-config would offer the host's libsodium, and knows nothing of a static one for
    # Windows: the cross-built one is named by path.
    cmake -S "$root" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_DISABLE_FIND_PACKAGE_PkgConfig=ON \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=ON \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
        -DCMAKE_FIND_ROOT_PATH="$sodium_prefix" \
        -DSODIUM_INCLUDE_DIR="$sodium_prefix/include" \
        -DSODIUM_LIBRARY="$sodium_prefix/lib/libsodium.a" \
        "$@" >/dev/null
}

# Runs each given test program of a Windows build whole under wine, once.
windows_run_whole() {
    local program log
    for program in "$@"; do
        log="${program%.exe}.log"
        if ! wine "$program" --gtest_brief=1 </dev/null >"$log" 2>&1 ||
            ! grep -q '^\[  PASSED  \]' "$log"; then
            cat "$log"
            echo "$(basename "$program") failed when run whole under wine" >&2
            return 1
        fi
        echo "$(basename "$program") run whole under wine: $(grep '^\[  PASSED  \]' "$log")"
    done
}

# Runs a Windows build's tests under wine: through ctest, then each test program given whole
# once. The window tests run whole only: one wine start for each would take minutes.
windows_ctest() {
    local build=$1 started=$SECONDS
    shift
    # Under load, wine now and then fails to start a program at all (no output, 0.00 s): such a
    # test gets one more try. A test that fails for itself fails twice; the whole runs below
    # get no second try.
    ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --repeat until-pass:2 \
        --label-exclude window </dev/null
    windows_run_whole "$@"
    echo "Windows tests of $(basename "$build") under wine: $((SECONDS - started)) s"
}
