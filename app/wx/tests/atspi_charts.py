#!/usr/bin/python3
# Reads the charts of the window "Andamento" of the running program named
# $1 through the accessibility bus, as a screen reader would: exits 1 when
# the program shows no such window, else prints the place on the screen of
# the area the charts are drawn in, "area<TAB>x,y,w,h", then one line per
# chart, "chart<TAB>name<TAB>text<TAB>description". A chart is the object
# inside that area: a label with a name of its own.
import sys

import pyatspi

from atspi_program import program, shown_windows


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def charts(acc, out):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        if child.name and child.getRole() == pyatspi.ROLE_LABEL and text_of(child):
            out.append((acc, child))
        else:
            charts(child, out)
    return out


def main():
    app = program(sys.argv[1])
    shown = shown_windows(app, "Andamento")
    if not shown:
        sys.exit(f"no window titled Andamento in {sys.argv[1]}")
    found = charts(shown[0], [])
    if found:
        x, y, w, h = found[0][0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(f"area\t{x},{y},{w},{h}")
    for _, chart in found:
        print(f"chart\t{chart.name}\t{text_of(chart)}\t{chart.description}")


main()
