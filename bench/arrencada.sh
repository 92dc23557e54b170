#!/bin/sh
# Start-up time and idle load of the program on a headless X server.
#
# Start-up: from just before the process is started to the first paint of the
# console. The measured program is `arrencada_programa` from the benchmark
# build: the program itself, wired the same way, that writes the instant of
# the console's first paint to the file QUORVEL_BENCH_SHOWN names. Idle: share of one core the program uses over 10 s with no
# exercise running, from utime + stime in /proc/PID/stat.
#
# Usage: arrencada.sh BENCH_DIR [STARTS] [IDLE_RUNS]   (build/release/bench)
# Prints each measurement and the medians. Goals: < 400 ms, < 1 % of a core.
set -eu

bin=${1:?usage: arrencada.sh BENCH_DIR [STARTS] [IDLE_RUNS]}
arrencades=${2:-9}
repos=${3:-3}

if [ -z "${QUORVEL_XVFB_DINS:-}" ]; then
    QUORVEL_XVFB_DINS=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
tmp=$(mktemp -d)
pid=
aturar() {
    if [ -n "$pid" ]; then
        kill -TERM "$pid" 2>/dev/null || true
        sleep 0.2
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=
    fi
}
trap 'aturar; rm -rf "$tmp"' EXIT

mediana() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print v[int((NR + 1) / 2)] }'
}

# Starts the program and waits for its first paint; prints the milliseconds.
engegar() {
    rm -f "$tmp/mostrada"
    inici=$(date +%s%N)
    QUORVEL_BENCH_SHOWN="$tmp/mostrada" "$bin/arrencada_programa" >/dev/null 2>&1 &
    pid=$!
    intents=0
    while [ ! -s "$tmp/mostrada" ]; do
        if [ "$intents" -ge 2000 ] || ! kill -0 "$pid" 2>/dev/null; then
            echo "the window was not shown" >&2
            return 1
        fi
        sleep 0.01
        intents=$((intents + 1))
    done
    mostrada=$(cat "$tmp/mostrada")
    echo $(((mostrada - inici) / 1000000))
}

temps_cpu() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

tics=$(getconf CLK_TCK)

: >"$tmp/arrencades"
i=0
while [ "$i" -lt "$arrencades" ]; do
    ms=$(engegar)
    aturar
    echo "start-up $((i + 1)): $ms ms"
    echo "$ms" >>"$tmp/arrencades"
    i=$((i + 1))
done

: >"$tmp/repos"
i=0
while [ "$i" -lt "$repos" ]; do
    engegar >/dev/null
    sleep 2
    abans=$(temps_cpu "$pid")
    sleep 10
    despres=$(temps_cpu "$pid")
    aturar
    percent=$(awk -v a="$abans" -v d="$despres" -v t="$tics" 'BEGIN { printf "%.2f", (d - a) / t / 10 * 100 }')
    echo "idle $((i + 1)): $percent % of one core"
    echo "$percent" >>"$tmp/repos"
    i=$((i + 1))
done

echo "median start-up: $(mediana <"$tmp/arrencades") ms (goal < 400 ms)"
if [ "$repos" -gt 0 ]; then
    echo "median idle load: $(mediana <"$tmp/repos") % of one core (goal < 1 %)"
fi
