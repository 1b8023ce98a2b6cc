"""Sums gcovr's per-file JSON summary into one line per src/ folder."""
import json
import sys
from collections import defaultdict


def percent(covered, total):
    return f"{100.0 * covered / total:5.1f} %" if total else "    - "


def main(path):
    with open(path, encoding="utf-8") as f:
        files = json.load(f)["files"]
    sums = defaultdict(lambda: [0, 0, 0, 0])
    for entry in files:
        parts = entry["filename"].split("/")
        folder = parts[1] if parts[0] == "src" and len(parts) > 2 else parts[0]
        row = sums[folder]
        row[0] += entry["line_covered"]
        row[1] += entry["line_total"]
        row[2] += entry["branch_covered"]
        row[3] += entry["branch_total"]
    print(f"{'folder':<12} {'lines':>8} {'of':>6} {'branches':>9} {'of':>6}")
    for folder in sorted(sums):
        lc, lt, bc, bt = sums[folder]
        print(f"{folder:<12} {percent(lc, lt):>8} {lt:>6} {percent(bc, bt):>9} {bt:>6}")


if __name__ == "__main__":
    main(sys.argv[1])
