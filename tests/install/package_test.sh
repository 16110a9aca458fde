#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks it: its version, dependencies on
# the Qt 6 runtime packages, and contents (installed-files.txt under /usr).
# The tree is installed and stripped here, as `make package` has CPack do: CPack's own install
# first brings the build up to date, which a test must not do.
# Usage: package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

cmake --install "$build" --prefix "$work/stage/usr" --strip >/dev/null
if ! cpack --config "$build/CPackConfig.cmake" -B "$work" -D CPACK_INSTALL_CMAKE_PROJECTS= \
    -D "CPACK_INSTALLED_DIRECTORIES=$work/stage;." >"$work/log" 2>&1; then
    cat "$work/log" >&2
    exit 1
fi
debs=("$work"/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { fail "cpack made no single .deb"; exit 1; }
deb=${debs[0]}

[[ $(dpkg-deb -f "$deb" Package) == vorlan ]] || fail "Package is '$(dpkg-deb -f "$deb" Package)'"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] ||
    fail "Version is '$(dpkg-deb -f "$deb" Version)', not $version"
depends=$(dpkg-deb -f "$deb" Depends)
# The package names, without versions or alternatives.
names=$(tr -s ',|' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -qx "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | LC_ALL=C sort \
    >"$work/files"
if ! diff -u "$here/installed-files.txt" "$work/files" >&2; then
    fail "the package's files differ from installed-files.txt (- expected, + packaged)"
fi

if ((failed)); then
    exit 1
fi
echo "package in order: $(basename "$deb"), $(stat -c %s "$deb") bytes, Depends: $depends"
