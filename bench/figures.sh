#!/bin/bash
# Prints the game's performance figures on this machine: start-up time to the first frame, frame pacing,
# ticks per second and processor use in the menu, peak memory while a level is played (all from the real
# main loop under Xvfb with Mesa's software renderer), and the world step's cost per particle-body pair.
#   bench/figures.sh BUILD_DIR     (a build configured with -DLUMORA_BENCHMARKS=ON)
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
data=$(cd "$(dirname "$0")/../data" && pwd)
cmake --build "$build" --target game_figures world_step_benchmark >/dev/null

/usr/bin/python3 - "$build/bench/game_figures" "$data" <<'PY'
import os, subprocess, sys, time
figures, data = sys.argv[1], sys.argv[2]
environment = dict(os.environ, LUMORA_FULLSCREEN="no", SDL_AUDIODRIVER="dummy")
# xvfb-run's own start is not the game's: the launch is timed from inside the X session.
command = ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "/usr/bin/python3", "-c",
           "import subprocess, sys, time; t = time.monotonic() * 1000; "
           "out = subprocess.run([sys.argv[1]], capture_output=True, text=True).stdout; "
           "print(f'launched_at_ms {t:.3f}'); print(out)", figures]
result = subprocess.run(command, cwd=data, env=environment, capture_output=True, text=True, check=True)
values = dict(line.split() for line in result.stdout.splitlines() if len(line.split()) == 2)
start_up = float(values["first_frame_at_ms"]) - float(values["launched_at_ms"])
print(f"start-up to first frame:   {start_up:.0f} ms")
print(f"menu frame interval:       p50 {values['frame_p50_ms']} ms, p99 {values['frame_p99_ms']} ms "
      f"({values['menu_frames']} frames)")
print(f"ticks per second:          {values['ticks_per_second']}")
print(f"processor use in the menu: {values['cpu_percent_of_a_core']} % of one core")
print(f"processor use in play:     {values['play_cpu_percent_of_a_core']} % of one core (level 1, two hearts)")
print(f"peak resident memory:      {int(values['peak_resident_kb']) / 1024:.1f} MiB (after a level played)")
PY

"$build/bench/world_step_benchmark" --benchmark_format=console 2>/dev/null | grep -E 'Benchmark|--|worldStep'
