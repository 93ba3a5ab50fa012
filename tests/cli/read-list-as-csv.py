#!/usr/bin/env python3
"""Reads what "velmora.exe /liste" writes with Python's own CSV reader, as a
script of an administrator would: the header, fields holding ';' and '"',
a guarded formula and the exit code.

    read-list-as-csv.py RUNNER PROGRAM   (the build's wine-run.sh, velmora_cli_*.exe)
"""
import csv
import os
import subprocess
import sys
import tempfile

runner, program = sys.argv[1], sys.argv[2]
key = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
place = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run"
values = {
    'Semi;kolon "Zitat"': r'"C:\Pro gramme\a;b.exe" /x',
    "=Formel": "@rechner.exe, mit Komma",
}


def wine(*args):
    return subprocess.run([runner, *args], stdout=subprocess.PIPE, stderr=subprocess.PIPE).returncode


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


failures = []
with tempfile.TemporaryDirectory() as folder:
    try:
        for name, data in values.items():
            wine("reg", "add", key, "/v", name, "/d", data, "/f")
        listing = os.path.join(folder, "liste.csv")
        status = wine(program, "/liste", windows_path(listing))
        if status != 1:
            failures.append(f"exit code {status}, not 1 for the missing programs")
        with open(listing, encoding="utf-8-sig", newline="") as file:
            rows = list(csv.reader(file, delimiter=";"))
    finally:
        for name in values:
            wine("reg", "delete", key, "/v", name, "/f")

if rows[0] != ["Ort", "Name", "Befehl", "Status", "Programmdatei", "Vorhanden"]:
    failures.append(f"header {rows[0]}")
if any(len(row) != 6 for row in rows):
    failures.append("a row without six fields")
expected = [
    [place, 'Semi;kolon "Zitat"', r'"C:\Pro gramme\a;b.exe" /x', "ein", r"C:\Pro gramme\a;b.exe", "nein"],
    # A spreadsheet would run these as formulas: one apostrophe in front.
    [place, "'=Formel", "'@rechner.exe, mit Komma", "ein", "'@rechner.exe, mit", "nein"],
]
for row in expected:
    if row not in rows:
        failures.append(f"missing row {row}")
for failure in failures:
    print("read-list-as-csv:", failure)
sys.exit(1 if failures else 0)
