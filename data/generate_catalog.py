#!/usr/bin/env python3
"""Writes units.csv and coils.csv, the sample condensing unit and evaporator coil catalog, and
the catalog figures of README.md.

No maker's capacity tables were available, so the catalog comes from a capacity model calibrated
on public compressor and unit-cooler data (unit_catalog.py, coil_catalog.py); brands are
invented. Model codes follow the unit product code card of the program.

    python3 generate_catalog.py            # writes units.csv, coils.csv and the README figures
    python3 generate_catalog.py --check    # exit 1 when a committed file differs from the model

Records are written in capacity order (units by their 90 F capacity, coils by rating), so that
the searches, which walk the capacity tags, read neighbouring records of the file.

The CSV files are the committed sources the build turns into UNITS.DAT and COILS.DAT; a test
runs --check so that neither they nor the README's figures can drift from this script.
"""

import csv
import io
import os
import sys

sys.dont_write_bytecode = True  # nothing written beside the sources

import catalog_readme  # noqa: E402
from coil_catalog import COIL_FIELDS, coil_rows  # noqa: E402
from unit_catalog import UNIT_FIELDS, unit_rows  # noqa: E402


def csv_text(fields, rows):
    out = io.StringIO()
    writer = csv.DictWriter(out, fieldnames=fields, lineterminator="\n")
    writer.writeheader()
    writer.writerows(rows)
    return out.getvalue()


def read_text(path):
    with open(path, newline="", encoding="utf-8") as f:
        return f.read()


def outputs(folder):
    """{path: text} of every file this script writes."""
    units = unit_rows()
    coils = coil_rows()
    readme = os.path.join(os.path.dirname(folder), "README.md")
    return {os.path.join(folder, "units.csv"): csv_text(UNIT_FIELDS, units),
            os.path.join(folder, "coils.csv"): csv_text(COIL_FIELDS, coils),
            readme: catalog_readme.with_figures(read_text(readme), units, coils)}


def main(argv):
    folder = os.path.dirname(os.path.abspath(__file__))
    if argv[1:] not in ([], ["--check"]):
        print("usage: generate_catalog.py [--check]")
        return 2
    try:
        texts = outputs(folder)
        if argv[1:] == ["--check"]:
            stale = [os.path.relpath(path, os.path.dirname(folder))
                     for path, text in texts.items() if read_text(path) != text]
            if stale:
                print("out of date with generate_catalog.py: " + ", ".join(stale))
                return 1
            return 0
        for path, text in texts.items():
            with open(path, "w", newline="", encoding="utf-8") as f:
                f.write(text)
    except (OSError, ValueError) as error:
        print("generate_catalog.py: %s" % error)
        return 1
    print(texts[os.path.join(folder, "units.csv")].count("\n") - 1, "units,",
          texts[os.path.join(folder, "coils.csv")].count("\n") - 1, "coils")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
