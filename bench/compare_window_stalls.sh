#!/bin/sh
# The window's stalls before and after a change, in one run on the same machine: runs a
# bench_window built from the earlier code and one built from this, turn about, `rounds` times
# each, and prints each run's figures with the load average (/proc/loadavg) as it starts. The
# machine's load moves while they run: compare the figures of runs taken at a similar load.
#   compare_window_stalls.sh <bench_window before> <bench_window after> [rounds]
set -eu
before=$1
after=$2
rounds=${3:-3}
export QT_QPA_PLATFORM=offscreen
i=1
while [ "$i" -le "$rounds" ]; do
    for which in before after; do
        if [ "$which" = before ]; then program=$before; else program=$after; fi
        echo "== $which, round $i, load $(cut -d' ' -f1-3 /proc/loadavg)"
        "$program" --quick 2>/dev/null |
            grep -E '^(opening|its card|dealt)|longest still [0-9.]+ ms:' |
            tail -6
    done
    i=$((i + 1))
done
