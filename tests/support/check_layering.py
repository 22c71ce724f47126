"""Fails, naming what is wrong, unless the layers hold as src/layers.txt lists them: the README's table says
what the list says, and the build refuses every include the list does not allow. Each layer's own compile
command, taken from the build's compile_commands.json, preprocesses a file that includes one header of every
other layer (and every single header the list names); exactly the headers the list allows must be found.
usage: check_layering.py SOURCE_DIR BUILD_DIR"""
import json
import pathlib
import shlex
import subprocess
import sys
import tempfile

source, build = (pathlib.Path(folder) for folder in sys.argv[1:3])
layers = {}
for line in (source / "src/layers.txt").read_text().splitlines():
    if line and not line.startswith("#"):
        owners, entries = line.split(":")
        layers.update((owner, entries.split()) for owner in owners.split())
folders = [key for key in layers if "/" not in key and "." not in key]
problems = []

# The README's table, row for row.
readme = (source / "README.md").read_text().splitlines()
heading = readme.index("| Code | May include, besides itself |") if "| Code | May include, besides itself |" in readme else 0
table = [row for row in readme[heading + 2 :] if row.startswith("|")][: len(layers)] if heading else []
wanted = [f"| `{key if key.startswith('tools/') else 'src/' + key}` | "
          + (", ".join(f"`{entry}`" if "/" in entry else entry for entry in entries) or "nothing of ours") + " |"
          for key, entries in layers.items()]
if table != wanted:
    problems.append("the README's layer table is not src/layers.txt:\n  " + "\n  ".join(wanted))

# One compile command per key: a source of that folder, that single source, main.cpp, or the level tool.
commands = {}
for entry in json.loads((build / "compile_commands.json").read_text()):
    path = pathlib.Path(entry["file"]).resolve().relative_to(source.resolve()).as_posix()
    key = path[len("src/"):] if path[len("src/"):] in layers else path.rsplit("/", 1)[0].removeprefix("src/")
    commands.setdefault(key, shlex.split(entry["command"]))
probes = sorted({f"{folder}/{next(iter(sorted((source / 'src' / folder).glob('*.h')))).name}" for folder in folders}
                | {entry for entries in layers.values() for entry in entries if "/" in entry})
with tempfile.TemporaryDirectory() as scratch:
    for key, entries in layers.items():
        if key not in commands:
            problems.append(f"no compile command of {key} in the build")
            continue
        own = key.split("/")[0]
        for header in probes:
            allowed = header.split("/")[0] in [own, *entries] or header in entries
            probe = pathlib.Path(scratch, "probe.cpp")
            probe.write_text(f'#include "{header}"\n')
            command = commands[key]
            command = [command[0], "-E", "-o", "/dev/null", *(word for index, word in enumerate(command[1:], 1)
                       if word not in ("-c", "-o") and command[index - 1] not in ("-c", "-o")), str(probe)]
            result = subprocess.run(command, cwd=build, capture_output=True, text=True)
            refused = f'{header}: No such file' in result.stderr or f"{header}' file not found" in result.stderr
            if refused == allowed:
                problems.append(f"{key} {'may' if allowed else 'may not'} include {header}, yet the build "
                                f"{'refuses' if refused else 'finds'} it")
print("\n".join(problems) if problems else f"the build keeps {len(layers)} parts of the code to their layers")
sys.exit(1 if problems else 0)
