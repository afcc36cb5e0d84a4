#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tagwell and opens it, with the bundled printer
# simulator running as a printer to try. Extra arguments go to the simulator, for example
#   scripts/run.sh --model KV-510II
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Tagwell is a desktop program and needs a graphical display; none was found (DISPLAY is" >&2
    echo "not set). Run this from a desktop session, or under Xvfb: xvfb-run -a scripts/run.sh" >&2
    exit 2
fi

scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tagwell tagwell-printer-sim

# The simulator takes TCP port 9100 when it is free, else any free port.
port=9100
if (exec 3<>/dev/tcp/127.0.0.1/$port) 2>/dev/null; then
    port=0
fi
# Every label the simulator prints is written as a picture, unless asked otherwise.
labels=()
case " $* " in
    *" --label-folder "*) ;;
    *) labels=(--label-folder "$PWD/build/printed-labels") ;;
esac
sim_out=$(mktemp)
build/sim/tagwell-printer-sim --port "$port" "${labels[@]}" "$@" >"$sim_out" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null; wait $sim_pid 2>/dev/null; rm -f "$sim_out"' EXIT
for _ in $(seq 50); do
    [ -s "$sim_out" ] && grep -q . "$sim_out" && break
    sleep 0.1
done
sleep 0.2
echo "The printer simulator is running:"
sed 's/^/    /' "$sim_out"
echo "In Tagwell choose Ethernet with IP 127.0.0.1 and the port above, or Serial with the COM"
echo "port whose device is the simulator's link (shown under the COM Port list)."
if [ ${#labels[@]} -gt 0 ]; then
    echo "The labels it prints are written as PNG pictures into ${labels[1]}/."
fi
build/src/app/tagwell
