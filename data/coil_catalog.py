"""The sample evaporator coil catalog: the coils of COILS.DAT, built from a rating model.

Coils are rated in BTUH per degree F of TD at +25 F suction, about 0.35 % less per degree F of
suction below that, on a ladder of about 18 % per size; air defrost only for rooms that stay
above freezing (suction classes from 25 F), electric or hot gas defrost with wide fin spacing
below. Each model's rating differs from its nominal size by a fixed model-specific share, so
that models are not exact multiples of each other.
"""

COIL_FIELDS = ["MODEL", "EVAP", "BTUH", "STYLE", "FINS", "AEG", "BRAND"]

JITTER = 0.015  # model-specific spread of a rating around its nominal size


def jitter(*key):
    """A fixed, model-specific factor within 1 +- JITTER."""
    h = 0
    for part in key:
        for ch in str(part):
            h = (h * 131 + ord(ch)) % 1000003
    return 1.0 + JITTER * ((h % 2001) - 1000) / 1000.0


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
