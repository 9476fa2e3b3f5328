#!/usr/bin/env python3
"""Regenerates the practice files in samples/ from the Wubi 86 table, and
writes the table that ships with practice_tool.

This script only chooses which characters go into which file and which code
each drills; practice_tool's "make" command writes the entries and owns the
wording of every explanation. The samples are made from the shipped table, so
a learner's own files and the samples agree. The output depends only on the
table and the tool, so running it twice gives the same bytes.

    python3 tools/make_samples.py --tool build/native/tools/practice_tool/practice_tool
    python3 tools/make_samples.py --write-table wubi86-danzi.dict.yaml
"""

import argparse
import filecmp
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FREQUENT_FILES = [(1, 500), (501, 1000)]
SHIPPED_TABLE = "wubi86-danzi.dict.yaml"
# The source is LGPL-3.0, which asks a changed copy to say so, with a date.
CHANGE_NOTICE = """\
# Wubi 86 table for Tarnvel's practice_tool: the single characters of GBK with
# their full and short codes and weights, in the source's order.
#
# Made by Tarnvel's tools/make_samples.py from wubi86.dict.yaml (version {version})
# of Debian's rime-data-wubi {package} (upstream https://github.com/rime/rime-wubi).
# Changed on 2026-12-07 by leaving out phrases, the stem column, lookup codes
# (starting with z) and characters outside GBK; nothing else is changed.
# Licence: GNU LGPL version 3. Tarnvel's release holds its text in
# licenses/LGPL-3.0.txt (with licenses/GPL-3.0.txt), and the table's origin and
# authors in COPYING-wubi86.txt.
#
# The source's own comments:
"""
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


def is_gbk(character):
    try:
        return len(character.encode("gbk")) == 2
    except UnicodeEncodeError:
        return False


def parse_table(path):
    """(opening comments, header lines, entry columns) of a Rime table, the
    entries being single characters with a Wubi code, as the tool reads them."""
    with open(path, encoding="utf-8-sig") as table:
        lines = table.read().split("\n")
    comments, header, entries = [], [], []
    in_header = False
    before_entries = True
    for line in lines:
        line = line.rstrip("\r")
        if in_header:
            in_header = line != "..."
            header.append(line)
            continue
        if not line or line.startswith("#"):
            if before_entries and line.startswith("#"):
                comments.append(line)
            continue
        if before_entries and line == "---":
            in_header = True
            before_entries = False
            continue
        before_entries = False
        columns = line.split("\t")
        if len(columns) >= 2 and len(columns[0]) == 1 and is_wubi_code(columns[1]):
            entries.append(columns)
    return comments, header, entries


def read_table(path):
    """Codes of single characters, in table order: {character: [(code, weight), ...]}."""
    codes = {}
    for columns in parse_table(path)[2]:
        weight = float(columns[2]) if len(columns) > 2 and columns[2] else 0.0
        codes.setdefault(columns[0], []).append((columns[1], weight))
    return codes


def debian_version(package):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f", "${Version}", package],
                              capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return "(version unknown)"


def write_shipped_table(source, path):
    """The table practice_tool ships with: what the tool reads of the source,
    only characters a practice file can hold, with a notice of the change."""
    comments, header, entries = parse_table(source)
    version = next((line.split(":", 1)[1].strip() for line in header
                    if line.startswith("version:")), "unknown")
    with open(path, "w", encoding="utf-8", newline="\n") as table:
        table.write(CHANGE_NOTICE.format(version=version,
                                         package=debian_version("rime-data-wubi")))
        table.write("".join(comment + "\n" for comment in comments))
        table.write("\n---\nname: wubi86-danzi\n"
                    f"version: {version}\nsort: by_weight\n"
                    "columns:\n  - text\n  - code\n  - weight\n...\n\n")
        for columns in entries:
            if is_gbk(columns[0]):
                table.write("\t".join(columns[:3]) + "\n")


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


def make_samples(tool, source, out):
    keys = read_keys(tool)
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        table = os.path.join(work, SHIPPED_TABLE)
        write_shipped_table(source, table)
        codes = read_table(table)
        for name, drill, characters in sample_lists(keys, codes):
            if None in characters:
                sys.exit(f"make_samples: a character for {name} is missing from the table")
            list_path = os.path.join(work, name)
            with open(list_path, "w", encoding="utf-8") as listed:
                listed.write("\n".join(characters) + "\n")
            result = subprocess.run([tool, "make", f"--code={drill}", list_path, table,
                                     os.path.join(out, name)],
                                    capture_output=True, text=True)
            if result.returncode != 0:
                sys.exit(f"make_samples: {name}:\n{result.stderr}")
            print(f"{name}: {len(characters)} entries")


def stale_samples(tool, source, folder):
    """The practice files in folder that differ from the samples made afresh,
    are missing or are not made at all."""
    with tempfile.TemporaryDirectory() as made:
        make_samples(tool, source, made)
        names = set(os.listdir(made)) | {name for name in os.listdir(folder)
                                         if name.endswith(".txt")}
        return [name for name in sorted(names)
                if not os.path.exists(os.path.join(made, name))
                or not os.path.exists(os.path.join(folder, name))
                or not filecmp.cmp(os.path.join(made, name), os.path.join(folder, name),
                                   shallow=False)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--tool", help="the built practice_tool")
    parser.add_argument("--table", default=None, help="wubi86.dict.yaml (found with dpkg)")
    parser.add_argument("--out", default=os.path.join(ROOT, "samples"), help="output folder")
    parser.add_argument("--write-table", metavar="PATH",
                        help="only write the table that ships with the tool")
    parser.add_argument("--check", action="store_true",
                        help="change nothing; fail unless the output folder holds the "
                             "samples exactly as they are made")
    args = parser.parse_args()
    source = args.table or find_table()
    if args.write_table:
        write_shipped_table(source, args.write_table)
    elif not args.tool:
        parser.error("--tool is needed to make the samples")
    elif args.check:
        stale = stale_samples(args.tool, source, args.out)
        for name in stale:
            print(f"make_samples: {name} is not what the table and the tool make")
        sys.exit(1 if stale else 0)
    else:
        make_samples(args.tool, source, args.out)


if __name__ == "__main__":
    main()
