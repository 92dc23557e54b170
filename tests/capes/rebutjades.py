#!/usr/bin/env python3
"""An upward include at the top of an engine file is rejected twice: by the
layer check and by the compiler, which reads an engine file through the
engine's own include tree. The untouched file passes both, so each rejection
is the include's doing.

Usage: rebutjades.py BUILD_DIR SOURCE_DIR
"""
import json
import os
import shlex
import shutil
import subprocess
import sys
import tempfile

LINIES = [
    '#include "platform/qt/vista_escenari.h"',
    '  #  include "app/sessio.h"',
    "#include <app/sessio.h>",
]
CARPETES = ["platform", "core", "i18n", "content", "stage", "joystick", "board", "engine", "app"]


def ordre_engine(build, font):
    """The compile command of the smallest engine source (to keep the test
    short), without its source and outputs."""
    with open(os.path.join(build, "compile_commands.json")) as f:
        entrades = json.load(f)
    engine = [e for e in entrades if os.path.relpath(e["file"], font).startswith("engine" + os.sep)]
    entrada = min(engine, key=lambda e: os.path.getsize(e["file"]))
    args = entrada.get("arguments") or shlex.split(entrada["command"])
    # Drops the object, the dependency file and the source (-c SOURCE).
    ordre, salta = [], False
    for a in args:
        if salta:
            salta = False
        elif a in ("-o", "-MF", "-MT", "-MQ", "-c"):
            salta = True
        elif a not in ("-MD", "-MMD"):
            ordre.append(a)
    # Preprocessing is enough: an include the tree lacks stops it.
    ordre += ["-E", "-o", os.devnull]
    return entrada["directory"], ordre, os.path.relpath(entrada["file"], font)


def main():
    build, font = sys.argv[1], os.path.realpath(sys.argv[2])
    directori, ordre, relatiu = ordre_engine(build, font)
    with open(os.path.join(font, relatiu)) as f:
        original = f.read()
    fallades = []
    with tempfile.TemporaryDirectory() as tmp:
        for c in CARPETES:
            shutil.copytree(os.path.join(font, c), os.path.join(tmp, c))
        copia = os.path.join(tmp, relatiu)
        for linia in [None] + LINIES:
            with open(copia, "w") as f:
                f.write((linia + "\n" if linia else "") + original)
            check = subprocess.run(
                ["sh", os.path.join(font, "scripts", "check-layers.sh"), tmp],
                capture_output=True, text=True,
            )
            compila = subprocess.run(
                ordre + [copia], cwd=directori, capture_output=True, text=True,
                env=dict(os.environ, LC_ALL="C"),
            )
            if linia is None:
                if check.returncode != 0 or compila.returncode != 0:
                    fallades.append(f"{relatiu} untouched is rejected:\n{check.stdout}{compila.stderr}")
                continue
            if check.returncode == 0 or f"{relatiu}:1:" not in check.stdout:
                fallades.append(f"the layer check passes {linia!r} in {relatiu}")
            capcalera = linia.split('"')[1] if '"' in linia else linia.split("<")[1].rstrip(">")
            # Not found (as GCC or Clang says it), rather than found and
            # failing on what it holds.
            no_trobat = (f"{capcalera}: No such file", f"'{capcalera}' file not found")
            if compila.returncode == 0 or not any(m in compila.stderr for m in no_trobat):
                fallades.append(f"the engine compiles with {linia!r}:\n{compila.stderr}")
    for f in fallades:
        print(f)
    return 1 if fallades else 0


if __name__ == "__main__":
    sys.exit(main())
