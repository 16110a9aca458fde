#!/usr/bin/env bash
# Writes a manual page: the template with its version and, with --fields-from, the fields of the
# set operations as the tool's --help lists them in place of @FIELDS@, so the page never names a
# field the tool does not take.
# Usage: make-manpage.sh TEMPLATE VERSION OUT [--fields-from VORLAN_CLI]
set -euo pipefail
template=$1 version=$2 out=$3 cli=
if [[ ${4:-} == --fields-from ]]; then
    cli=$5
fi

if [[ -z $cli ]]; then
    sed -e "s/@VERSION@/$version/" "$template" >"$out"
    exit 0
fi

help=$("$cli" --help)

# Each "Fields of ..." block: its heading paragraph (up to the line ending in a colon), then the
# entries "Name (what it takes)" separated by two or more spaces on indented lines. The entries
# become a list of one line each.
fields=$(awk '
    function roff(text) {
        gsub(/\\/, "\\e", text)
        gsub(/-/, "\\-", text)
        return text
    }
    /^Settings are read/ { exit }
    /^Fields of / { heading = ""; inHeading = 1; blocks++ }
    inHeading {
        heading = heading (heading == "" ? "" : " ") $0
        if ($0 ~ /:$/) {
            inHeading = 0
            print (inList ? ".PD\n" : "") ".PP\n" roff(heading) "\n.PD 0"
            inList = 1
        }
        next
    }
    blocks && /^  [^ ]/ {
        n = split(substr($0, 3), entries, /  +/)
        for (i = 1; i <= n; i++) {
            name = what = entries[i]
            sub(/ .*/, "", name)
            sub(/^[^ ]* \(/, "", what)
            sub(/\)$/, "", what)
            print ".TP 26\n.B " roff(name) "\n" roff(what)
            count++
        }
    }
    END {
        if (inList) print ".PD"
        if (!blocks || !count) exit 1
    }
' <<<"$help") || {
    echo "make-manpage.sh: no fields found in '$cli --help'" >&2
    exit 1
}

# The fields go in through a file: they contain backslashes, which sed replacements would eat.
fieldsFile=$(mktemp)
trap 'rm -f "$fieldsFile"' EXIT
printf '%s\n' "$fields" >"$fieldsFile"
sed -e "s/@VERSION@/$version/" -e "/^@FIELDS@\$/{r $fieldsFile" -e 'd}' "$template" >"$out"
