#!/usr/bin/env python3
"""Every bundled exercise and every exercise of the tests written back through
`quorvel-inspect exercise FILE --rewrite OUT`: OUT holds the same records in
the same order (`quorvel-inspect records`), OUT beside FILE reads as the same
exercise (its media names stay relative to its folder), and OUT written again
comes back byte for byte.

Usage: reescriptura.py BIN_DIR SOURCE_DIR"""
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile

bin_dir, src = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
eina = f"{bin_dir}/quorvel-inspect"


def inspeccionar(*args):
    r = subprocess.run([eina, *args], capture_output=True, timeout=60)
    if r.returncode != 0:
        raise RuntimeError(f"{args}: exit {r.returncode}: {r.stderr.decode()}")
    return r.stdout


def exercici(cami):
    d = json.loads(inspeccionar("exercise", cami, "--botons", "16"))
    carpeta = d.pop("carpeta_exercici")
    d.pop("fitxer_exercici")
    return json.loads(json.dumps(d).replace(json.dumps(carpeta)[1:-1], "CARPETA/"))


fitxers = sorted(glob.glob(f"{bin_dir}/exercicis/**/*.brd", recursive=True)
                 + glob.glob(f"{bin_dir}/*.brd")
                 + glob.glob(f"{src}/tests/data/**/*.brd", recursive=True)
                 + glob.glob(f"{src}/fuzz/corpus/exercici/*.brd"))
assert len(fitxers) > 20, fitxers
errors = []
with tempfile.TemporaryDirectory() as tmp:
    for i, fitxer in enumerate(fitxers):
        carpeta = os.path.join(tmp, str(i))
        shutil.copytree(os.path.dirname(fitxer), carpeta)
        copia = os.path.join(carpeta, os.path.basename(fitxer))
        sortida = os.path.join(carpeta, "reescrit.brd")
        inspeccionar("exercise", copia, "--rewrite", sortida)
        if inspeccionar("records", copia) != inspeccionar("records", sortida):
            errors.append(f"{fitxer}: the records differ")
        elif exercici(copia) != exercici(sortida):
            errors.append(f"{fitxer}: reads as another exercise")
        segona = os.path.join(tmp, "segona.brd")
        inspeccionar("exercise", sortida, "--rewrite", segona)
        if open(sortida, "rb").read() != open(segona, "rb").read():
            errors.append(f"{fitxer}: written again, the bytes differ")
print(f"{len(fitxers)} files written back")
if errors:
    print("\n".join(errors))
    sys.exit(1)
