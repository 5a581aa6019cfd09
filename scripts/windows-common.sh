# Shared by scripts/test-windows and scripts/build-windows (sourced, not run).
# Everything cross-built from Debian's sources goes into a cache outside the repository.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${QUENTARA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quentara}
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
triple=x86_64-w64-mingw32
jobs=$(nproc 2>/dev/null || echo 2)

# Installs the Debian packages still missing (args: package names), beside the native build
# set: cross-building Qt takes its tools (moc, rcc) from the native Qt of the same version.
windows_install() {
    "$root/scripts/install-deps" build "$@"
}

as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

windows_enable_sources() {
    if grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    local mirror
    mirror=$(grep -rhs '^URIs:.*debian/\?$' /etc/apt/sources.list.d/ | head -1 | awk '{print $2}')
    [[ -n "$mirror" ]] ||
        mirror=$(grep -hs '^deb .*debian/\? ' /etc/apt/sources.list | head -1 | awk '{print $2}')
    mirror=${mirror:-http://deb.debian.org/debian}
    local suite
    suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
    echo "Adding a deb-src line for $mirror $suite (source packages are cross-built)"
    printf 'Types: deb-src\nURIs: %s\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$mirror" "$suite" "$suite" | as_root tee /etc/apt/sources.list.d/quentara-src.sources >/dev/null
    as_root apt-get update -q
}

# Unpacks Debian's source package $1 under $cache/src (once per version); prints its folder.
windows_source() {
    local name=$1 version folder
    version=$(apt-cache showsrc "$name" 2>/dev/null | awk '/^Version:/ {print $2; exit}')
    if [[ -z "$version" ]]; then
        windows_enable_sources >&2
        version=$(apt-cache showsrc "$name" | awk '/^Version:/ {print $2; exit}')
    fi
    local upstream=${version#*:}
    upstream=${upstream%-*}
    folder="$cache/src/$name-$upstream"
    if [[ ! -d "$folder" ]]; then
        mkdir -p "$cache/src"
        (cd "$cache/src" && apt-get source -q "$name=$version") >&2
    fi
    echo "$folder"
}

# Cross-builds libsodium (static) from Debian's source once per version; sets sodium_prefix.
windows_build_sodium() {
    windows_install dpkg-dev autoconf automake libtool make \
        gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix
    local source
    source=$(windows_source libsodium)
    sodium_prefix="$cache/$(basename "$source")-mingw-static"
    [[ -f "$sodium_prefix/.complete" ]] && return 0
    echo "Building $(basename "$source") for Windows once into $sodium_prefix"
    local build="$cache/build/$(basename "$source")-mingw"
    rm -rf "$build"
    mkdir -p "$build"
    cp -a "$source/." "$build/"
    # Debian's source carries no configure script; -s: no network for the build helpers.
    (
        cd "$build"
        [[ -x configure ]] || ./autogen.sh -s >/dev/null
        ./configure -q --host=$triple --prefix="$sodium_prefix" --disable-shared --enable-static \
            --disable-dependency-tracking CC=$triple-gcc-posix >/dev/null
        nice -n 5 make -s -j"$jobs" >/dev/null 2>&1 || make -j1
        make -s install >/dev/null
    )
    touch "$sodium_prefix/.complete"
}
