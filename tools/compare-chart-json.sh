#!/usr/bin/env bash
# Runs two builds of amsaview-chart on the same random births and reports any
# difference in their output, byte for byte (status 1 when any differs). Keys
# are only ever added: a key the old build does not write is named once and
# left out of the comparison; every key it does write must match byte for byte.
#   tools/compare-chart-json.sh OLD_EXECUTABLE NEW_EXECUTABLE [COUNT] [SEED]
set -euo pipefail

# The indented document's top-level members, keyed by name, each as its
# exact text without the comma that ends it, then "~" and what follows the
# object (the exit status); "-" and the whole text for output that is no object.
members() {
    python3 -c '
import re, sys
text = sys.stdin.read()
starts = [m.start() for m in re.finditer(r"^    \"", text, re.M)]
if not text.startswith("{\n") or not starts:
    print("-"); print(text); sys.exit()
for begin, end in zip(starts, starts[1:] + [text.rindex("\n}")]):
    member = text[begin:end].rstrip("\n").removesuffix(",")
    print(member.split("\"")[1] + "\t" + member.replace("\n", "\\n"))
print("~\t" + text[text.rindex("\n}"):].replace("\n", "\\n"))
'
}
declare -A added=()
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
    if [[ "$oldOut" == "$newOut" ]]; then continue; fi
    oldMembers=$(members <<<"$oldOut")
    newMembers=$(members <<<"$newOut")
    declare -A oldKeys=()
    while IFS=$'\t' read -r key _; do oldKeys[$key]=1; done <<<"$oldMembers"
    kept=""
    while IFS=$'\t' read -r key rest; do
        if [[ -n "${oldKeys[$key]:-}" || "$key" == "-" || "$key" == "~" ]]; then
            kept+="$key"$'\t'"$rest"$'\n'
        else
            added[$key]=1
        fi
    done <<<"$newMembers"
    unset oldKeys
    if [[ "$oldMembers"$'\n' != "$kept" ]]; then
        differ=$((differ + 1))
        echo "differs: ${args[*]}"
        # diff says 1 when the two differ, which is the point here.
        { diff <(echo "$oldMembers") <(echo -n "$kept") || true; } | head -5
    fi
done
if ((${#added[@]} > 0)); then echo "keys only the new build writes: ${!added[*]}"; fi
echo "$count births, $differ differ"
((differ == 0))
