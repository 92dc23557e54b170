#!/usr/bin/env python3
"""Makes the pictures and recordings of the bundled exercise library.

Every exercise of data/exercicis/ keeps its own media: pictures in imatge/,
voice and sounds in veu/. The hints of the hidden-cell exercise go to the
program folder's veu/, where the program looks for them.

Tools: espeak-ng (Catalan voice), sox (tones, trimming), ImageMagick's
convert (pictures). Recordings are WAV, mono, 16-bit, 22050 Hz; pictures are
small opaque PNGs. The tools give the same bytes on every run (no dither, no
dates in the PNGs), so the files are kept in the repository.

    python3 scripts/media/library.py [program folder, default data/]
"""

import pathlib
import subprocess
import sys
import tempfile

RATE = "22050"
VOICE = ["espeak-ng", "-v", "ca", "-s", "155"]
PNG = ["-strip", "-define", "png:exclude-chunks=date,time,tEXt,zTXt,iTXt"]
FONT = "DejaVu-Sans-Bold"
# Tiles keep the proportions of the stage's image template (1335 x 1455 twips).
TILE_W, TILE_H = 128, 140

TMP = pathlib.Path(tempfile.mkdtemp(prefix="quorvel-media-"))


def run(*args):
    subprocess.run([str(a) for a in args], check=True)


def output(path):
    """The path, once its folder exists: folders are made only for the files they hold."""
    path.parent.mkdir(parents=True, exist_ok=True)
    return path


# Sounds ----------------------------------------------------------------------

def say(path, text):
    """A Catalan voice prompt without the silence espeak-ng puts around it."""
    raw = TMP / "veu.wav"
    run(*VOICE, "-w", raw, text)
    run("sox", "-D", raw, "-r", RATE, "-c", "1", "-b", "16", output(path),
        "silence", "1", "0.02", "-45d", "reverse", "silence", "1", "0.02", "-45d", "reverse",
        "norm", "-3")


def tones(path, *notes, wave="sine"):
    """Short notes one after the other: (seconds, frequency or start-end glide)."""
    parts = []
    for i, (seconds, freq) in enumerate(notes):
        part = TMP / f"to_{i}.wav"
        run("sox", "-D", "-n", "-r", RATE, "-c", "1", "-b", "16", part,
            "synth", seconds, wave, freq, "fade", "q", "0.01", seconds, "0.05", "gain", "-6")
        parts.append(part)
    run("sox", "-D", *parts, output(path))


def right(path):
    tones(path, (0.1, 784), (0.16, 1047))


def wrong(path):
    tones(path, (0.3, "330-196"), wave="square")


def step(path):
    tones(path, (0.08, 988))


# Pictures --------------------------------------------------------------------

def convert(path, *args, depth="PNG8"):
    """Flat drawings fit a palette; gradients keep full colour."""
    run("convert", *args, *PNG, f"{depth}:{output(path)}")


def tile(path, colour, border, text, ink="white", size=64):
    convert(path, "-size", f"{TILE_W}x{TILE_H}", "xc:white",
            "-fill", colour, "-stroke", border, "-strokewidth", "6",
            "-draw", f"roundrectangle 4,4 {TILE_W - 5},{TILE_H - 5} 18,18",
            "-stroke", "none", "-fill", ink, "-font", FONT, "-pointsize", size,
            "-gravity", "center", "-annotate", "+0+0", text)


def hue(i, n):
    return i * 360 // n


def numbered_tiles(folder, stem, count, text=None):
    """Tiles 1..count in colours round the wheel, each with its number."""
    for n in range(1, count + 1):
        h = hue(n - 1, count)
        label = text if text is not None else str(n)
        tile(folder / f"{stem}_{n:02d}.png", f"hsl({h},70%,45%)", f"hsl({h},70%,28%)", label)


def dots_tile(path, n):
    """The number n written small above n big dots, for counting at a glance."""
    places = {
        1: [(64, 86)], 2: [(40, 86), (88, 86)], 3: [(34, 70), (64, 100), (94, 70)],
        4: [(40, 66), (88, 66), (40, 108), (88, 108)],
        5: [(34, 64), (94, 64), (64, 88), (34, 112), (94, 112)],
        6: [(40, 58), (88, 58), (40, 88), (88, 88), (40, 118), (88, 118)],
        7: [(40, 58), (88, 58), (40, 88), (64, 88), (88, 88), (40, 118), (88, 118)],
        8: [(40, 54), (88, 54), (40, 76), (88, 76), (40, 98), (88, 98), (40, 120), (88, 120)],
    }[n]
    draw = []
    for x, y in places:
        draw += ["-draw", f"circle {x},{y} {x + 10},{y}"]
    convert(path, "-size", f"{TILE_W}x{TILE_H}", "xc:white",
            "-fill", "#fff3c4", "-stroke", "#b38f00", "-strokewidth", "6",
            "-draw", f"roundrectangle 4,4 {TILE_W - 5},{TILE_H - 5} 18,18",
            "-stroke", "none", "-fill", "#1b2a49", "-font", FONT, "-pointsize", "30",
            "-gravity", "north", "-annotate", "+0+8", str(n), "-gravity", "none",
            "-fill", "#c0392b", *draw)


def tick_tile(path, label):
    convert(path, "-size", f"{TILE_W}x{TILE_H}", "xc:white",
            "-fill", "#2e9e4f", "-stroke", "#1b5e2f", "-strokewidth", "6",
            "-draw", f"roundrectangle 4,4 {TILE_W - 5},{TILE_H - 5} 18,18",
            "-fill", "none", "-stroke", "white", "-strokewidth", "14",
            "-draw", "polyline 30,66 56,92 100,40",
            "-stroke", "none", "-fill", "white", "-font", FONT, "-pointsize", "20",
            "-gravity", "south", "-annotate", "+0+14", label)


def cross_tile(path):
    convert(path, "-size", f"{TILE_W}x{TILE_H}", "xc:white",
            "-fill", "#9aa5b1", "-stroke", "#5b6b7f", "-strokewidth", "6",
            "-draw", f"roundrectangle 4,4 {TILE_W - 5},{TILE_H - 5} 18,18",
            "-stroke", "#3a4656", "-strokewidth", "12",
            "-draw", "line 34,40 94,100", "-draw", "line 94,40 34,100")


def apple(path):
    convert(path, "-size", f"{TILE_W}x{TILE_H}", "xc:white",
            "-fill", "#d62828", "-stroke", "#8b1a1a", "-strokewidth", "4",
            "-draw", "circle 64,84 64,130",
            "-stroke", "#6b3e1f", "-strokewidth", "8", "-draw", "line 64,40 70,20",
            "-stroke", "#1b5e2f", "-strokewidth", "3", "-fill", "#3fa34d",
            "-draw", "ellipse 88,28 18,9 0,360")


def empty_place(path):
    convert(path, "-size", f"{TILE_W}x{TILE_H}", "xc:white",
            "-fill", "none", "-stroke", "#9aa5b1", "-strokewidth", "6",
            "-draw", "stroke-dasharray 12 10 circle 64,84 64,128")


def token(path):
    convert(path, "-size", "64x64", "xc:white",
            "-fill", "#ffd400", "-stroke", "#1b2a49", "-strokewidth", "4",
            "-draw", "circle 32,32 32,60",
            "-fill", "#1b2a49", "-stroke", "none",
            "-draw", "polygon 32,12 37,27 52,27 40,36 45,51 32,42 19,51 24,36 12,27 27,27")


def background(path, top, bottom):
    convert(path, "-size", "160x120", f"gradient:{top}-{bottom}", depth="PNG24")


def track(path):
    """Green ground with light lanes; the stage stretches it to the screen."""
    draw = []
    for y in range(12, 120, 24):
        draw += ["-draw", f"rectangle 0,{y} 160,{y + 1}"]
    convert(path, "-size", "160x120", "xc:#3f8f3f", "-fill", "#7fc47f", *draw)


def finish(path):
    """A chequered finish line, 16 x 320 pixels: the race shows it unstretched."""
    draw = []
    for y in range(0, 320, 8):
        for x in range(0, 16, 8):
            if (x // 8 + y // 8) % 2:
                draw += ["-draw", f"rectangle {x},{y} {x + 7},{y + 7}"]
    convert(path, "-size", "16x320", "xc:white", "-fill", "#1b2a49", *draw)


def card(path, columns, labels, colours):
    """A printable board card: one box per cell, numbered, with its meaning."""
    w, h = 150, 96
    rows = (len(labels) + columns - 1) // columns
    args = ["-size", f"{columns * w}x{rows * h}", "xc:white", "-font", FONT]
    for i, label in enumerate(labels):
        x, y = (i % columns) * w, (i // columns) * h
        args += ["-fill", colours[i % len(colours)], "-stroke", "#1b2a49", "-strokewidth", "3",
                 "-draw", f"rectangle {x + 3},{y + 3} {x + w - 4},{y + h - 4}",
                 "-stroke", "none", "-fill", "#1b2a49",
                 "-pointsize", "18", "-draw", f"text {x + 10},{y + 24} '{i + 1}'",
                 "-pointsize", "26", "-draw", f"text {x + 14},{y + 66} '{label}'"]
    convert(path, *args)


# The library -----------------------------------------------------------------

def feedback(veu, final_text=None):
    right(veu / "be.wav")
    wrong(veu / "no.wav")
    if final_text:
        say(veu / "final.wav", final_text)


NOTES = ["Do", "Re", "Mi", "Fa", "Sol", "La", "Si"]
NUMBERS = ["u", "dos", "tres", "quatre", "cinc", "sis", "set", "vuit"]
PALE = ["#ffe0e0", "#e0f0ff", "#e6ffe0", "#fff6d0"]


def library(program):
    ex = program / "exercicis"

    def folders(name):
        return ex / name / "imatge", ex / name / "veu"

    imatge, veu = folders("01_animals")
    animals = [("gos", "El gos fa bub bub."), ("gat", "El gat fa mèu."),
               ("vaca", "La vaca fa muuu."), ("ovella", "L'ovella fa beee.")]
    for name, text in animals:
        say(veu / f"{name}.wav", text)
    card(imatge / "tauler.png", 4, [a for a, _ in animals] * 4, PALE)

    _, veu = folders("02_conte")
    say(veu / "conte.wav",
        "Hi havia una vegada una granota que volia veure el mar. "
        "Saltava i saltava pel camí. "
        "Al final va arribar a la platja i va riure molt.")

    imatge, _ = folders("03_escala")
    scale = [NOTES[i % 7] for i in range(16)]
    card(imatge / "tauler.png", 4, scale, PALE)

    for name in ("04_troba", "05_en_ordre", "06_regla"):
        _, veu = folders(name)
        feedback(veu, "Molt bé!")

    imatge, veu = folders("07_parelles")
    background(imatge / "fons.png", "#1b2a49", "#2f6f73")
    tile(imatge / "interrogant.png", "#5b6b7f", "#3a4656", "?")
    for n in range(1, 9):
        dots_tile(imatge / f"punts_{n}.png", n)
    tick_tile(imatge / "parella.png", "Parella!")
    feedback(veu)

    _, veu = folders("08_escolta_numero")
    for n, word in enumerate(NUMBERS, start=1):
        say(veu / f"numero_{n}.wav", word)
    feedback(veu)

    imatge, veu = folders("09_escolta_nota")
    card(imatge / "tauler.png", 4, scale[:8], PALE)
    feedback(veu)

    for name in ("10_fletxes_sorpresa", "11_fletxes_cami", "12_fletxes_regla"):
        imatge, veu = folders(name)
        background(imatge / "fons.png", "#f4f1de", "#c9e4ca")
        feedback(veu, "Camí acabat!")

    imatge, _ = folders("13_pomes")
    background(imatge / "fons.png", "#fff6d0", "#f4d58d")
    apple(imatge / "poma.png")
    empty_place(imatge / "buit.png")

    for name in ("14_desenes", "15_anterior"):
        imatge, _ = folders(name)
        background(imatge / "fons.png", "#e0f0ff", "#a9c8e8")
        tile(imatge / "tapada.png", "#5b6b7f", "#3a4656", "")
        numbered_tiles(imatge, "numero", 16)

    for name, final_text in (("16_sorteig", "Premi!"), ("17_tresor", "Heu trobat el tresor!")):
        imatge, veu = folders(name)
        background(imatge / "fons.png", "#1b2a49", "#2f6f73")
        cross_tile(imatge / "provat.png")
        numbered_tiles(imatge, "carta", 16)
        say(veu / "final.wav", final_text)

    imatge, veu = folders("18_cursa")
    track(imatge / "pista.png")
    token(imatge / "fitxa.png")
    finish(imatge / "meta.png")
    step(veu / "pas.wav")
    wrong(veu / "no.wav")
    say(veu / "meta.wav", "Meta!")

    # The hidden-cell hints are read from the program folder's veu/.
    veu = program / "veu"
    for name, text in (("a_prop", "A prop!"), ("avall", "Més avall."), ("amunt", "Més amunt."),
                       ("dreta", "Més a la dreta."), ("esquerra", "Més a l'esquerra.")):
        say(veu / f"pista_{name}.wav", text)


def main():
    program = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent.parent / "data"
    try:
        library(program)
    finally:
        for f in TMP.iterdir():
            f.unlink()
        TMP.rmdir()


if __name__ == "__main__":
    main()
