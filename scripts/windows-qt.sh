# Builds Qt's qtbase for Windows (static, mingw-w64) from Debian's source, once; sourced.
# Sets qt_prefix. Debian's own Qt of the same version supplies the host tools (moc, rcc, uic).

qt_version=6.4.2
qt_prefix="$cache/qt-$qt_version-mingw-static"

windows_qt_ready() { [[ -f "$qt_prefix/.complete" ]]; }

windows_build_qt() {
    windows_qt_ready && return 0
    windows_install qt6-base-dev qt6-base-dev-tools cmake ninja-build dpkg-dev \
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    local host_version
    host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    if [[ "$host_version" != "$qt_version"* ]]; then
        echo "The host Qt is $host_version; the Windows build needs the host tools of Qt $qt_version" >&2
        return 1
    fi
    local source build
    source=$(windows_source qt6-base)
    # With OpenGL off Qt 6.4.2 keeps "dynamicgl", and the windows platform plugin then asks
    # the OpenGL context it no longer has whether it is a software one: guard that one use.
    sed -i '/static inline bool isSoftwareGl()/,/#endif/ s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
        "$source/src/plugins/platforms/windows/qwindowswindow.cpp"
    build="$cache/build/qt-$qt_version-mingw-static"
    echo "Building Qt $qt_version (qtbase, static) for Windows once into $qt_prefix:"
    echo "  about 56 CPU-minutes (some 30 minutes on 2 idle cores); later runs reuse it."
    # Off: everything the program does not use. tabletevent: Debian's source lacks wintab.h.
    # direct2d stays at its default: turned off, the windows platform plugin does not link.
    nice -n 15 cmake -S "$source" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DQT_GENERATE_SBOM=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF \
        -DFEATURE_vulkan=OFF -DFEATURE_openssl=OFF -DFEATURE_icu=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_sql_sqlite=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_freetype=ON \
        -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON
    local started=$SECONDS
    # Ninja's own status line ([done/total]) shows the progress.
    nice -n 15 cmake --build "$build" --parallel "$jobs"
    cmake --install "$build" >/dev/null
    touch "$qt_prefix/.complete"
    echo "Qt built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
}
