#!/usr/bin/env python3
"""Prints each benchmark's mean time as a ratio to its baseline.

A benchmark named BM_X has its baseline in BM_X_Baseline_<what>; for
benchmarks with an argument, each size is set against the baseline's.
"""
import json
import sys


def main(path):
    with open(path) as f:
        data = json.load(f)
    means = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name", "mean") != "mean" or b.get("run_type") == "complexity":
            continue
        name = b["run_name"] if "run_name" in b else b["name"]
        means[name] = b["real_time"], b.get("time_unit", "ns")
    for name, (time, unit) in means.items():
        if "_Baseline_" in name:
            continue
        base_name, _, size = name.partition("/")
        baseline = [n for n in means if n.startswith(base_name + "_Baseline_")
                    and n.partition("/")[2] == size]
        if not baseline:
            continue
        btime, _ = means[baseline[0]]
        print(f"   {name:<32} {time:12.0f} {unit}   baseline {btime:12.0f} {unit}   ratio {time / btime:5.2f}")
    for b in data["benchmarks"]:
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") == "BigO":
            print(f"   {b['run_name']:<32} fitted complexity: {b.get('big_o', '?')}")


if __name__ == "__main__":
    main(sys.argv[1])
