#!/usr/bin/env python3
"""Checks the Group Policy templates against the keys that the programs read.

    check-policy-templates.py SETTINGS_EXPORT POLICY_DIR

The keys come from the program SETTINGS_EXPORT, which prints the programs' own table of settings
as JSON. Every key that an operator sets has exactly one policy, named and storing its value like
the key; its element fits the key's words or range and shows the programs' default; the Japanese
names of a key's words are those that the settings tool shows; and every string and presentation
of the ADMX resolves in each ADML, which holds nothing else.
"""
import json
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

NS = {"p": "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions"}
POLICY_KEY = r"SOFTWARE\Policies\TAL"
LANGUAGES = ("en-US", "ja-JP")
failures = []


def fail(message):
    failures.append(message)


def read_settings(exporter):
    """The settings as the exporter prints them, in the programs' order."""
    printed = subprocess.run([exporter], capture_output=True, text=True, encoding="utf-8")
    if printed.returncode != 0:
        sys.exit(f"{exporter} failed:\n{printed.stderr}")
    return json.loads(printed.stdout)


def kind_of(setting):
    """The ADMX element a key's policy needs, and the words or range it must offer."""
    if setting["kind"] in ("flag", "choice"):
        return "enum", setting["words"]
    if setting["kind"] == "seconds":
        return "decimal", (setting["minimum"], setting["maximum"])
    return "text", None


def references(text, kind):
    return set(re.findall(r"\$\(" + kind + r"\.([^)]+)\)", text))


def main(exporter, policy_dir):
    admx_path = f"{policy_dir}/TAL.admx"
    adml_paths = {lang: f"{policy_dir}/{lang}/TAL.adml" for lang in LANGUAGES}
    lint = subprocess.run(["xmllint", "--noout", admx_path, *adml_paths.values()],
                          capture_output=True, text=True)
    if lint.returncode != 0:
        sys.exit(f"not well-formed XML:\n{lint.stderr}")

    admx_text = open(admx_path, encoding="utf-8").read()
    admx = ET.fromstring(admx_text.encode("utf-8"))
    # The button's position is written by the kiosk where its button was left: never a policy.
    settings = {s["key"]: s for s in read_settings(exporter) if s["kind"] != "position"}
    wanted = {key: setting["kioskDefault"] for key, setting in settings.items()}

    categories = {c.get("name") for c in admx.iterfind("p:categories/p:category", NS)}
    supported = {d.get("name") for d in admx.iterfind("p:supportedOn/p:definitions/p:definition", NS)}
    adml = {lang: ET.parse(path).getroot() for lang, path in adml_paths.items()}
    presentations = {
        lang: {p.get("id"): p for p in root.iterfind("p:resources/p:presentationTable/p:presentation", NS)}
        for lang, root in adml.items()
    }

    seen = {}
    for policy in admx.iterfind("p:policies/p:policy", NS):
        name = policy.get("name")
        seen[name] = seen.get(name, 0) + 1
        if name not in wanted:
            fail(f"policy {name} names no key that the programs read")
            continue
        where = f"policy {name}"
        if policy.get("class") != "Both":
            fail(f"{where}: class {policy.get('class')}, not Both")
        if policy.get("key") != POLICY_KEY:
            fail(f"{where}: key {policy.get('key')}, not {POLICY_KEY}")
        if policy.get("valueName") is not None:
            fail(f"{where}: a valueName of its own besides its element")
        parent = policy.find("p:parentCategory", NS)
        if parent is None or parent.get("ref") not in categories:
            fail(f"{where}: not in a category of the file")
        support = policy.find("p:supportedOn", NS)
        if support is None or support.get("ref") not in supported:
            fail(f"{where}: no supportedOn of the file")
        holder = policy.find("p:elements", NS)
        elements = list(holder) if holder is not None else []
        if len(elements) != 1:
            fail(f"{where}: {len(elements)} elements, not one")
            continue
        element = elements[0]
        tag = element.tag.split("}")[1]
        if element.get("valueName") != name or element.get("id") != name:
            fail(f"{where}: element id/valueName {element.get('id')}/{element.get('valueName')}")
        kind, detail = kind_of(settings[name])
        if tag != kind:
            fail(f"{where}: a {tag} element for a key of kind {kind}")
            continue
        presentation_id = re.fullmatch(r"\$\(presentation\.([^)]+)\)", policy.get("presentation") or "")
        shown = {lang: table.get(presentation_id.group(1)) if presentation_id else None
                 for lang, table in presentations.items()}
        for lang, presentation in shown.items():
            if presentation is None:
                fail(f"{where}: no presentation in {lang}")
                continue
            refs = [child.get("refId") for child in presentation]
            if refs != [name]:
                fail(f"{where}: the {lang} presentation shows {refs}, not [{name}]")
        if kind == "enum":
            values = []
            display_names = []
            for item in element.iterfind("p:item", NS):
                strings = item.findall("p:value/p:string", NS)
                if len(strings) != 1 or len(list(item.find("p:value", NS))) != 1:
                    fail(f"{where}: an item that does not store a REG_SZ")
                    continue
                values.append(strings[0].text)
                display_names.append(item.get("displayName"))
            if sorted(values) != sorted(detail):
                fail(f"{where}: values {values}, not {detail}")
            names = dict(zip(settings[name]["words"], settings[name]["names"]))
            strings_ja = {s.get("id"): s.text or "" for s in
                          adml["ja-JP"].iterfind("p:resources/p:stringTable/p:string", NS)}
            for value, display in zip(values, display_names):
                string_id = re.fullmatch(r"\$\(string\.([^)]+)\)", display or "")
                text = strings_ja.get(string_id.group(1), "") if string_id else ""
                if value in names and not text.startswith(names[value]):
                    fail(f"{where}: the ja-JP name of {value} is {text!r}, not the dialogs' {names[value]!r}")
            for lang, presentation in shown.items():
                box = presentation.find("p:dropdownList", NS) if presentation is not None else None
                if box is None:
                    fail(f"{where}: the {lang} presentation has no drop-down list")
                    continue
                index = int(box.get("defaultItem", "-1"))
                if not 0 <= index < len(values) or values[index] != wanted[name]:
                    fail(f"{where}: the {lang} drop-down does not start at the default {wanted[name]}")
        elif kind == "decimal":
            low, high = detail or (None, None)
            if element.get("minValue") != str(low) or element.get("maxValue") != str(high):
                fail(f"{where}: range {element.get('minValue')}..{element.get('maxValue')}, not {low}..{high}")
            if element.get("storeAsText") not in (None, "false"):
                fail(f"{where}: stored as text, not REG_DWORD")
            for lang, presentation in shown.items():
                box = presentation.find("p:decimalTextBox", NS) if presentation is not None else None
                if box is None or box.get("defaultValue") != wanted[name]:
                    fail(f"{where}: the {lang} number box does not start at the default {wanted[name]}")
        else:
            if element.get("expandable") not in (None, "false"):
                fail(f"{where}: REG_EXPAND_SZ, not REG_SZ")
            for lang, presentation in shown.items():
                box = presentation.find("p:textBox", NS) if presentation is not None else None
                default = box.findtext("p:defaultValue", "", NS) if box is not None else None
                if default != wanted[name]:
                    fail(f"{where}: the {lang} text box starts at {default!r}, not the default {wanted[name]!r}")

    for key in wanted:
        if seen.get(key, 0) != 1:
            fail(f"key {key}: {seen.get(key, 0)} policies, not one")

    string_refs = references(admx_text, "string")
    presentation_refs = references(admx_text, "presentation")
    for lang, root in adml.items():
        strings = [s.get("id") for s in root.iterfind("p:resources/p:stringTable/p:string", NS)]
        for ids, refs, what in ((strings, string_refs, "string"),
                                (list(presentations[lang]), presentation_refs, "presentation")):
            duplicates = {i for i in ids if ids.count(i) > 1}
            if duplicates:
                fail(f"{lang}: {what} ids twice: {sorted(duplicates)}")
            if set(refs) - set(ids):
                fail(f"{lang}: {what} ids of the ADMX missing: {sorted(set(refs) - set(ids))}")
            if set(ids) - set(refs):
                fail(f"{lang}: {what} ids the ADMX does not use: {sorted(set(ids) - set(refs))}")
        for string in root.iterfind("p:resources/p:stringTable/p:string", NS):
            if not (string.text or "").strip():
                fail(f"{lang}: string {string.get('id')} is empty")

    for message in failures:
        print("FAILED:", message)
    print(f"{len(wanted)} keys, {sum(seen.values())} policies, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
