#!/usr/bin/env python3
"""The results log through the authors' dry run, and `quorvel-inspect results`
as a black box: the rows a scripted run with two players writes (times from
the simulated clock, names from the settings, titles and names quoted), a log
that cannot be written, and the summary of a log of several days.

Usage: results.py BIN_DIR SOURCE_DIR"""
import csv
import datetime
import io
import json
import os
import subprocess
import sys
import tempfile

bin_dir, src = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
eina = f"{bin_dir}/quorvel-inspect"
exercici = f"{src}/tests/data/play/resultats.brd"
fallades = 0


def falla(text):
    global fallades
    print(f"FAIL {text}")
    fallades += 1


def program_folder(carpeta, noms):
    """The build's program folder, with settings that name the players."""
    for nom in os.listdir(bin_dir):
        if nom != "quorvel.ini":
            os.symlink(f"{bin_dir}/{nom}", f"{carpeta}/{nom}")
    with open(f"{carpeta}/quorvel.ini", "w", encoding="cp1252", newline="\r\n") as f:
        f.write("[inici]\nclolumnes=4\n[Jugadors]\n")
        for pad, nom in noms.items():
            f.write(f"{pad}={nom}\n")


def play(programa, log, script):
    return subprocess.run([eina, "play", exercici, "--simulate", "2x8", "--program", programa,
                           "--results", log], input=script.encode(), capture_output=True,
                          timeout=60)


with tempfile.TemporaryDirectory() as tmp:
    programa = f"{tmp}/programa"
    os.mkdir(programa)
    program_folder(programa, {1: 'Anna "la gran", R.', 2: "J\u00falia"})
    # Pad 1 has cells 1 to 8, pad 2 cells 9 to 16; cell 1 is right, 12 special.
    script = ("wait 1000\npress 2\nrelease 2\nwait 500\npress 1\nrelease 1\n"
              "wait 250\npress 9\nrelease 9\nwait 750\nanswer cancel\npress 12\n")
    abans = datetime.date.today().isoformat()
    log = f"{tmp}/logs/avui.csv"
    r = play(programa, log, script)
    despres = datetime.date.today().isoformat()
    if r.returncode != 0:
        falla(f"dry run with a log: exit {r.returncode} {r.stderr.decode()}")
    crus = open(log, "rb").read()
    if not crus.endswith(b"\r\n") or crus.count(b"\r\n") != 5:
        falla(f"the log is not five CR LF lines: {crus!r}")
    files = list(csv.reader(io.StringIO(crus.decode("utf-8"), newline="")))
    titol = "Troba, la B"
    anna, julia = 'Anna "la gran", R.', "J\u00falia"
    antiga = ["time", "exercise_file", "exercise_title", "question", "player", "player_name",
              "cell", "result", "ms_since_instruction", "ms_since_previous_press"]
    esperades = [
        antiga + ["source"],
        ["T10:00:01.000", exercici, titol, "1", "1", anna, "2", "wrong", "1000", "", "console"],
        ["T10:00:01.500", exercici, titol, "1", "1", anna, "1", "right", "1500", "500", "console"],
        ["T10:00:01.750", exercici, titol, "1", "2", julia, "9", "wrong", "1750", "", "console"],
        ["T10:00:02.500", exercici, titol, "1", "2", julia, "12", "final", "2500", "750",
         "console"],
    ]
    for i, (fila, esperada) in enumerate(zip(files, esperades)):
        if i > 0:
            dia, _, hora = fila[0].partition("T")
            if dia not in (abans, despres):
                falla(f"row {i}: date {dia}, not today")
            fila = ["T" + hora, *fila[1:]]
        if fila != esperada:
            falla(f"row {i}: {fila} instead of {esperada}")
    if '"Anna ""la gran"", R."' not in crus.decode() or '"Troba, la B"' not in crus.decode():
        falla("a title or a name with commas and quotes is not quoted")

    # A second run appends rows under the one header.
    play(programa, log, "wait 100\npress 1\n")
    if open(log, "rb").read().count(b"exercise_title") != 1:
        falla("a second run wrote the header again")

    # Each press says where it came from: the console, a pad, a scanning switch.
    fonts = f"{tmp}/fonts.csv"
    subprocess.run([eina, "play", exercici, "--simulate", "2x8", "--program", programa,
                    "--results", fonts, "--scan", "2:step"],
                   input=b"wait 100\npress 2\nrelease 2\nwait 400\nbutton 1 3 down\nwait 100\n"
                   b"button 1 3 up\nwait 400\nbutton 2 2 down\nbutton 2 2 up\nwait 200\n",
                   capture_output=True, timeout=60)
    vistes = [(f[6], f[10]) for f in csv.reader(open(fonts, encoding="utf-8", newline=""))][1:]
    if vistes != [("2", "console"), ("3", "pad"), ("9", "scanning")]:
        falla(f"the sources of the presses: {vistes}")

    # A log begun with the old header goes on with its ten columns.
    vell = f"{tmp}/vell.csv"
    with open(vell, "w", encoding="utf-8", newline="") as f:
        f.write(",".join(antiga) + "\r\n2026-03-01T10:00:01.000,/e.brd,T,1,1,Anna,1,right,900,\r\n")
    play(programa, vell, "wait 100\npress 1\n")
    files = list(csv.reader(open(vell, encoding="utf-8", newline="")))
    if files[0] != antiga or len(files) != 3 or any(len(f) != 10 for f in files):
        falla(f"appending to an old log: {files}")

    # Relative paths: opening the exercise moves the current folder, and the
    # log and the title stay found.
    os.symlink(f"{src}/tests/data/play", f"{tmp}/play")
    r = subprocess.run([eina, "play", "play/resultats.brd", "--simulate", "2x8", "--program",
                        programa, "--results", "relatiu.csv"], input=b"press 1\n",
                       capture_output=True, timeout=60, cwd=tmp)
    relatiu = f"{tmp}/relatiu.csv"
    if not os.path.exists(relatiu) or '"Troba, la B"' not in open(relatiu).read():
        falla(f"relative paths: {open(relatiu).read() if os.path.exists(relatiu) else 'no log'}")

    # A log that cannot be written: the exercise goes on all the same.
    open(f"{tmp}/fitxer", "w").close()
    r = play(programa, f"{tmp}/fitxer/log.csv", script)
    feedback = [json.loads(l).get("kind") for l in r.stdout.decode().splitlines()
                if '"feedback"' in l]
    if r.returncode != 0 or feedback != ["wrong", "right", "wrong", "final"]:
        falla(f"unwritable log: exit {r.returncode}, feedback {feedback}")

    # Several days: one log spanning two days, one more day in a second file.
    dies = f"{tmp}/dies.csv"
    with open(dies, "w", encoding="utf-8", newline="") as f:
        f.write(",".join(antiga) + "\r\n")
        f.write("2026-03-02T10:00:01.000,/e.brd,T,1,1,Anna,1,right,1000,\r\n")
        f.write("2026-03-02T10:00:02.000,/e.brd,T,1,1,Anna,2,wrong,2000,600\r\n")
        f.write("2026-03-03T10:00:01.000,/e.brd,T,1,1,Anna,1,right,800,\r\n")
        f.write("2026-03-03T10:00:01.000,/e.brd,T,1,2,,9,ignored,800,\r\n")
        f.write("nonsense\r\n")
    # Old logs of ten columns and new ones of eleven are read alike.
    r = subprocess.run([eina, "results", dies, log, vell], capture_output=True, timeout=60)
    if r.returncode != 0:
        falla(f"results: exit {r.returncode} {r.stderr.decode()}")
    else:
        resum = json.loads(r.stdout)
        per_dia = {s["date"]: s["players"] for s in resum["sessions"]}
        if resum["rows"] != 11 or resum["bad_rows"] != 1:
            falla(f"results counted {resum['rows']} rows, {resum['bad_rows']} bad")
        if list(per_dia)[:3] != ["2026-03-01", "2026-03-02", "2026-03-03"] or len(per_dia) != 4:
            falla(f"results days: {list(per_dia)}")
        primer = per_dia.get("2026-03-02", [{}])[0]
        if (primer.get("pad"), primer.get("name"), primer.get("presses"), primer.get("right"),
                primer.get("wrong"), primer.get("share_right"),
                primer.get("median_ms")) != (1, "Anna", 2, 1, 1, 0.5, 800.0):
            falla(f"results, first day: {primer}")
        segon = {j["pad"]: j for j in per_dia.get("2026-03-03", [])}
        if segon.get(2, {}).get("share_right", 0) is not None or segon[2]["presses"] != 1:
            falla(f"results, an ignored press only: {segon.get(2)}")
        total = {(j["pad"], j["name"]): j for j in resum["players"]}
        dry = total.get((1, anna), {})
        if (dry.get("presses"), dry.get("right"), dry.get("wrong")) != (4, 3, 1):
            falla(f"results of the dry run's player 1: {dry}")
    r = subprocess.run([eina, "results", f"{tmp}/cap.csv"], capture_output=True, timeout=60)
    if r.returncode == 0:
        falla("results on a missing file succeeded")

print(f"{'ok' if not fallades else 'failed'}: {fallades} failures")
sys.exit(1 if fallades else 0)
