#!/usr/bin/env python3
"""Makes a benchmark's source tree: FILES files of 100 bytes, PER-FOLDER to a folder.
Usage: make-tree.py ROOT FILES PER-FOLDER"""
import os
import sys

root, files, per_folder = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
for i in range(files):
    folder = os.path.join(root, "folder%05d" % (i // per_folder))
    if i % per_folder == 0:
        os.makedirs(folder)
    with open(os.path.join(folder, "file%07d.txt" % i), "wb") as f:
        f.write(b"x" * 100)
