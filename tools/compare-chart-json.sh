#!/usr/bin/env bash
# Runs two builds of amsaview-chart on the same random births and reports any
# difference in their output, byte for byte (status 1 when any differs).
#   tools/compare-chart-json.sh OLD_EXECUTABLE NEW_EXECUTABLE [COUNT] [SEED]
set -euo pipefail
old=$1 new=$2 count=${3:-300}
RANDOM=${4:-16}
places=("" "Pune" "New Delhi, \"NCR\"" $'Tab\there' $'Bell\x07 and \x1f' "Zürich" 'Back\slash' "São Paulo")
differ=0
for ((i = 0; i < count; i++)); do
    # The name box takes letters only: the count is spelt in letters.
    args=(--name "PERSON $(tr 0-9 A-J <<<"$i")"
          --date "$(printf '%04d-%02d-%02d' $((1901 + RANDOM % 150)) $((1 + RANDOM % 12)) $((1 + RANDOM % 28)))"
          --time "$(printf '%d:%02d' $((RANDOM % 24)) $((RANDOM % 60)))"
          --lon "$((RANDOM % 180))$( ((RANDOM % 2)) && echo E || echo W)$((RANDOM % 60))"
          --lat "$((RANDOM % 90))$( ((RANDOM % 2)) && echo N || echo S)$((RANDOM % 60))"
          --zone $((RANDOM % 71))
          --city "${places[RANDOM % ${#places[@]}]}" --country "${places[RANDOM % ${#places[@]}]}")
    if ((RANDOM % 2)); then args+=(--dst); fi
    set +e
    oldOut=$("$old" "${args[@]}" 2>&1; echo "status $?")
    newOut=$("$new" "${args[@]}" 2>&1; echo "status $?")
    set -e
    if [[ "$oldOut" != "$newOut" ]]; then
        differ=$((differ + 1))
        echo "differs: ${args[*]}"
        diff <(echo "$oldOut") <(echo "$newOut") | head -5
    fi
done
echo "$count births, $differ differ"
((differ == 0))
