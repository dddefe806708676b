#!/usr/bin/env python3
"""Makes layouts with `tessaline-cli layout` and reads them back with
`tessaline-cli show --json`: what the load produced must be what the file
says, element for element, and a layout whose images went missing opens
without them, marked modified."""
import json
import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

CLI, SAMPLES, WORK = sys.argv[1:4]
SHOW_KEYS = ["modified", "pageWidth", "pageHeight", "maxPageCount", "pageNumber", "layout", "objects"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*args, status=0):
    done = subprocess.run([CLI, *args], capture_output=True, text=True)
    check(done.returncode == status, f"{' '.join(args)}: status {done.returncode}, wanted {status}\n{done.stderr}")
    return done


def show(path):
    return json.loads(run("show", "--json", path).stdout, object_pairs_hook=lambda pairs: pairs)


def elements(node):
    return [(child.tag, child.text or "") for child in node]


def compare(path):
    """The show output of `path` against the file itself."""
    shown = show(path)
    check([k for k, _ in shown] == SHOW_KEYS, f"{path}: keys {[k for k, _ in shown]}")
    shown = dict(shown)
    root = ET.parse(path).getroot()
    check(shown["layout"] == elements(root.find("layout")), f"{path}: layout elements differ")
    objects = list(root.find("object") if root.find("object") is not None else [])
    check(len(shown["objects"]) == len(objects), f"{path}: {len(shown['objects'])} objects shown, {len(objects)} in the file")
    for number, (entry, element) in enumerate(zip(shown["objects"], objects), 1):
        entry = list(entry)
        check(entry[0] == ("kind", element.tag), f"{path}: object {number} kind {entry[0]}")
        rest = entry[1:]
        if element.tag == "image":
            check(rest[0][0] == "path" and rest[0][1].endswith("/" + element.find("File").text.strip('"')),
                  f"{path}: object {number} path {rest[0]}")
            rest = rest[1:]
        check(rest == elements(element), f"{path}: object {number} elements differ:\n{rest}\n{elements(element)}")
    return shown


os.makedirs(WORK, exist_ok=True)

# A contact sheet of the bundled samples; the generator script is skipped.
contact = os.path.join(WORK, "contact.qlf")
made = run("layout", "--template", "Contact Sheet A4", "-o", contact, SAMPLES)
check("15 images on 1 page, 1 file skipped" in made.stdout, made.stdout)
shown = compare(contact)
check(shown["modified"] is False, "contact sheet read back modified")
check(len(shown["objects"]) == 15, f"{len(shown['objects'])} objects")
check(dict(shown["layout"])["Comment"].startswith('"30 small pictures'), "the template's comment is kept")

# The default layout, turned into a free layout: every image has its place.
free = os.path.join(WORK, "free.qlf")
run("layout", "--free", "-o", free, os.path.join(SAMPLES, "harbour_landscape.jpg"), os.path.join(SAMPLES, "tower_tall.jpg"))
shown = compare(free)
check(dict(shown["layout"])["Free"] == "true", "not a free layout")
check(all(dict(o[2:])["Origin"] for o in shown["objects"]), "free images without Origin")

# The images move away: the layout opens without them and says so.
moved = os.path.join(WORK, "moved")
os.makedirs(moved, exist_ok=True)
for name in ("flower_square.jpg", "night_lights.jpg"):
    shutil.copy(os.path.join(SAMPLES, name), moved)
partial = os.path.join(WORK, "partial.qlf")
run("layout", "-o", partial, moved)
os.remove(os.path.join(moved, "night_lights.jpg"))
shown = dict(show(partial))
check(shown["modified"] is True, "a layout that lost an image is not marked modified")
check(len(shown["objects"]) == 1, f"{len(shown['objects'])} objects after one image went missing")

# A file that is not a layout fails with the message on standard error.
bad = os.path.join(WORK, "bad.qlf")
with open(bad, "w") as f:
    f.write("<root><layout><Foo/></layout></root>")
done = run("show", bad, status=1)
check("Failed to open file." in done.stderr, done.stderr)
with open(bad, "w") as f:
    f.write("not xml")
done = run("show", "--json", bad, status=1)
check("Failed to open file." in done.stderr and done.stdout == "", done.stderr)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
