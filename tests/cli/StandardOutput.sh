#!/usr/bin/env bash
# The picture written to standard output as a shell user writes it: into a pipe, appended to a
# file, through /dev/stdout, and onto a full device, whose reason must reach the user.
set -uo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
symbol=(--type EAN-8 --data 96385074 --format png)
png=$'\x89PNG'
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# name, output option; the picture goes through a pipe
for output in - /dev/stdout /dev/fd/1 /proc/self/fd/1; do
    head="$("$program" "${symbol[@]}" -o "$output" | head -c 4)"
    [ "$head" = "$png" ] || fail "-o $output into a pipe gave '$head'"
done

# Appended to a file: what was there stays in front of the picture.
for output in - /dev/stdout; do
    printf 'earlier\n' > "$work/log"
    "$program" "${symbol[@]}" -o "$output" >> "$work/log" || fail "-o $output >> log: status $?"
    [ "$(head -c 12 "$work/log")" = $'earlier\n\x89PNG' ] || fail "-o $output >> log lost its start"
done

# A full device: status 2 and the system's reason.
for output in - /dev/stdout; do
    err="$("$program" "${symbol[@]}" -o "$output" 2>&1 > /dev/full)"
    status=$?
    [ "$status" = 2 ] || fail "-o $output > /dev/full: status $status"
    case "$err" in *"No space left on device"*) ;; *) fail "-o $output > /dev/full said: $err" ;; esac
done
[ -c /dev/full ] || fail "/dev/full is no longer a device"

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
