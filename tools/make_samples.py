#!/usr/bin/env python3
"""Regenerates the practice files in samples/ from the Wubi 86 table.

This script only chooses which characters go into which file and which code
each drills; practice_tool's "make" command writes the entries and owns the
wording of every explanation. The output depends only on the table and the
tool, so running it twice gives the same bytes.

    python3 tools/make_samples.py --tool build/native/tools/practice_tool/practice_tool
"""

import argparse
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FREQUENT_FILES = [(1, 500), (501, 1000)]
ZONE_NAMES = {1: "heng", 2: "shu", 3: "pie", 4: "na", 5: "zhe"}


def find_table():
    """The wubi86.dict.yaml of Debian's rime-data-wubi."""
    try:
        listing = subprocess.run(["dpkg", "-L", "rime-data-wubi"], capture_output=True,
                                 text=True, check=True).stdout.split("\n")
        for path in listing:
            if path.endswith("/wubi86.dict.yaml"):
                return path
    except (OSError, subprocess.CalledProcessError):
        pass
    return "/usr/share/rime-data/wubi86.dict.yaml"


def read_keys(tool):
    """The key table the tool's explanations use, in zone order."""
    output = subprocess.run([tool, "keys"], capture_output=True, check=True).stdout
    keys = []
    for line in output.decode("utf-8").splitlines():
        letter, position, zone, key_name, stroke, radicals, verse, level_one = line.split("\t")
        keys.append({"letter": letter, "position": int(position), "key_name": key_name,
                     "stroke": "" if stroke == "-" else stroke, "radicals": radicals,
                     "level_one": level_one})
    return keys


def is_wubi_code(code):
    return 1 <= len(code) <= 4 and code[0] != "z" and all("a" <= c <= "y" for c in code)


def read_table(path):
    """Codes of single characters, in table order, as the tool reads them:
    {character: [(code, weight), ...]}."""
    codes = {}
    with open(path, encoding="utf-8-sig") as table:
        lines = table.read().split("\n")
    in_header = False
    before_entries = True
    for line in lines:
        line = line.rstrip("\r")
        if in_header:
            in_header = line != "..."
            continue
        if not line or line.startswith("#"):
            continue
        if before_entries and line == "---":
            in_header = True
            before_entries = False
            continue
        before_entries = False
        columns = line.split("\t")
        if len(columns) < 2 or len(columns[0]) != 1 or not is_wubi_code(columns[1]):
            continue
        weight = float(columns[2]) if len(columns) > 2 and columns[2] else 0.0
        codes.setdefault(columns[0], []).append((columns[1], weight))
    return codes


def characters_by_code(codes):
    """{code: [character, ...]} in table order."""
    by_code = {}
    for character, entries in codes.items():
        for code, _ in entries:
            if character not in by_code.setdefault(code, []):
                by_code[code].append(character)
    return by_code


def only_character_with_code(by_code, code):
    found = by_code.get(code, [])
    if len(found) > 1:
        sys.exit(f"make_samples: code {code} has several characters: {''.join(found)}")
    return found[0] if found else None


def full_code_weight(entries):
    longest = max(len(code) for code, _ in entries)
    return max(weight for code, weight in entries if len(code) == longest)


def is_gb2312(character):
    """Simplified characters of the basic national set: what learners drill."""
    try:
        character.encode("gb2312")
    except UnicodeEncodeError:
        return False
    return len(character.encode("gb2312")) == 2 and "\u4e00" <= character <= "\u9fff"


def frequent_characters(codes, count):
    """The most frequent characters by the weight of their full code; ties keep
    table order."""
    candidates = [character for character in codes if is_gb2312(character)]
    candidates.sort(key=lambda character: -full_code_weight(codes[character]))
    return candidates[:count]


def sample_lists(keys, codes):
    """(file name, drilled code, characters) for every sample."""
    letters = [key["letter"] for key in keys]
    by_code = characters_by_code(codes)
    samples = [
        ("jianming.txt", "full", [key["key_name"] for key in keys]),
        ("yiji-jianma.txt", "1", [only_character_with_code(by_code, letter) for letter in letters]),
        ("chengzi-zigen.txt", "full", [character for key in keys
                                       for character in key["stroke"] + key["radicals"]]),
    ]
    for zone, name in ZONE_NAMES.items():
        firsts = [key["letter"] for key in keys if key["position"] // 10 == zone]
        characters = [only_character_with_code(by_code, first + second)
                      for first in firsts for second in letters]
        samples.append((f"erji-jianma-{zone}-{name}.txt", "2",
                        [character for character in characters if character]))
    frequent = frequent_characters(codes, FREQUENT_FILES[-1][1])
    for first, last in FREQUENT_FILES:
        samples.append((f"changyong-{first}-{last}.txt", "full", frequent[first - 1:last]))
    return samples


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--tool", required=True, help="the built practice_tool")
    parser.add_argument("--table", default=None, help="wubi86.dict.yaml (found with dpkg)")
    parser.add_argument("--out", default=os.path.join(ROOT, "samples"), help="output folder")
    args = parser.parse_args()
    table = args.table or find_table()

    keys = read_keys(args.tool)
    codes = read_table(table)
    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        for name, drill, characters in sample_lists(keys, codes):
            if None in characters:
                sys.exit(f"make_samples: a character for {name} is missing from the table")
            list_path = os.path.join(work, name)
            with open(list_path, "w", encoding="utf-8") as listed:
                listed.write("\n".join(characters) + "\n")
            result = subprocess.run([args.tool, "make", f"--code={drill}", list_path, table,
                                     os.path.join(args.out, name)],
                                    capture_output=True, text=True)
            if result.returncode != 0:
                sys.exit(f"make_samples: {name}:\n{result.stderr}")
            print(f"{name}: {len(characters)} entries")


if __name__ == "__main__":
    main()
