#!/usr/bin/env python3
"""Checks that each host layer includes only itself and the layers below it.

Usage: check-layers.py [ROOT]. Prints each include that reaches up and exits 1 when there is one.
"""
import os
import re
import sys

LAYERS = ["modeler", "geometry", "model", "visualization", "dialog"]

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
host = os.path.join(root, "host")
layer_of = {}
files = []
for kind, ext in (("include", ".h"), ("src", ".cpp")):
    for layer in LAYERS:
        folder = os.path.join(host, kind, layer)
        for dirpath, _, names in os.walk(folder):
            for name in names:
                if name.endswith(ext):
                    files.append((layer, os.path.join(dirpath, name)))
                    if ext == ".h":
                        layer_of[name[:-2]] = layer
stray = [p for p in os.listdir(os.path.join(host, "include")) if p.endswith(".h")]
stray += [p for p in os.listdir(os.path.join(host, "src")) if p.endswith(".cpp")]
for name in stray:
    print(f"host/{name}: outside every layer")
upward = 0
for layer, path in files:
    with open(path, encoding="utf-8") as text:
        for number, line in enumerate(text, 1):
            match = re.match(r'\s*#include "(\w+)\.h"', line)
            if not match or match.group(1) not in layer_of:
                continue
            target = layer_of[match.group(1)]
            if LAYERS.index(target) > LAYERS.index(layer):
                upward += 1
                print(f"{os.path.relpath(path, root)}:{number}: {layer} includes {match.group(1)}.h of {target}")
sys.exit(1 if upward or stray else 0)
