#!/usr/bin/env bash
# Writes PNG pictures of the editor's main window on each page and of each dialog, with a
# sample mission open, so the program can be looked at without a desktop.
# Usage: tools/screenshots.sh EDITOR OUTPUT_DIRECTORY
set -euo pipefail

editor=${1:?editor executable}
out=${2:?output directory}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# A settings file of its own, so the pictures do not depend on the user's.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/Vorlan" "$config/editor"
printf '[Directories]\nMissions=%s\nXWA=%s\nVorlan=%s\n' "$out" "$out" "$config/editor" \
    > "$config/Vorlan/Vorlan.ini"

XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
    "$editor" --screenshots "$out" 2> >(grep -v 'propagateSizeHints' >&2)
