#!/usr/bin/env bash
# Rebuilds the shipped dictionaries (data/VorbelleDictionaries) from Debian's
# plain word-list packages: each words list holds the words of 2 to 15 letters
# spelled only with its dictionary's letters (no proper nouns or abbreviations),
# upper case, in code page 1252, sorted, one per line with CR LF. The copyright
# notice of each list and the licence texts it refers to are copied beside it
# (UTF-8, CR LF); only lists whose licence allows redistribution are used.
# Usage: tools/make-dictionaries.sh [--check]   (--check: compare, write nothing)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/data/VorbelleDictionaries"

packages=(wamerican wbritish wspanish wdutch wngerman wfrench witalian wportuguese wbrazilian
          wswedish wdanish wnorwegian wcatalan python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

mkdir -p "$out"
python3 - "$out" "${1:-}" <<'PY'
import os
import re
import sys
from decimal import Decimal, ROUND_HALF_UP

out, mode = sys.argv[1], sys.argv[2]
check = mode == "--check"
AZ = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"


def without(letters, dropped):
    return "".join(c for c in letters if c not in dropped)


# Each alphabet is the language's own letters in slot order: its Latin letters,
# then the accented letters that its spelling uses (kept as letters of their own,
# as the words list spells them). Letters found only in a few loanwords are left
# out, and with them those words.
#   name, source list, its encoding, package, capitals, alphabet
# capitals: "none" drops every word with a capital (proper nouns, abbreviations);
# "nouns" keeps a capital first letter (German nouns) but drops words with any
# later capital (abbreviations such as GmbH or ABC).
DICTIONARIES = [
    ("English", "american-english", "utf-8", "wamerican", "none", AZ),
    ("British", "british-english", "utf-8", "wbritish", "none", AZ),
    ("Spanish", "spanish", "utf-8", "wspanish", "none", AZ + "ÁÉÍÓÚÜÑ"),
    ("Dutch", "dutch", "utf-8", "wdutch", "none", AZ + "ÈÉËÏÖ"),
    # ß has no capital in code page 1252; upper case spells it SS (STRASSE).
    ("German", "ngerman", "utf-8", "wngerman", "nouns", AZ + "ÄÖÜ"),
    ("French", "french", "utf-8", "wfrench", "none", AZ + "ÀÂÇÈÉÊËÎÏÔÙÛÜ"),
    # J, K, W, X and Y occur only in a handful of loanwords here.
    ("Italian", "italian", "utf-8", "witalian", "none", without(AZ, "JKWXY") + "ÀÈÉÌÒÙ"),
    ("Portuguese", "portuguese", "utf-8", "wportuguese", "none", AZ + "ÀÁÂÃÇÉÊÍÓÔÕÚ"),
    # The list keeps the older Brazilian spelling with Ü (FREQÜENTE).
    ("Brazilian", "brazilian", "utf-8", "wbrazilian", "none", AZ + "ÀÁÂÃÇÉÊÍÓÔÕÚÜ"),
    ("Swedish", "swedish", "latin-1", "wswedish", "none", AZ + "ÅÄÖÉ"),
    ("Danish", "danish", "utf-8", "wdanish", "none", AZ + "ÆØÅÉ"),
    ("Norwegian", "bokmaal", "latin-1", "wnorwegian", "none", AZ + "ÆØÅÉÈÊÒÔ"),
    ("Nynorsk", "nynorsk", "latin-1", "wnorwegian", "none", AZ + "ÆØÅÉÈÊÓÒÔ"),
    # The middle dot of L·L (COL·LEGI) is a tile of its own.
    ("Catalan", "catalan", "utf-8", "wcatalan", "none", AZ + "ÀÇÈÉÍÏÒÓÚÜ·"),
]
FONT = "Tahoma"  # has every letter of code page 1252 on every Windows version
SHORTEST, LONGEST = 2, 15

# Bonus by the number of letters placed in one move, for English: long moves pay,
# all seven most. Other languages scale it by their mean letter score, so that
# the bonus weighs the same against the letters' own scores.
ENGLISH_LENGTH_SCORES = [0, 0, 1, 2, 4, 8, 50]


def round_half_up(x):
    return int(Decimal(repr(x)).quantize(Decimal(1), rounding=ROUND_HALF_UP))


def letter_probabilities(words, alphabet):
    """The game's own calculation: each letter's count scaled to the most frequent."""
    counts = {c: 0 for c in alphabet}
    for word in words:
        for c in word:
            counts[c] += 1
    most = max(counts.values())
    return {c: max(round_half_up(n * 1000 / most), 1 if n else 0) for c, n in counts.items()}


def letter_score(p):
    return round_half_up(9 * (1 - p * 0.001) ** 2 + 1) if p > 0 else 0


def mean_letter_score(words, alphabet):
    """The score of a drawn letter on average (letters are drawn by probability)."""
    p = letter_probabilities(words, alphabet)
    return sum(p[c] * letter_score(p[c]) for c in alphabet) / sum(p.values())


def keep(word, capitals):
    if capitals == "nouns":
        return word[1:] == word[1:].lower()
    return word == word.lower()


def read_words(source, encoding, capitals, alphabet):
    letters = set(alphabet)
    words = set()
    with open(os.path.join("/usr/share/dict", source), encoding=encoding) as f:
        for line in f:
            word = line.rstrip("\r\n")
            if not word or not keep(word, capitals):
                continue
            upper = word.upper()
            if SHORTEST <= len(upper) <= LONGEST and set(upper) <= letters:
                words.add(upper)
    return sorted(without_expansion_twins(words), key=lambda w: w.encode("cp1252"))


def without_expansion_twins(words):
    """Drops the AE spelling of a word that is also spelled with Æ (DIAET beside DIÆT).

    Outside Danish and Norwegian, Windows compares Æ equal to AE, and the game takes
    the first equal entry, so only one of the two could ever be put there."""
    with_ae = {w.replace("Æ", "AE") for w in words if "Æ" in w}
    return {w for w in words if w not in with_ae}


def licence_files(notice):
    """The common licence texts that a Debian copyright file refers to."""
    names = re.findall(r"/usr/share/common-licenses/([A-Za-z0-9.+-]*[A-Za-z0-9+])", notice)
    files = []
    for name in names:
        path = os.path.realpath(os.path.join("/usr/share/common-licenses", name))
        if os.path.isfile(path) and path not in files:
            files.append(path)
    return files


def copyright_text(name, package):
    with open(f"/usr/share/doc/{package}/copyright", encoding="utf-8") as f:
        notice = f.read()
    text = (f"The words list {name}.txt was made from the Debian package {package}.\n"
            "Its copyright notice follows.\n\n" + notice)
    for path in licence_files(notice):
        with open(path, encoding="utf-8") as f:
            text += f"\n\n==== {os.path.basename(path)} ====\n\n" + f.read()
    # CR LF, so that every Windows editor shows the lines.
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def vbd_text(name, alphabet, length_scores):
    lines = ["[Main]", f"WordsListName={name}", f"FontName={FONT}", f"Alphabet={alphabet}", "",
             "[LengthScores]"] + [f"{n}={s}" for n, s in enumerate(length_scores, 1)] + [""]
    return "\r\n".join(lines).encode("cp1252")


stale = []


def emit(path, content):
    if check:
        try:
            with open(path, "rb") as f:
                same = f.read() == content
        except FileNotFoundError:
            same = False
        if not same:
            stale.append(os.path.basename(path))
        return
    with open(path, "wb") as f:
        f.write(content)


reference = None  # English's mean letter score; English comes first
for name, source, encoding, package, capitals, alphabet in DICTIONARIES:
    assert len(alphabet) <= 40 and len(set(alphabet)) == len(alphabet), name
    words = read_words(source, encoding, capitals, alphabet)
    unused = [c for c in alphabet if not any(c in w for w in words)]
    assert not unused, f"{name}: no word has {unused}"
    mean = mean_letter_score(words, alphabet)
    if reference is None:
        reference = mean
    scale = mean / reference
    length_scores = [round_half_up(s * scale) for s in ENGLISH_LENGTH_SCORES]
    emit(f"{out}/{name}.txt", b"".join(w.encode("cp1252") + b"\r\n" for w in words))
    emit(f"{out}/{name}.vbd", vbd_text(name, alphabet, length_scores))
    emit(f"{out}/{name}-copyright.txt", copyright_text(name, package))
    print(f"{name}: {len(words)} words, {len(alphabet)} letters, mean letter score {mean:.2f}, "
          f"length scores {' '.join(map(str, length_scores))}")

if stale:
    sys.exit("Out of date: " + ", ".join(stale))
PY
