#!/usr/bin/env python3
"""The resources of the built program, decompiled by windres, against the expected dump in tests/data.
Usage: resources_test.py WINDRES PROGRAM EXPECTED [--update]; --update rewrites EXPECTED from PROGRAM."""
import difflib
import re
import subprocess
import sys

windres, program, expected = sys.argv[1:4]
dump = subprocess.run([windres, '-i', program, '-O', 'rc'], check=True, capture_output=True, text=True).stdout
# windres writes every character beyond ASCII as a \xNNNN escape: show them as themselves.
dump = re.sub(r'\\x([0-9a-f]{4})', lambda match: chr(int(match.group(1), 16)), dump)
if '--update' in sys.argv:
    open(expected, 'w', encoding='utf-8').write(dump)
wanted = open(expected, encoding='utf-8').read()
sys.stdout.writelines(difflib.unified_diff(wanted.splitlines(True), dump.splitlines(True), expected, program))
sys.exit(0 if dump == wanted else 1)
