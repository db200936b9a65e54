#!/usr/bin/env python3
"""Writes units.csv and coils.csv, the sample condensing unit and evaporator coil catalog.

No maker's capacity tables were available, so the catalog comes from a capacity model:
- condensing units: BTUH per nominal HP at 90 F ambient at a rating suction temperature (+25 F
  for medium and high temperature units, -20 F for low temperature units), scaled by an
  exponential suction curve and a straight-line ambient derate that is steeper for low
  temperature units (published compressor curves lose about 13 % from 90 to 100 F at -20 F
  suction, about 9 % at +25 F);
- one capacity ladder per application, about 12 % from one model to the next, so that the unit
  search (which looks from 0.9 to 1.3 times the load per unit) always finds two or more models;
- coils: BTUH per degree F of TD at +25 F suction, about 0.35 % less per degree F of suction
  below that, on a ladder of about 18 % per size; air defrost only for rooms that stay above
  freezing (suction classes from 25 F), electric or hot gas defrost with wide fin spacing below.
Model codes follow the unit product code card of the program; brands are invented.

    python3 generate_catalog.py            # writes units.csv and coils.csv beside this script
    python3 generate_catalog.py --check    # exit 1 when the committed files differ from the model

Records are written in capacity order (units by their 90 F capacity, coils by rating), so that
the searches, which walk the capacity tags, read neighbouring records of the file.

The CSV files are the committed sources the build turns into UNITS.DAT and COILS.DAT; a test
runs --check so that they cannot drift from this script.
"""

import csv
import io
import math
import os
import sys

AMBIENTS = [80, 85, 90, 95, 100, 105, 110, 115, 120, 125, 130]
CAPACITY_FIELDS = ["BTU" + chr(ord("A") + i) for i in range(11)]
UNIT_FIELDS = ["MODEL"] + CAPACITY_FIELDS + ["EVAP", "NOMHP", "BRAND", "HFLAG"]
COIL_FIELDS = ["MODEL", "EVAP", "BTUH", "STYLE", "FINS", "AEG", "BRAND"]

LADDER_STEP = 1.12  # capacity ratio between neighbouring models of one application
JITTER = 0.015      # model-specific spread, so models are not exact multiples


# application letter: (suction classes, rating suction, BTUH per HP at the rating suction and
#                      90 F ambient, suction slope per F, ambient derate per F, smallest HP,
#                      BTUH the largest model must reach in the 115 F column of every class,
#                      HP the largest model must reach)
APPLICATIONS = {
    "H": ([25, 30, 35, 40, 45], 25, 10000, math.log(1.3) / 20, 0.009, 0.2, 88000, 15),
    "M": ([0, 10, 15, 20, 25, 30], 25, 10000, 0.024, 0.009, 0.3, 88000, 20),
    "L": ([-45, -40, -35, -30, -25, -20, -15, -10, -5], -20, 3750, 0.020, 0.013, 0.5, 88000, 50),
}

# (smallest HP of the family, construction letter, HFLAG, compressor make digits, brand)
FAMILIES = [
    (0.0, "H", 1, [3, 1, 6], "Tundra"),   # hermetic
    (2.0, "Z", 1, [1, 6, 3], "Glacia"),   # scroll
    (10.0, "S", 0, [2, 5, 4], "Boreal"),  # semi-hermetic
]


def jitter(*key):
    """A fixed, model-specific factor within 1 +- JITTER."""
    h = 0
    for part in key:
        for ch in str(part):
            h = (h * 131 + ord(ch)) % 1000003
    return 1.0 + JITTER * ((h % 2001) - 1000) / 1000.0


def nominal_hp(hp):
    """Rounds a horsepower to the steps a catalog lists it in."""
    for limit, step in ((1, 0.01), (3, 0.05), (10, 0.25), (30, 0.5)):
        if hp < limit:
            return round(round(hp / step) * step, 2)
    return round(round(hp / 2.5) * 2.5, 2)


def family_of(hp):
    chosen = FAMILIES[0]
    for family in FAMILIES:
        if hp >= family[0]:
            chosen = family
    return chosen


def unit_model(construction, hp, make, app, refrigerant, voltage, outdoor):
    count_digit = "2" if hp >= 20 else "0"
    condenser = "O" if outdoor else "I"
    return "%sC%s-%04d%s-%d%s%d -%d" % (condenser, construction, round(hp * 100), count_digit,
                                        make, app, refrigerant, voltage)


def capacity_row(model, capacity_90, suction, derate, hp, brand, hflag):
    row = {"MODEL": model, "EVAP": suction, "NOMHP": "%.2f" % hp, "BRAND": brand,
           "HFLAG": hflag}
    for field, ambient in zip(CAPACITY_FIELDS, AMBIENTS):
        row[field] = int(round(capacity_90 * (1.0 - derate * (ambient - 90)) / 10.0)) * 10
    return row


def application_rows(app):
    suctions, rating, per_hp, slope, derate, smallest_hp, top, top_hp = APPLICATIONS[app]
    weakest = math.exp(slope * (min(suctions) - rating)) * (1.0 - derate * 25)
    rows = []
    used = set()
    ideal_hp = smallest_hp
    while True:
        hp = nominal_hp(ideal_hp)
        _, construction, hflag, makes, brand = family_of(hp)
        refrigerant = 3 if app == "H" else (7 if construction == "S" else 4)
        voltage = 2 if hp <= 1.5 else (9 if hp >= 10 else 5)
        outdoor = not (construction == "H" and hp <= 1)
        for make in makes:
            model = unit_model(construction, hp, make, app, refrigerant, voltage, outdoor)
            if model not in used:
                break
        used.add(model)
        rated = ideal_hp * per_hp * jitter(model)
        for suction in suctions:
            at_suction = rated * math.exp(slope * (suction - rating))
            rows.append(capacity_row(model, at_suction, suction, derate, hp, brand, hflag))
        if rated * weakest >= top and hp >= top_hp:
            return rows
        ideal_hp *= LADDER_STEP


# (model prefix, style) by the nominal rating per degree TD at +25 F suction
STYLES = [(500, "LP", "Low profile"), (2000, "MP", "Medium profile"), (None, "LU", "Large unit")]

# (AEG, letter, fins, suction classes, smallest and largest nominal rating, brand, style)
DEFROSTS = [
    (1, "E", 4, [-45, -40, -35, -30, -25, -20, -15, -10, -5, 0, 10, 15, 20], 100, 9000,
     "Glacia", None),
    (2, "G", 4, [-45, -40, -35, -30, -25, -20, -15, -10, -5], 1500, 9000, "Tundra", None),
    (0, "A", 6, [25, 30, 35, 40, 45], 100, 9000, "Boreal", None),
    (0, "A", 8, [35, 40, 45], 100, 2500, "Boreal", ("LV", "Low velocity")),
]

COIL_STEP = 1.18


def style_of(nominal):
    for limit, prefix, style in STYLES:
        if limit is None or nominal < limit:
            return prefix, style
    raise AssertionError("unreachable")


def coil_rows():
    rows = []
    for aeg, letter, fins, suctions, smallest, largest, brand, fixed_style in DEFROSTS:
        ideal = float(smallest)
        while ideal <= largest * COIL_STEP:
            nominal = int(round(ideal / 10.0)) * 10
            prefix, style = fixed_style or style_of(nominal)
            model = "%s%s%d-%03d" % (prefix, letter, fins, nominal // 10)
            rated = nominal * jitter(model)
            for suction in suctions:
                per_degree = rated * (1.0 + 0.0035 * (suction - 25))
                rows.append({"MODEL": model, "EVAP": suction, "BTUH": int(round(per_degree)),
                             "STYLE": style, "FINS": fins, "AEG": aeg, "BRAND": brand})
            ideal *= COIL_STEP
    return sorted(rows, key=lambda r: (r["BTUH"], r["MODEL"], r["EVAP"]))


def unit_rows():
    rows = []
    for app in ("H", "M", "L"):
        rows.extend(application_rows(app))
    # Stored in the order of the 90 F capacity: the unit search walks a capacity tag, and
    # neighbours in the tag are then neighbours in the file.
    return sorted(rows, key=lambda r: (r["BTUC"], r["MODEL"], r["EVAP"]))


def csv_text(fields, rows):
    out = io.StringIO()
    writer = csv.DictWriter(out, fieldnames=fields, lineterminator="\n")
    writer.writeheader()
    writer.writerows(rows)
    return out.getvalue()


def main(argv):
    folder = os.path.dirname(os.path.abspath(__file__))
    outputs = {"units.csv": csv_text(UNIT_FIELDS, unit_rows()),
               "coils.csv": csv_text(COIL_FIELDS, coil_rows())}
    if argv[1:] == ["--check"]:
        stale = []
        for name, text in outputs.items():
            with open(os.path.join(folder, name), newline="") as f:
                if f.read() != text:
                    stale.append(name)
        if stale:
            print("out of date with generate_catalog.py: " + ", ".join(stale))
            return 1
        return 0
    if argv[1:]:
        print("usage: generate_catalog.py [--check]")
        return 2
    for name, text in outputs.items():
        with open(os.path.join(folder, name), "w", newline="") as f:
            f.write(text)
    print(outputs["units.csv"].count("\n") - 1, "units,",
          outputs["coils.csv"].count("\n") - 1, "coils")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
