"""The catalog figures of README.md: a table of what each suction class holds and a paragraph of
counts and steps, written between two marker lines from the catalog's own rows."""

import math
import textwrap

from unit_catalog import CAPACITY_FIELDS, SIZES

BEGIN = "<!-- catalog figures: written by data/generate_catalog.py -->"
END = "<!-- end of catalog figures -->"
INDENT = "  "  # the figures sit in a list item

APPLICATION_NAMES = {"H": "high", "M": "medium", "L": "low"}
CONSTRUCTION_NAMES = [("H", "hermetic"), ("Z", "scroll"), ("S", "semi-hermetic")]
HP_LABELS = {"%.2f" % hp: label for hp, label in SIZES}


def thousands(n):
    return "{:,}".format(n)


def hp_text(nomhp):
    return HP_LABELS[nomhp] + " HP"


def classes_text(classes):
    if len(classes) > 4:
        return "%d to %d F, each" % (classes[0], classes[-1])
    return ", ".join(str(c) for c in classes) + " F, each"


def capacities_text(values, classes):
    """'a BTUH at c1 to b at c2' over the classes of a row, or 'a BTUH' when all are the same."""
    if len(set(values)) == 1:
        return thousands(values[0]) + " BTUH"
    return "%s BTUH at %d F to %s at %d F" % (thousands(values[0]), classes[0],
                                              thousands(values[-1]), classes[-1])


def steps(values):
    values = sorted(values)
    return [b / a for a, b in zip(values, values[1:])]


def widest_step(values):
    return max(steps(values))


def nearest_step(values):
    return min(steps(values))


def class_rows(units, coils):
    """Table rows: classes of one application with the same numbers of units and coils."""
    groups = []
    for evap in sorted({u["EVAP"] for u in units}):
        mine = sorted((u for u in units if u["EVAP"] == evap), key=lambda u: u["BTUC"])
        key = (mine[0]["MODEL"][11], len(mine), sum(1 for c in coils if c["EVAP"] == evap))
        if not groups or groups[-1][0] != key:
            groups.append((key, []))
        groups[-1][1].append((evap, mine))
    rows = []
    for (application, unit_count, coil_count), members in groups:
        classes = [evap for evap, _ in members]
        smallest = [mine[0] for _, mine in members]
        largest = [max(mine, key=lambda u: u["BTUH"]) for _, mine in members]
        sizes = sorted({float(u["NOMHP"]) for _, mine in members for u in mine})
        rows.append("| %s | %s | %d | %d | %s to %s (%d sizes) | %s (%s) | %s (%s) |" % (
            classes_text(classes), APPLICATION_NAMES[application], unit_count, coil_count,
            HP_LABELS["%.2f" % sizes[0]], hp_text("%.2f" % sizes[-1]), len(sizes),
            capacities_text([u["BTUC"] for u in smallest], classes), hp_text(smallest[0]["NOMHP"]),
            capacities_text([u["BTUH"] for u in largest], classes), hp_text(largest[0]["NOMHP"])))
    return rows


def figures(units, coils):
    """The lines between the markers, without their indent."""
    models = {u["MODEL"] for u in units}
    by_construction = ", ".join("%d %s" % (sum(1 for m in models if m[2] == letter), name)
                                for letter, name in CONSTRUCTION_NAMES)
    classes = sorted({u["EVAP"] for u in units})
    unit_step = max(widest_step([u[field] for u in units if u["EVAP"] == evap])
                    for evap in classes for field in CAPACITY_FIELDS)
    nearest = min(nearest_step([u["BTUC"] for u in units if u["EVAP"] == evap])
                  for evap in classes)
    coil_step = max(widest_step([c["BTUH"] for c in coils if c["EVAP"] == evap])
                    for evap in classes)
    sizes = sorted({float(u["NOMHP"]) for u in units})
    paragraph = (
        "%s unit records of %d models (%s) and %s coil records in all. The units come in the "
        "%d nominal sizes makers list: %s HP. Within a class, capacities step by at most %.2f "
        "from one unit to the next in every ambient column (the search needs 1.19 or less to "
        "offer two units), neighbours lie at least %.1f %% apart at 90 F, and coil ratings "
        "step by at most %.2f per size." % (
            thousands(len(units)), len(models), by_construction, thousands(len(coils)),
            len(sizes), ", ".join(HP_LABELS["%.2f" % hp] for hp in sizes), unit_step,
            math.floor((nearest - 1) * 1000) / 10, coil_step))
    return ([BEGIN,
             "| Suction class | Application | Units | Coils | Sizes | Smallest unit (90 F) "
             "| Largest unit (115 F) |",
             "|---|---|---|---|---|---|---|"]
            + class_rows(units, coils) + [""]
            + textwrap.wrap(paragraph, 100 - len(INDENT), break_on_hyphens=False) + [END])


def with_figures(readme, units, coils):
    """README text with the figures between the markers written anew."""
    lines = readme.split("\n")
    marked = [i for i, line in enumerate(lines) if line.strip() in (BEGIN, END)]
    if len(marked) != 2 or lines[marked[0]].strip() != BEGIN:
        raise ValueError("README.md needs one line %s and, below it, one line %s" % (BEGIN, END))
    new = [(INDENT + line).rstrip() for line in figures(units, coils)]
    return "\n".join(lines[:marked[0]] + new + lines[marked[1] + 1:])
