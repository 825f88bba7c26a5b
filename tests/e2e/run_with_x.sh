#!/usr/bin/env bash
# Runs a Windows test program under Wine and serves its requests for what only the X
# side can do: holding modifier keys (Wine takes them from the X events of the mouse)
# and screenshots. Requests arrive as files "reqN.req" in E2E_X_REQUESTS; each is answered
# with "reqN.ack". Usage: run_with_x.sh WINE PROGRAM.exe [ARGS...]  (WINE: the loader wrapper)
set -u
wine=$1; shift
dir=$(mktemp -d)
trap 'rm -rf "$dir"; xdotool keyup ctrl shift alt >/dev/null 2>&1 || true' EXIT
export E2E_X_REQUESTS=$("$wine" winepath -w "$dir" 2>/dev/null)
timeout 280 "$wine" "$@" &
pid=$!
while kill -0 "$pid" 2>/dev/null; do
  for req in "$dir"/*.req; do
    [ -e "$req" ] || continue
    read -r action arg < "$req"
    arg=${arg%$'\r'}
    case "$action" in
      keydown|keyup) xdotool "$action" "$arg" ;;
      shot) import -window root "$("$wine" winepath -u "$arg" 2>/dev/null)" ;;
    esac
    touch "${req%.req}.ack"
    rm -f "$req"
  done
  sleep 0.02
done
wait "$pid"
