#!/bin/sh
# Writes a worksheet of N finished sentences (default 1000) to standard output, for the
# start-up benchmark: PARSELLA_BENCH_FILE=big.parsella parsella_startup_bench 30
n=${1:-1000}
printf '{\n  "format": "parsella-worksheet",\n  "version": 1,\n  "learner": "Bench",\n  "sentences": [\n'
i=0
while [ "$i" -lt "$n" ]; do
    case $((i % 4)) in
    0) s='{ "type": "statement", "brackets": "[S [NP [Pron she]] [VP [V walks] [AdvP [Adv here]]]]", "text": "She walks here." }' ;;
    1) s='{ "type": "statement", "brackets": "[S [NP [Pron they]] [VP [V walk]]]", "text": "They walk." }' ;;
    2) s='{ "type": "statement", "brackets": "[S [NP [Det the] [Adj small] [N dog]] [VP [V walks] [AdvP [Adv here]]]]", "text": "The small dog walks here." }' ;;
    3) s='{ "type": "command", "brackets": "[S [NP (you)] [VP [V be] [AdjP [AdvP [Adv extremely]] [Adj fast]]]]", "text": "Be extremely fast!" }' ;;
    esac
    i=$((i + 1))
    [ "$i" -lt "$n" ] && s="$s,"
    printf '    %s\n' "$s"
done
printf '  ],\n  "tasks": []\n}\n'
