#!/usr/bin/python3
"""Reads a dBASE table with dbfread, an independent reader, and prints its field list, then one
line per record (values joined by '|', deleted records prefixed 'deleted '). Exits non-zero
when the reader cannot make sense of the file or the record count disagrees with the header."""

import sys

import dbfread

path = sys.argv[1]
table = dbfread.DBF(path, load=True, char_decode_errors="strict", encoding="cp1252")
print("fields " + " ".join("%s:%s:%d:%d" % (f.name, f.type, f.length, f.decimal_count)
                            for f in table.fields))
for record in table.records:
    print("|".join(str(v).rstrip() if isinstance(v, str) else str(v) for v in record.values()))
for record in table.deleted:
    print("deleted " + "|".join(str(v).rstrip() if isinstance(v, str) else str(v)
                                for v in record.values()))
if len(table.records) + len(table.deleted) != table.header.numrecords:
    sys.exit("record count differs from the header")
