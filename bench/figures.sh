#!/bin/bash
# Prints the game's performance figures on this machine: start-up time to the first frame, frame pacing,
# ticks per second and processor use in the menu, in play and with the window hidden, peak memory while a
# level is played (all from the real main loop under Xvfb with Mesa's software renderer), and the world
# step's cost per particle-body pair.
#   bench/figures.sh BUILD_DIR [BASELINE]
# BUILD_DIR is a build configured with -DLUMORA_BENCHMARKS=ON. With BASELINE (a revision, such as main),
# that revision is built in a temporary worktree with this checkout's bench/ folder, so that both are
# measured by the same programs, and its figures are printed beside the build's, taken in the same run.
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR [BASELINE]}" && pwd)
baseline=${2:-}
bench=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$bench/../data" && pwd)
cmake --build "$build" --target game_figures world_step_benchmark >/dev/null

columns=("$build")
if [ -n "$baseline" ]; then
    scratch=$(mktemp -d /tmp/lumora-baseline-XXXXXX)
    trap 'git -C "$bench" worktree remove --force "$scratch/source" >/dev/null 2>&1; rm -rf "$scratch"' EXIT
    git -C "$bench" worktree add --detach "$scratch/source" "$baseline" >/dev/null 2>&1
    rm -rf "$scratch/source/bench"
    cp -r "$bench" "$scratch/source/bench"
    cmake -S "$scratch/source" -B "$scratch/build" -DCMAKE_BUILD_TYPE=Release -DLUMORA_BENCHMARKS=ON >/dev/null
    cmake --build "$scratch/build" -j2 --target game_figures world_step_benchmark >/dev/null
    columns=("$scratch/build" "$build")
fi

/usr/bin/python3 - "$data" "$baseline" "${columns[@]}" <<'PY'
import csv, io, os, subprocess, sys
data, baseline, builds = sys.argv[1], sys.argv[2], sys.argv[3:]
environment = dict(os.environ, LUMORA_FULLSCREEN="no", SDL_AUDIODRIVER="dummy")

def figures(build):
    # xvfb-run's own start is not the game's: the launch is timed from inside the X session.
    command = ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "/usr/bin/python3", "-c",
               "import subprocess, sys, time; t = time.monotonic() * 1000; "
               "out = subprocess.run([sys.argv[1]], capture_output=True, text=True).stdout; "
               "print(f'launched_at_ms {t:.3f}'); print(out)", build + "/bench/game_figures"]
    result = subprocess.run(command, cwd=data, env=environment, capture_output=True, text=True, check=True)
    v = dict(line.split() for line in result.stdout.splitlines() if len(line.split()) == 2)
    step = subprocess.run([build + "/bench/world_step_benchmark", "--benchmark_format=csv"],
                          capture_output=True, text=True).stdout
    rows = [row for row in csv.DictReader(io.StringIO(step[step.index("name,"):])) if "worldStep" in row["name"]]
    return {
        "start-up to first frame": f"{float(v['first_frame_at_ms']) - float(v['launched_at_ms']):.0f} ms",
        "menu frame interval p50 / p99": f"{v['frame_p50_ms']} / {v['frame_p99_ms']} ms",
        "ticks per second (menu)": v["ticks_per_second"],
        "processor use in the menu": f"{v['cpu_percent_of_a_core']} % of a core",
        "processor use in play (level 1)": f"{v['play_cpu_percent_of_a_core']} % of a core",
        "processor use, window hidden in play": f"{v.get('hidden_cpu_percent_of_a_core', '?')} % of a core",
        "peak resident memory": f"{int(v['peak_resident_kb']) / 1024:.1f} MiB",
        "world step, per particle-body pair": f"{float(rows[0]['time_per_pair']) * 1e9:.2f} ns",
    }

measured = [figures(build) for build in builds]
names = (["baseline " + baseline] if baseline else []) + ["this build"]
print(f"{'figure':40}" + "".join(f"{name:>24}" for name in names))
for key in measured[-1]:
    print(f"{key:40}" + "".join(f"{m[key]:>24}" for m in measured))
PY
