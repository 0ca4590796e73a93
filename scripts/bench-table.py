#!/usr/bin/env python3
"""scripts/bench's table: Google Benchmark's JSON of the codec benchmarks and the row lines of the
Windows benchmark programs, as one Markdown table (name, ours, reference, ratio, target)."""
import json
import sys

# The figures of the classic 1988 coder, measured on one quiet machine in the same process as our
# codec as it was then (milliseconds, low and high of several runs): the codec's outside reference.
# That coder is not part of this project, so it is compared through the baseline: ours against the
# classic coder is ours against the baseline here, times the baseline against the classic coder there.
CLASSIC_MS = {
    ("unpack", "skin"): (0.51, 0.59),
    ("unpack", "text"): (12.2, 15.5),
    ("pack", "text"): (105.0, 119.0),
}
BASELINE_THERE_MS = {
    ("unpack", "skin"): (1.6, 1.8),
    ("unpack", "text"): (20.5, 24.4),
    ("pack", "text"): (114.0, 124.0),
}
CODEC_TARGET = {"unpack": 0.5, "pack": 1.0}  # ours / classic at most
INPUTS = {"skin": "default skin archive (158 KB)", "text": "1 MB text (25 x hamlet)",
          "mixed": "1 MB mixed text and bitmap rows"}


def fmt_us(us):
    if us >= 1000:
        return f"{us / 1000:.2f} ms"
    return f"{us:.1f} us"


def codec_rows(path):
    with open(path) as f:
        data = json.load(f)
    medians = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        op, inp, who = b["run_name"].split("/")
        # CPU time: the code's own, whatever the neighbours on a shared machine do.
        medians[(op.replace("lzh_", ""), inp, who)] = b["cpu_time"]  # microseconds (Unit set so)
    rows = []
    for op in ("unpack", "pack"):
        for inp in ("skin", "text", "mixed"):
            ours = medians.get((op, inp, "ours"))
            base = medians.get((op, inp, "baseline"))
            if ours is None:
                continue
            name = f"LZH {op}, {INPUTS[inp]}"
            classic = CLASSIC_MS.get((op, inp))
            if base:
                rows.append((name, fmt_us(ours), f"baseline (codec before tuning) {fmt_us(base)}",
                             f"{ours / base:.2f}", ""))
            if classic and base:
                there = BASELINE_THERE_MS[(op, inp)]
                scale = (there[0] + there[1]) / (classic[0] + classic[1])
                rows.append((name, "", f"classic coder {classic[0]}-{classic[1]} ms (quoted; via the baseline)",
                             f"{ours / base * scale:.2f}", f"<= {CODEC_TARGET[op]}x"))
    return rows


def windows_rows(path):
    rows = []
    with open(path, errors="replace") as f:
        for line in f:
            line = line.strip()
            if not line.startswith("row|"):
                continue
            fields = line.split("|")
            _, name, ours, ref_name, ref, target = fields[:6]
            ours, ref = float(ours), float(ref)
            ratio = float(fields[6]) if len(fields) > 6 and float(fields[6]) > 0 else (ours / ref if ref > 0 else 0)
            if ref_name and ref > 0:
                rows.append((name, fmt_us(ours), f"{ref_name} {fmt_us(ref)}", f"{ratio:.2f}", target))
            else:
                rows.append((name, fmt_us(ours), "", "", target))
    return rows


def main():
    rows = codec_rows(sys.argv[1]) + windows_rows(sys.argv[2])
    head = ("benchmark", "ours", "reference", "ours/ref", "target")
    print("| " + " | ".join(head) + " |")
    print("|" + "|".join("---" for _ in head) + "|")
    for r in rows:
        print("| " + " | ".join(r) + " |")


if __name__ == "__main__":
    main()
