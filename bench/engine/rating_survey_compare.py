#!/usr/bin/env python3
"""Compares two outputs of engine_rating_survey (before.tsv after.tsv): per family and for the search
and the other-model step, the ratings whose figures changed, the refusals added, the ratings whose
shown figures imply a heat more than 1 % from the heat load, and how far the ratings lie from the
independently solved operating point."""
import csv
import math
import sys
from collections import defaultdict

FIGURES = ("inlet", "exit", "viscosity", "pressure_drop")


def read(path):
    with open(path, newline="") as f:
        return {(r["family"], r["seed"], r["duty"], r["step"]): r for r in csv.DictReader(f, delimiter="\t")}


def number(text):
    try:
        return float(text)
    except ValueError:
        return math.nan


def distance(r):
    d = abs(number(r["inlet"]) - number(r["solved_inlet"]))
    return d if math.isfinite(d) else math.nan


def main(before_path, after_path):
    before, after = read(before_path), read(after_path)
    tally = defaultdict(lambda: defaultdict(float))
    for key, new in after.items():
        old = before.get(key)
        if old is None or key[3] == "-1":
            continue
        t = tally[(key[0], "search" if key[3] == "0" else "other model")]
        t["ratings"] += 1
        for side, r in (("before", old), ("after", new)):
            if r["outcome"] != "rated":
                t[side + " refused"] += 1
                continue
            t[side + " rated"] += 1
            if abs(number(r["balance"])) > 0.01:
                t[side + " off by more than 1 %"] += 1
            d = distance(r)
            if not math.isnan(d):
                # A rating that is not the solved point itself: the two passes kept.
                if abs(number(r["balance"])) > 1e-7:
                    t[side + " two-pass kept"] += 1
                    t[side + " largest distance of a kept two-pass rating (C)"] = max(
                        t[side + " largest distance of a kept two-pass rating (C)"], d)
                    if d > 1:
                        t[side + " kept more than 1 C from the operating point"] += 1
        if old["outcome"] == "rated" and new["outcome"] == "rated":
            if any(old[f] != new[f] for f in FIGURES):
                t["changed by the balance rule"] += 1
            else:
                t["unchanged to the digit"] += 1
        elif old["outcome"] == "rated":
            t["refusals added"] += 1
            t["refusals added: " + new["refusal"][:60]] += 1
        elif new["outcome"] == "rated":
            t["refusals removed"] += 1
        elif old["refusal"] != new["refusal"]:
            t["refusal text changed"] += 1
    for (family, step), t in sorted(tally.items()):
        print(f"{family} / {step}:")
        for name in sorted(t):
            value = t[name]
            print(f"  {name}: {value:.3f}" if "distance" in name else f"  {name}: {int(value)}")


if __name__ == "__main__":
    main(*sys.argv[1:3])
