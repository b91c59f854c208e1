#!/usr/bin/env bash
# Rebuilds the shipped dictionaries (data/VorbelleDictionaries) from Debian's
# plain word-list packages: each words list holds the letters-only words of 2 to
# 15 letters (no proper nouns or abbreviations), upper case, in code page 1252,
# sorted, one per line with CR LF. The copyright notices of the lists are copied
# beside them; only lists whose licence allows redistribution are used.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/data/VorbelleDictionaries"

packages=(wamerican wbritish wspanish wdutch python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

mkdir -p "$out"
python3 - "$out" <<'PY'
import sys

out = sys.argv[1]
ascii_letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
# name, source list, package (for its copyright file), alphabet in slot order.
# Letters that only occur in a few loanwords are left out, with those words.
dictionaries = [
    ("English", "/usr/share/dict/american-english", "wamerican", ascii_letters),
    ("British", "/usr/share/dict/british-english", "wbritish", ascii_letters),
    ("Spanish", "/usr/share/dict/spanish", "wspanish", ascii_letters + "\u00c1\u00c9\u00cd\u00d3\u00da\u00dc\u00d1"),
    ("Dutch", "/usr/share/dict/dutch", "wdutch", ascii_letters + "\u00c8\u00c9\u00cb\u00cf\u00d6"),
]
# Bonus by the number of letters placed in one move: long moves pay, all seven most.
length_scores = [0, 0, 1, 2, 4, 8, 50]

for name, source, package, alphabet in dictionaries:
    assert len(alphabet) <= 40
    letters = set(alphabet)
    words = set()
    with open(source, encoding="utf-8") as f:
        for line in f:
            word = line.rstrip("\r\n")
            # Proper nouns and abbreviations are written with capitals.
            if not word or word != word.lower():
                continue
            upper = word.upper()
            if 2 <= len(upper) <= 15 and all(c in letters for c in upper):
                words.add(upper.encode("cp1252"))
    with open(f"{out}/{name}.txt", "wb") as f:
        f.write(b"".join(w + b"\r\n" for w in sorted(words)))
    vbd = ["[Main]", f"WordsListName={name}", "FontName=Tahoma", f"Alphabet={alphabet}", "",
           "[LengthScores]"] + [f"{n}={s}" for n, s in enumerate(length_scores, 1)] + [""]
    with open(f"{out}/{name}.vbd", "wb") as f:
        f.write("\r\n".join(vbd).encode("cp1252"))
    with open(f"/usr/share/doc/{package}/copyright", "rb") as src, \
         open(f"{out}/{name}-copyright.txt", "wb") as dst:
        dst.write(f"The words list {name}.txt was made from the Debian package {package}.\n"
                  "Its copyright notice follows.\n\n".encode("ascii") + src.read())
    print(f"{name}: {len(words)} words")
PY
