#!/usr/bin/env bash
# Fails when a folder under src/ includes a folder it may not, or when a tracked source file is
# not formatted. Run from anywhere; `make check` and `make test` run it.
set -euo pipefail

# What each folder may include besides itself, low layers first. "qt" is the top layer: the
# folders below and every ui/ subfolder, which may include each other and everything else.
qt_folders="app editor"
declare -A allowed=(
    [base]=""
    [model]="base"
    [settings]="base model"
    [text]="base model"
    [wav]="base model"
    [session]="base model settings text wav"
    [io]="base model settings text wav session"
    [ops]="base model settings text wav session"
    [map]="base model settings text wav session"
    [edit]="base model settings text wav session io ops map"
    [qt]="base model settings text wav session io ops map edit"
)

cd "$(dirname "$0")/.."

# The layer of a path relative to src/ ("settings/ui/pref_form.h" is qt).
layer_of() {
    local path=$1 top=${1%%/*}
    if [[ /$path/ == */ui/* || " $qt_folders " == *" $top "* ]]; then
        echo qt
    else
        echo "$top"
    fi
}

failed=0
fail() {
    echo "check_layers: $*" >&2
    failed=1
}

while IFS= read -r file; do
    from=$(layer_of "${file#src/}")
    if [[ -z ${allowed[$from]+set} ]]; then
        fail "$file: folder '$from' is not in the layer table of tools/check_layers.sh"
        continue
    fi
    while IFS= read -r include; do
        if [[ $include == \<* ]]; then
            # Qt headers are named <QThing> or <QtModule/...>.
            if [[ $from != qt && $include =~ ^\<Q[A-Za-z] ]]; then
                fail "$file: $include is a Qt header; only app, editor and ui/ folders may use Qt"
            fi
            continue
        fi
        [[ $include == */* ]] || continue
        to=$(layer_of "$include")
        if [[ $to != "$from" && " ${allowed[$from]} " != *" $to "* ]]; then
            fail "$file: #include \"$include\" is forbidden: $from may include only" \
                 "${allowed[$from]:-itself}"
        fi
    done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*("([^"]+)"|(<[^>]+>)).*/\2\3/p' \
                 "$file")
done < <(find src -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
    fail "files above are not formatted; run 'make format'"
fi

if ((failed)); then
    exit 1
fi
echo "check_layers: folder includes and formatting are in order"
