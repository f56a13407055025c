#!/usr/bin/env bash
# Runs two builds of amsaview-chart over the same random births and compares
# their output byte for byte: standard output, standard error and status.
# Every zone row is used with and without daylight saving once COUNT >= 142;
# dates run 1901..2050, both hemispheres, east and west.
#
#   tools/compare-chart-json.sh OLD_TOOL NEW_TOOL [COUNT] [SEED]
set -euo pipefail

if [[ $# -lt 2 ]]; then
    echo "usage: $0 OLD_TOOL NEW_TOOL [COUNT] [SEED]" >&2
    exit 2
fi
old=$1
new=$2
count=${3:-400}
RANDOM=${4:-1947}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The two year bounds and the two hemispheres' corners come first.
fixed=(
    "--date 1901-01-01 --time 00:00 --lon 0E0 --lat 0N0 --zone 0"
    "--date 2050-12-31 --time 23:59 --lon 179W59 --lat 89S59 --zone 70 --dst"
    "--date 1947-08-15 --time 00:00 --lon 77E12 --lat 28N36 --zone 34"
)

differ=0
for ((i = 0; i < count; ++i)); do
    if ((i < ${#fixed[@]})); then
        args=${fixed[i]}
    else
        row=$((i % 71))
        dst=$(((i / 71) % 2))
        args="--date $((1901 + RANDOM % 150))-$(printf %02d $((1 + RANDOM % 12)))-$(printf %02d $((1 + RANDOM % 28)))"
        args+=" --time $((RANDOM % 24)):$(printf %02d $((RANDOM % 60)))"
        args+=" --lon $((RANDOM % 180))$( ((RANDOM % 2)) && echo E || echo W)$((RANDOM % 60))"
        args+=" --lat $((RANDOM % 90))$( ((RANDOM % 2)) && echo N || echo S)$((RANDOM % 60))"
        args+=" --zone $row"
        ((dst)) && args+=" --dst"
    fi
    # shellcheck disable=SC2086  # the arguments are split on purpose
    for tool in old new; do
        binary=${!tool}
        set +e
        "$binary" --name "BIRTH $i" --city Town --state State --country Land $args \
            >"$work/$tool.out" 2>"$work/$tool.err"
        echo $? >"$work/$tool.status"
        set -e
    done
    if ! cmp -s "$work/old.out" "$work/new.out" || ! cmp -s "$work/old.err" "$work/new.err" ||
        ! cmp -s "$work/old.status" "$work/new.status"; then
        ((++differ))
        echo "differs: $args" >&2
        diff "$work/old.out" "$work/new.out" | head -20 >&2 || true
    fi
done

echo "$count births compared, $((count - differ)) identical, $differ different"
((differ == 0))
