#!/usr/bin/env python3
"""The JSON of velmar-cli dump, dump-xls and info --json against the schemas
in docs/. Exit status 77 (skipped) when python3-jsonschema is missing."""
import copy
import json
import os
import subprocess
import sys
import tempfile

try:
    import jsonschema
except ImportError:
    print("python3-jsonschema is not installed")
    sys.exit(77)

cli, source = sys.argv[1], sys.argv[2]


def schema(name):
    with open(os.path.join(source, "docs", name), encoding="utf-8") as f:
        s = json.load(f)
    jsonschema.Draft202012Validator.check_schema(s)
    return jsonschema.Draft202012Validator(s)


def run(*args, stdin=None):
    done = subprocess.run([cli, *args], input=stdin, capture_output=True, check=True)
    return json.loads(done.stdout.decode("utf-8"))


dump, info = schema("velmar-dump.schema.json"), schema("velmar-info.schema.json")
satellite = os.path.join(source, "examples", "demo-satellite.bin")
cable = os.path.join(source, "examples", "demo-cable.bin")

with tempfile.TemporaryDirectory() as tmp:
    # A name with the code page's letters and two of its undefined bytes.
    script = os.path.join(tmp, "names.txt")
    with open(script, "w", encoding="utf-8") as f:
        f.write('select rows 1\nupdate "Name=\u20acuro \u201cTV\u201d \u2013 \u017d \x81\x9d"\n')
    named = os.path.join(tmp, "named.bin")
    subprocess.run([cli, "edit", satellite, script, named], check=True, capture_output=True)
    workbook = os.path.join(tmp, "channels.xls")
    subprocess.run([cli, "export-xls", named, workbook], check=True)

    documents = [
        (dump, run("dump", satellite)),
        (dump, run("--receiver", "cable", "dump", cable)),
        (dump, run("--receiver", "terrestrial", "--yes", "dump", satellite)),
        (dump, run("dump", named)),
        (dump, run("dump-xls", workbook)),
        (info, run("info", "--json", satellite)),
        (info, run("--receiver", "cable", "info", "--json", cable)),
        (info, run("info", "--json", named)),
    ]
    # diff exits 1 when the lists differ, 0 when they are the same.
    diff = schema("velmar-diff.schema.json")
    for first, second, status in ((satellite, named, 1), (satellite, satellite, 0),
                                  (satellite, workbook, 1)):
        done = subprocess.run([cli, "diff", "--json", first, second], capture_output=True)
        if done.returncode != status:
            print(f"diff --json {first} {second}: status {done.returncode}")
            sys.exit(1)
        documents.append((diff, json.loads(done.stdout.decode("utf-8"))))
    for validator, document in documents:
        validator.validate(document)
    print(f"{len(documents)} documents valid")

    # The schemas are strict enough to notice a change of layout.
    full = documents[0][1]
    broken = []
    changed = copy.deepcopy(full)
    changed["format"] = 2
    broken.append(changed)
    changed = copy.deepcopy(full)
    changed["tables"]["channels"][0]["Extra"] = 1
    broken.append(changed)
    changed = copy.deepcopy(full)
    del changed["tables"]["channels"][0]["Name"]
    broken.append(changed)
    changed = copy.deepcopy(full)
    changed["tables"]["channels"][0]["SatID"] = 256
    broken.append(changed)
    for document in broken:
        if dump.is_valid(document):
            print("the dump schema accepted a changed layout")
            sys.exit(1)
