#!/usr/bin/env bash
# The bash completion offers every option tallowmere-cli documents, and every
# value it offers is one tallowmere-cli accepts.
#   check_completion.sh <completion file> <tallowmere-cli>
set -u
completion=$1 cli=$2

# Stand-ins for the two bash-completion helpers the script uses.
_init_completion() {
    cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    words=("${COMP_WORDS[@]}") cword=$COMP_CWORD split=false
}
compopt() { :; }
# shellcheck source=/dev/null
source "$completion"

offered() {
    COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMPREPLY=()
    _tallowmere_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

fail=0
problem() { echo "$*"; fail=1; }

for command in schedule growth report goal; do
    offered tallowmere-cli "" | grep -qx "$command" || problem "the command $command is not offered"
    documented=$("$cli" "$command" --help | grep -o '^  --[a-z-]*' | sed 's/^  //' | sort)
    options=$(offered tallowmere-cli "$command" -- | sort)
    [ "$documented" = "$options" ] || problem "$command: options offered differ from --help:" \
        $'\n'"$(diff <(echo "$documented") <(echo "$options"))"
done

for option in --frequency --format --savings-step --rate-step --locale; do
    values=$(offered tallowmere-cli schedule "$option" "")
    [ -n "$values" ] || problem "no values offered for $option"
    for value in $values; do
        "$cli" schedule "$option" "$value" >/dev/null 2>&1 ||
            problem "tallowmere-cli refuses $option '$value'"
    done
done
# A month is completed as the shell will read it with the year typed after it:
# one word, "Mon YYYY", whether the user opened a quote or not.
for option in --first --last; do
    for typed in "" J "'J" '"J'; do
        months=0
        while IFS= read -r candidate; do
            [ -n "$candidate" ] || continue
            months=$((months + 1))
            closing=${typed:0:1}
            case $closing in \' | \") ;; *) closing= ;; esac
            eval "set -- ${candidate}2000$closing"
            [ $# -eq 1 ] || problem "$option '$candidate' then a year makes $# words"
            "$cli" schedule "$option" "$1" >/dev/null 2>&1 ||
                problem "tallowmere-cli refuses $option '$1'"
        done < <(offered tallowmere-cli schedule "$option" "$typed")
        expected=12
        [ -z "${typed#[\'\"]}" ] || expected=3
        [ $months -eq $expected ] || problem "$option '$typed': $months months offered"
    done
done
# Every quantity offered is one the goal command solves for (4: this goal is
# out of reach, which is no refusal of the value).
for value in $(offered tallowmere-cli goal --solve ""); do
    "$cli" goal --target 1 --solve "$value" >/dev/null 2>&1
    status=$?
    [ $status -eq 0 ] || [ $status -eq 4 ] || problem "tallowmere-cli refuses --solve '$value'"
done
[ -n "$(offered tallowmere-cli goal --solve "")" ] || problem "no values offered for --solve"
exit $fail
