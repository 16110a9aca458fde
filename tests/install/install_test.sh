#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there: exactly the
# files of installed-files.txt, programs that answer --help, a valid desktop entry whose program,
# icon and file type are installed, a file type the MIME database accepts, icons of their
# folder's size and manual pages that cover every command and edit operation.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The tree: nothing missing, nothing extra.
(cd "$prefix" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort >"$work/files"
if ! diff -u "$here/installed-files.txt" "$work/files" >&2; then
    fail "the installed files differ from installed-files.txt (- expected, + installed)"
fi

# The programs answer without a display: with the X platform and no X server, opening a window
# would abort the editor.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "$@" 2>"$work/stderr"
}
for program in vorlan vorlan-cli; do
    if ! out=$(run "$prefix/bin/$program" --help) || [[ $out != "Usage: $program "* ]]; then
        fail "$program --help: $(head -c 300 "$work/stderr")"
    fi
done
cliHelp=$(run "$prefix/bin/vorlan-cli" --help)
if ! version=$(run "$prefix/bin/vorlan" --version) || [[ $version != "Vorlan "* ||
    $version == *$'\n'* ]]; then
    fail "vorlan --version printed '$version': $(head -c 300 "$work/stderr")"
fi
# A malformed option is refused, not a crash.
if run "$prefix/bin/vorlan" --sample-mission many "$work/sample.tie" >/dev/null ||
    [[ $? != 2 || -e $work/sample.tie ]]; then
    fail "vorlan --sample-mission many: $(head -c 300 "$work/stderr")"
fi

# The desktop entry, and what it names.
desktop=$prefix/share/applications/vorlan.desktop
if ! report=$(desktop-file-validate "$desktop" 2>&1) || [[ -n $report ]]; then
    fail "desktop-file-validate: $report"
fi
entry() { sed -n "s/^$1=//p" "$desktop"; }
[[ $(entry Exec) == "vorlan %f" ]] || fail "Exec is '$(entry Exec)'"
[[ $(entry GenericName) == "Mission Editor" ]] || fail "GenericName is '$(entry GenericName)'"
[[ -x $prefix/bin/$(entry Exec | cut -d' ' -f1) ]] || fail "Exec names no installed program"
icon=$(entry Icon)
[[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg &&
    -f $prefix/share/icons/hicolor/48x48/apps/$icon.png ]] || fail "no icon named '$icon'"

# The file type: the MIME database takes it, and mission files are what the editor opens.
mimeType=$(entry MimeType)
mimeType=${mimeType%;}
cp -r "$prefix/share/mime" "$work/mime"
XDG_DATA_HOME=$work XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>"$work/stderr" || true
if [[ ! -f $work/mime/$mimeType.xml ]]; then
    fail "update-mime-database did not take '$mimeType': $(cat "$work/stderr")"
fi
grep -qx "[0-9]*:$mimeType:\*\.tie" "$work/mime/globs2" || fail "*.tie is not '$mimeType'"
grep -q "<icon name=\"$icon\"/>" "$prefix/share/mime/packages/vorlan.xml" ||
    fail "mission files do not show the application's icon"

# Each PNG is as large as its folder says; the SVG is well-formed.
for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
    size=${png#"$prefix"/share/icons/hicolor/}
    size=${size%%x*}
    read -r -a header < <(od -An -tu1 -w24 -N24 "$png")
    width=$(((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19]))
    height=$(((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23]))
    if [[ ${header[1]} != 80 || $width != "$size" || $height != "$size" ]]; then
        fail "$png is not a ${size}x$size PNG"
    fi
done
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/vorlan.svg" || fail "the SVG icon"

# The manual pages format without warnings, and the tool's covers every command and operation
# its --help lists.
for page in "$prefix"/share/man/man1/*.1.gz; do
    if ! warnings=$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1) || [[ -n $warnings ]]; then
        fail "$(basename "$page"): $warnings"
    fi
done
zcat "$prefix/share/man/man1/vorlan-cli.1.gz" | groff -man -Tascii -P-c -P-b -P-o -P-u \
    2>/dev/null >"$work/manual"
# The entries of a section of the page: its lines indented by exactly seven spaces.
entries() { sed -n "/^$1\$/,/^[A-Z]/s/^       \([^ ].*\)/\1/p" "$work/manual"; }
# The words at the start of the lines that follow a heading of the help, up to a blank line.
helpWords() { sed -n "/^$1/,/^\$/s/^  \([a-z][a-z-]*\).*/\1/p" <<<"$cliHelp"; }
for check in "COMMANDS:Commands:" "EDIT OPERATIONS:Edit operations"; do
    section=${check%%:*}
    mapfile -t words < <(helpWords "${check#*:}")
    [[ ${#words[@]} -gt 0 ]] || fail "vorlan-cli --help lists nothing under '${check#*:}'"
    for word in "${words[@]}"; do
        entries "$section" | grep -q "^$word\( \|\$\)" ||
            fail "the manual page of vorlan-cli has no entry for '$word' under $section" \
                 "(docs/vorlan-cli.1.in)"
    done
done

if ((failed)); then
    exit 1
fi
echo "installed tree in order: $(wc -l <"$work/files") files"
