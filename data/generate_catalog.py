#!/usr/bin/env python3
"""Writes units.csv and coils.csv, the sample condensing unit and evaporator coil catalog.

No maker's capacity tables were available, so the catalog comes from a capacity model:
- condensing units: BTUH per nominal HP at the rating point (+25 F suction for medium and high
  temperature units, -20 F for low temperature units, 90 F ambient) from published compressor
  data, about 2.2 to 2.9 % capacity per degree F of suction, and about 0.95 % per degree F of
  ambient above 90 F;
- coils: BTUH per degree F of TD at +25 F suction, about 0.35 % per degree F of suction.
Model codes follow the unit product code card of the program. Run it from this folder:
    python3 generate_catalog.py
The CSV files are the committed sources the build uses; this script is not run by the build.
"""

import csv
import math

AMBIENTS = [80, 85, 90, 95, 100, 105, 110, 115, 120, 125, 130]
CAPACITY_FIELDS = ["BTU" + chr(ord("A") + i) for i in range(11)]

# Suction classes by application.
HIGH = [25, 30, 35, 40, 45]
MEDIUM = [0, 10, 15, 20, 25, 30]
LOW = [-40, -35, -30, -25, -20, -15, -10, -5]

# family: (construction letter, HFLAG, make digit, brand, horsepowers, per-HP at rating point
#          for medium/high, per-HP for low, applications)
FAMILIES = [
    ("H", 1, 3, "Tundra", [0.5, 0.75, 1, 1.25, 1.5, 2, 2.5, 3], 10400, 4100, "HML"),
    ("Z", 1, 1, "Glacia", [1.5, 2, 2.5, 3, 3.5, 4, 5, 6, 7.5, 10, 12, 15], 9800, 3900, "ML"),
    ("S", 0, 2, "Boreal", [2, 3, 4, 5, 6, 7.5, 10, 12, 15, 17.5, 20, 25, 30], 9300, 3650, "ML"),
]


def jitter(*key):
    """A fixed, model-specific spread of about +-3 %, so models are not exact multiples."""
    h = 0
    for part in key:
        for ch in str(part):
            h = (h * 131 + ord(ch)) % 1000003
    return 1.0 + ((h % 601) - 300) / 10000.0


def unit_model(construction, hp, make, app, refrigerant, voltage, outdoor):
    count_digit = "2" if hp >= 20 else "0"
    hp_digits = "%04d" % round(hp * 100)
    condenser = "O" if outdoor else "I"
    return "%sC%s-%s%s-%d%s%d -%d" % (condenser, construction, hp_digits, count_digit, make, app,
                                      refrigerant, voltage)


def unit_rows():
    rows = []
    for construction, hflag, make, brand, hps, per_hp_mt, per_hp_lt, apps in FAMILIES:
        for hp in hps:
            for app in apps:
                suctions = {"H": HIGH, "M": MEDIUM, "L": LOW}[app]
                if app == "L":
                    reference, per_hp, slope = -20, per_hp_lt, 0.028
                else:
                    reference, per_hp, slope = 25, per_hp_mt, 0.022 if app == "H" else 0.024
                # Large semi-hermetic low temperature machines give less per HP.
                if app == "L" and hp >= 15:
                    per_hp *= 0.92
                refrigerant = 2 if app == "H" else (7 if construction == "S" and hp >= 10 else 4)
                voltage = 2 if hp <= 1.5 else (9 if hp >= 10 else 5)
                outdoor = not (construction == "H" and hp <= 1)
                model = unit_model(construction, hp, make, app, refrigerant, voltage, outdoor)
                rated = hp * per_hp * jitter(model)
                for suction in suctions:
                    at_suction = rated * math.exp(slope * (suction - reference))
                    row = {"MODEL": model, "EVAP": suction, "NOMHP": "%.2f" % hp,
                           "BRAND": brand, "HFLAG": hflag}
                    for field, ambient in zip(CAPACITY_FIELDS, AMBIENTS):
                        factor = 1.0 - 0.0095 * (ambient - 90)
                        row[field] = int(round(at_suction * factor / 10.0)) * 10
                    rows.append(row)
    return rows


# style: (name, model prefix, ratings per degree TD at +25 F suction)
STYLES = [
    ("Low profile", "LP", [100, 150, 200, 250, 300, 400, 500, 650, 800, 1000, 1250, 1500, 1750]),
    ("Medium profile", "MP", [500, 750, 1000, 1400, 1800, 2200, 2800, 3500]),
    ("Center mount", "CM", [400, 600, 900, 1200, 1600, 2000, 2500, 3000]),
    ("Large unit", "LU", [1500, 2000, 2800, 3600, 4500, 5200, 6000]),
    ("Low velocity", "LV", [500, 800, 1200, 1800, 2500, 3400]),
]

# defrost: (AEG, letter, fins, suction classes, brand)
DEFROSTS = [
    (0, "A", 6, [20, 25, 30, 35, 40, 45], "Boreal"),
    (1, "E", 4, [-40, -30, -20, -10, 0, 10, 20, 25], "Glacia"),
    (2, "G", 4, [-40, -30, -20, -10], "Tundra"),
]


def coil_rows():
    rows = []
    for style, prefix, ratings in STYLES:
        for aeg, letter, fins, suctions, brand in DEFROSTS:
            if aeg == 2 and prefix not in ("LU", "MP"):
                continue  # hot gas defrost only on the larger coils
            if aeg == 0 and prefix == "LU":
                continue  # warehouse coils are freezer coils here
            for nominal in ratings:
                fin_count = 8 if aeg == 0 and nominal <= 400 else fins
                model = "%s%s%d-%03d" % (prefix, letter, fin_count, nominal // 10)
                rated = nominal * jitter(model)
                for suction in suctions:
                    per_degree = rated * (1.0 + 0.0035 * (suction - 25))
                    rows.append({"MODEL": model, "EVAP": suction, "BTUH": int(round(per_degree)),
                                 "STYLE": style, "FINS": fin_count, "AEG": aeg, "BRAND": brand})
    return rows


def write(path, fields, rows):
    with open(path, "w", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=fields, lineterminator="\n")
        writer.writeheader()
        writer.writerows(rows)


if __name__ == "__main__":
    units = unit_rows()
    write("units.csv", ["MODEL"] + CAPACITY_FIELDS + ["EVAP", "NOMHP", "BRAND", "HFLAG"], units)
    coils = coil_rows()
    write("coils.csv", ["MODEL", "EVAP", "BTUH", "STYLE", "FINS", "AEG", "BRAND"], coils)
    print(len(units), "units,", len(coils), "coils")
