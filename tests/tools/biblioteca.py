#!/usr/bin/env python3
"""Every exercise of the bundled library, played through `quorvel-inspect play`
as a class would on the board its top comment names: one wrong press that gives
the wrong feedback and a right path to the final feedback. Types that have no
wrong feedback or no end by their nature say why in the table, and show the
reaction they do have instead. Each file is also linted on that board and must
give no finding.

The question a run draws depends on the seed; a case reads the drawn question
(the first `item` event) and presses what it asks, so a change of draw does not
break the case, while a change of what a question accepts does.

Usage: biblioteca.py BIN_DIR SOURCE_DIR"""
import json
import os
import subprocess
import sys

bin_dir, src = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
eina = f"{bin_dir}/quorvel-inspect"
biblioteca = f"{bin_dir}/exercicis"
COLUMNES = 4


def casella(lletra):
    return ord(lletra) - 65


def premer(*caselles):
    return "".join(f"press {k}\nrelease {k}\n" for k in caselles)


def fora_de(item, caselles=16):
    """A cell the question accepts nowhere."""
    usades = {casella(c) for camp in ("correctes", "especials", "sequencia") for c in item[camp]}
    return next(k for k in range(caselles, 0, -1) if k not in usades)


def executar(exercici, tauler, llavor, script):
    r = subprocess.run([eina, "play", exercici, "--simulate", tauler, "--seed", str(llavor)],
                       input=script.encode(), capture_output=True, timeout=60)
    if r.returncode != 0:
        raise RuntimeError(f"exit {r.returncode}: {r.stderr.decode()}")
    return [json.loads(l) for l in r.stdout.decode().splitlines()]


def primer_item(exercici, tauler, llavor):
    """The question drawn at start; list exercises have none."""
    return next((e for e in executar(exercici, tauler, llavor, "wait 10\n") if e["event"] == "item"),
                {"index": 0, "correctes": "", "especials": "", "sequencia": ""})


MAL = {"event": "feedback", "kind": "wrong"}
BE = {"event": "feedback", "kind": "right"}
FINAL = [{"event": "feedback", "kind": "final"},
         {"event": "message", "reply": "cancel"},
         {"event": "end", "running": False}]


def cami(item, caselles):
    """A wrong first press, then the cells in order; the last one ends the question."""
    script = premer(fora_de(item), *caselles[:-1]) + "answer cancel\n" + premer(caselles[-1])
    return script, [MAL, *[BE] * (len(caselles) - 1), *FINAL]


def cami_de_lletres(item):
    return [casella(item["correctes"][0]), *map(casella, item["sequencia"]),
            casella(item["especials"][0])]


def troba(item, _):
    return cami(item, [casella(item["correctes"][0]), casella(item["especials"][0])])


def en_ordre(item, _):
    # The last cell of the sequence is a special one as well.
    return cami(item, cami_de_lletres(item)[:-1])


def per_index(camins):
    return lambda item, _: cami(item, camins[item["index"]])


def fletxes_sorpresa(item, provar):
    # The arrow's cell is drawn at random after the first press: read it.
    inici, meta = casella(item["correctes"][0]), casella(item["especials"][0])
    mal = fora_de(item)
    items = [e for e in provar(premer(mal, inici)) if e["event"] == "item"]
    seguent = casella(items[-1]["sequencia"][-1])
    caselles = [inici, seguent] if seguent == meta else [inici, seguent, meta]
    return cami(item, caselles)


def escolta(resposta):
    def jugada(item, _):
        objectiu = casella(item["correctes"])
        mal = next(k for k in range(1, 9) if k != objectiu)
        return premer(mal, objectiu), [MAL, resposta, BE]
    return jugada


def tresor(item, _):
    amagat = ord(item["especials"][0])
    # A lower card tried first and turned back leaves the count where it was.
    script = (premer(1) if amagat != 1 else "") + "answer cancel\n" + f"press {amagat}\n"
    tria = [{"event": "answer", "resposta": "1"}, {"event": "answer", "resposta": "0"}]
    return script, [*(tria if amagat != 1 else []), *FINAL]


def sorteig(item, _):
    return "answer cancel\npress 1\n", FINAL


def amagada(item, _):
    amagat = ord(item["especials"][0])
    mal = 16 if amagat != 16 else 1
    return premer(mal, amagat), [
        {"event": "play", "path~": "/veu/pista_"},
        so("final.wav"),
        {"event": "colour", "cell": amagat, "rgb": [0, 255, 0]}]


def cursa(item, _):
    boto = lambda b: f"button 1 {b} down\nwait 100\nbutton 1 {b} up\nwait 100\n"
    script = "wait 100\n" + boto(2) + boto(1) + "answer cancel\n" + boto(2) * 6
    return script, [MAL, BE, {"event": "token", "player": 1}, *[BE] * 6, *FINAL]


def fixa(script, esperats):
    return lambda item, _: (script, esperats)


def so(nom):
    return {"event": "play", "path~": f"/veu/{nom}"}


def nota(n):
    return {"event": "midi", "bytes": [144, n, 127]}


SENSE_JUDICI = "no judgement: a press is never right or wrong, and the game has no end"

# folder/file, board (JxB of "Simular"), seed, play, why there is no wrong or no
# final feedback (None: both are played)
CASOS = [
    ("01_animals/animals.brd", "2x8", 1,
     fixa(premer(1, 2, 3, 4), [so("gos.wav"), so("gat.wav"), so("vaca.wav"), so("ovella.wav")]),
     SENSE_JUDICI),
    ("02_conte/conte.brd", "2x8", 1,
     fixa(premer(1) + "wait 6000\n", [so("conte.wav"), {"event": "media", "command~": "pause"}]),
     SENSE_JUDICI),
    ("03_escala/escala.brd", "2x8", 1, fixa(premer(1, 8), [nota(60), nota(72)]), SENSE_JUDICI),
    ("04_troba/troba.brd", "2x8", 1, troba, None),
    ("05_en_ordre/en_ordre.brd", "2x8", 1, en_ordre, None),
    ("06_regla/regla.brd", "2x8", 1,
     per_index({1: [1, 2, 3, 4], 2: [1, 5, 9, 13], 3: [1, 6, 11, 16]}), None),
    ("07_parelles/parelles.brd", "2x8", 1,
     fixa(premer(10) + "press 3\npress 11\nrelease 11\nrelease 3\n",
          [MAL, {"event": "picture", "index": 1, "path~": "punts_3.png"},
           {"event": "picture", "index": 2, "path~": "parella.png"}]),
     "a pair shows its card instead of a right feedback, and pairs go on with no end"),
    ("08_escolta_numero/escolta_numero.brd", "2x8", 1, escolta(so("numero_")),
     "no end: a right press draws the next number to hear"),
    ("09_escolta_nota/escolta_nota.brd", "2x8", 1, escolta({"event": "midi"}),
     "no end: a right press draws the next note to hear"),
    ("10_fletxes_sorpresa/fletxes_sorpresa.brd", "2x8", 1, fletxes_sorpresa, None),
    ("11_fletxes_cami/fletxes_cami.brd", "2x8", 1, lambda item, _: cami(item, cami_de_lletres(item)),
     None),
    ("12_fletxes_regla/fletxes_regla.brd", "2x8", 1,
     per_index({1: [1, 6, 11, 16], 2: [1, 7], 3: [16, 15, 14, 13]}), None),
    ("13_pomes/pomes.brd", "2x8", 1,
     fixa(premer(1, 5, 9), [{"event": "label", "index": 1, "text": t} for t in ("1", "2", "3")]),
     SENSE_JUDICI),
    ("14_desenes/desenes.brd", "2x8", 1,
     fixa(premer(10), [{"event": "answer", "resposta": "10"},
                       {"event": "label", "index": 1, "text": "9"}]),
     SENSE_JUDICI),
    ("15_anterior/anterior.brd", "2x8", 1,
     fixa(premer(7), [{"event": "answer", "resposta": "7"},
                      {"event": "label", "index": 1, "text": "6"}]),
     SENSE_JUDICI),
    ("16_sorteig/sorteig.brd", "2x8", None, sorteig,
     "no wrong feedback: a press either finds the prize (only in cell 1) or does nothing"),
    ("17_tresor/tresor.brd", "2x8", 1, tresor,
     "no wrong feedback: a card that is not the treasure only turns"),
    ("18_cursa/cursa.brd", "2x8", 1, cursa, None),
    ("19_marcades/marcades.brd", "2x10", 1,
     fixa(premer(*range(1, 21)),
          [so("a_prop.wav"), {"event": "colour", "rgb": [128, 128, 128]}, so("final.wav"),
           {"event": "colour", "rgb": [0, 255, 0]}]),
     "no judgement and no end: the marked cell turns green on the console"),
    ("20_amagada/amagada.brd", "2x8", 1, amagada,
     "no judgement and no end: a miss plays a hint, the hidden cell turns green"),
]


def conte(esdeveniment, esperat):
    for clau, valor in esperat.items():
        if clau.endswith("~"):
            if valor not in str(esdeveniment.get(clau[:-1], "")):
                return False
        elif esdeveniment.get(clau) != valor:
            return False
    return True


def en_ordre_dins(esdeveniments, esperats):
    i = 0
    for e in esdeveniments:
        if i < len(esperats) and conte(e, esperats[i]):
            i += 1
    return i


def llavor_amb_premi(exercici, tauler):
    """A seed whose draw hides the prize in cell 1, the only one ever found."""
    return next(l for l in range(1, 400)
                if primer_item(exercici, tauler, l)["especials"] == "\x01")


fallades = 0
provats = 0
for fitxer, tauler, llavor, jugada, motiu in CASOS:
    exercici = f"{biblioteca}/{fitxer}"
    nom = fitxer.split("/")[0]
    provats += 1
    try:
        pads, botons = tauler.split("x")
        capcalera = [l for l in open(exercici, encoding="utf-8") if l.startswith("#")]
        if not any(f"{pads} comandaments de {botons} botons" in l for l in capcalera):
            raise RuntimeError(f"the top comment does not name the board {tauler}")
        if llavor is None:
            llavor = llavor_amb_premi(exercici, tauler)
        item = primer_item(exercici, tauler, llavor)
        script, esperats = jugada(item, lambda s: executar(exercici, tauler, llavor, s))
        if motiu is None and (MAL not in esperats or FINAL[0] not in esperats):
            raise RuntimeError("a case without a reason must play a wrong and a final feedback")
        esdeveniments = executar(exercici, tauler, llavor, script)
        trobats = en_ordre_dins(esdeveniments, esperats)
        if trobats < len(esperats):
            print(f"FAIL {nom}: missing {esperats[trobats]} (in order); question {item}")
            for e in esdeveniments:
                if e["event"] not in ("geometry", "picture", "visible", "skipped"):
                    print("   ", json.dumps(e, ensure_ascii=False))
            fallades += 1
            continue
        # A run without a judgement must not invent one.
        if motiu == SENSE_JUDICI and any(e["event"] == "feedback" for e in esdeveniments):
            raise RuntimeError("a type without a judgement gave a feedback")
    except (RuntimeError, StopIteration, KeyError, IndexError) as error:
        print(f"FAIL {nom}: {error!r}")
        fallades += 1
        continue

    caselles = int(pads) * int(botons)
    r = subprocess.run([eina, "exercise", exercici, "--lint", "--cells", str(caselles),
                        "--columnes", str(COLUMNES), "--joysticks", pads],
                       capture_output=True, timeout=60)
    if r.returncode != 0 or r.stdout:
        print(f"FAIL {nom}: the lint on {caselles} cells says\n{r.stdout.decode()}")
        fallades += 1
        continue
    print(f"ok {nom}" + (f" ({motiu})" if motiu else ""))

# The table holds every folder of the library.
carpetes = sorted(d for d in os.listdir(f"{src}/data/exercicis")
                  if os.path.isdir(f"{src}/data/exercicis/{d}"))
if carpetes != sorted(f.split("/")[0] for f, *_ in CASOS):
    print(f"FAIL the table does not cover the library: {carpetes}")
    fallades += 1

print(f"{provats - fallades} passed, {fallades} failed")
sys.exit(1 if fallades else 0)
