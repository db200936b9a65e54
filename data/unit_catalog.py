"""The sample condensing unit catalog: the units of UNITS.DAT, built from a capacity model.

Each application (high, medium and low suction temperature) has its product lines: hermetic,
scroll and semi-hermetic compressors, some with an indoor condenser, some with two compressors.
A line builds units in the nominal sizes makers sell, from its smallest to its largest HP. Within
an application the units of all its lines form one capacity ladder in HP order: within a size
the lines come from the smallest capacity to the largest (an indoor condenser is the smallest, a
semi-hermetic compressor the largest), and every unit keeps to the BTUH per HP makers publish for
its size at the application's rating suction. Where its neighbours allow, a unit lies evenly
between them, so the ladder steps evenly; where the published range does not allow it, the
ladder steps wider.

A unit's capacity at a suction class and design ambient follows from its rating (at the rating
suction and 90 F ambient) by an exponential suction curve and a straight-line ambient derate that
is steeper for low temperature units (published compressor curves lose about 13 % from 90 to
100 F at -20 F suction, about 9 % at +25 F).
"""

import math
from typing import NamedTuple

AMBIENTS = [80, 85, 90, 95, 100, 105, 110, 115, 120, 125, 130]
RATING_AMBIENT = 90
CAPACITY_FIELDS = ["BTU" + chr(ord("A") + i) for i in range(11)]
UNIT_FIELDS = ["MODEL"] + CAPACITY_FIELDS + ["EVAP", "NOMHP", "BRAND", "HFLAG"]

# Nominal sizes as makers list them: HP and how a price book writes it.
SIZES = [(0.20, "1/5"), (0.25, "1/4"), (0.33, "1/3"), (0.50, "1/2"), (0.75, "3/4"), (1.0, "1"),
         (1.25, "1-1/4"), (1.5, "1-1/2"), (2.0, "2"), (2.5, "2-1/2"), (3.0, "3"),
         (3.5, "3-1/2"), (4.0, "4"), (5.0, "5"), (6.0, "6"), (7.5, "7-1/2"), (10.0, "10"),
         (12.0, "12"), (15.0, "15"), (20.0, "20"), (25.0, "25"), (30.0, "30"), (35.0, "35"),
         (40.0, "40"), (50.0, "50"), (60.0, "60")]


class Application(NamedTuple):
    letter: str             # the application letter of the model code
    classes: list           # suction classes, F
    rating_suction: int     # F
    per_hp: list            # published BTUH per HP at the rating suction and 90 F ambient:
                            # (sizes below this HP, lowest, highest), smallest sizes first
    slope: float            # suction curve: capacity grows by exp(slope) per F of suction
    derate: float           # capacity lost per F of ambient above 90 F, as a fraction
    smallest_hp: float
    largest_hp: float
    ends: tuple             # rating of the first and the last unit, as a share of the middle
                            # of their published range


APPLICATIONS = [
    Application("H", [35, 40, 45], 45, [(1.5, 12000, 16000), (math.inf, 12000, 14000)],
                math.log(1.3) / 20, 0.009, 0.20, 15, (0.90, 1.05)),
    Application("M", [0, 10, 15, 20, 25, 30], 25, [(1, 8500, 11500), (math.inf, 9000, 11000)],
                0.024, 0.009, 0.33, 30, (0.95, 1.05)),
    Application("L", [-45, -40, -35, -30, -25, -20, -15, -10, -5], -20,
                [(math.inf, 3300, 4200)], 0.020, 0.013, 0.75, 60, (0.95, 1.05)),
]

# A rating keeps this share inside its published range, so that rounding cannot leave it.
RANGE_MARGIN = 0.01


class Line(NamedTuple):
    condenser: str     # O outdoor or I indoor air cooled
    construction: str  # H hermetic, Z scroll, S semi-hermetic
    make: int          # compressor make digit of the model code
    compressors: int   # 1 or 2
    brand: str
    smallest_hp: float
    largest_hp: float
    applications: str


# In capacity order within a size.
LINES = [
    Line("I", "H", 3, 1, "Tundra", 0.20, 1, "HML"),   # Tecumseh hermetic, indoor condenser
    Line("O", "H", 3, 1, "Tundra", 0.20, 2, "HML"),   # Tecumseh hermetic
    Line("O", "H", 1, 1, "Tundra", 0.33, 5, "HML"),   # Copeland hermetic
    Line("O", "H", 4, 1, "Tundra", 1.50, 7.5, "ML"),  # Maneurop hermetic
    Line("O", "Z", 1, 1, "Glacia", 1.50, 15, "HML"),  # Copeland scroll
    Line("O", "Z", 1, 2, "Glacia", 20, 30, "M"),      # two Copeland scrolls
    Line("O", "S", 1, 1, "Boreal", 3, 30, "HML"),     # Copeland semi-hermetic
    Line("O", "S", 5, 1, "Boreal", 7.5, 60, "ML"),    # Bitzer semi-hermetic
    Line("O", "S", 2, 1, "Boreal", 10, 60, "L"),      # Carlyle semi-hermetic
    Line("O", "S", 5, 2, "Boreal", 35, 60, "L"),      # two Bitzer semi-hermetic
]


def published_range(app, hp):
    for below, lowest, highest in app.per_hp:
        if hp < below:
            return lowest, highest
    raise AssertionError("no published range")


def model_code(app, line, hp):
    """The code as the product codes card reads it: condenser, C, construction - HP x 100,
    compressor count - make, application, refrigerant, blank - voltage."""
    count = "2" if line.compressors == 2 else "0"
    refrigerant = 3 if app.letter == "H" else (7 if line.construction == "S" else 4)
    voltage = 2 if hp <= 1.5 else (9 if hp >= 10 else 5)
    return "%sC%s-%04d%s-%d%s%d -%d" % (line.condenser, line.construction, round(hp * 100),
                                        count, line.make, app.letter, refrigerant, voltage)


def models_of(app):
    """(HP, line) of every unit of the application, in ladder order."""
    return [(hp, line) for hp, _ in SIZES if app.smallest_hp <= hp <= app.largest_hp
            for line in LINES
            if app.letter in line.applications and line.smallest_hp <= hp <= line.largest_hp]


def ladder_ratings(app, models):
    """BTUH at the rating suction and 90 F of each model: the first and the last at their
    ends, every other one as near the middle of its neighbours (in log scale) as its published
    range allows."""
    bounds = []
    for hp, _ in models:
        lowest, highest = published_range(app, hp)
        bounds.append((math.log(hp * lowest * (1 + RANGE_MARGIN)),
                       math.log(hp * highest * (1 - RANGE_MARGIN))))
    x = [(low + high) / 2 for low, high in bounds]
    for end, share in ((0, app.ends[0]), (-1, app.ends[1])):
        hp = models[end][0]
        x[end] = math.log(hp * share * sum(published_range(app, hp)) / 2)
    while True:
        moved = 0.0
        for j in range(1, len(x) - 1):
            low, high = bounds[j]
            new = min(max((x[j - 1] + x[j + 1]) / 2, low), high)
            moved = max(moved, abs(new - x[j]))
            x[j] = new
        if moved < 1e-9:
            return [three_figures(math.exp(v)) for v in x]


def three_figures(value):
    """Rounds to three significant figures, as a price book lists a rating."""
    step = 10 ** (math.floor(math.log10(value)) - 2)
    return int(round(value / step)) * step


def capacity_row(model, rating, app, suction, hp, line):
    row = {"MODEL": model, "EVAP": suction, "NOMHP": "%.2f" % hp, "BRAND": line.brand,
           "HFLAG": 0 if line.construction == "S" else 1}
    at_suction = rating * math.exp(app.slope * (suction - app.rating_suction))
    for field, ambient in zip(CAPACITY_FIELDS, AMBIENTS):
        derated = at_suction * (1.0 - app.derate * (ambient - RATING_AMBIENT))
        row[field] = int(round(derated / 10.0)) * 10
    return row


def unit_rows():
    rows = []
    for app in APPLICATIONS:
        models = models_of(app)
        for (hp, line), rating in zip(models, ladder_ratings(app, models)):
            model = model_code(app, line, hp)
            for suction in app.classes:
                rows.append(capacity_row(model, rating, app, suction, hp, line))
    # Stored in the order of the 90 F capacity: the unit search walks a capacity tag, and
    # neighbours in the tag are then neighbours in the file.
    return sorted(rows, key=lambda r: (r["BTUC"], r["MODEL"], r["EVAP"]))
