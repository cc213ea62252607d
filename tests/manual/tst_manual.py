"""Checks every page of the player's manual: well-formed, self-contained, and in step with the
English page and with the game.

Usage: tst_manual.py SOURCE_DIR

Every page (dist/manual/index.html and index.<lang>.html) must parse as XML, name its
language, load nothing from elsewhere, run no script, keep the English page's heading ids (so
that links into it work in every language), and hold the omen table of 13 ranks. Each page
shows the omens, names the buttons and quotes the warning exactly as the game does in its
language (translations/zorvane_<lang>.ts).
"""

import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

XHTML = "{http://www.w3.org/1999/xhtml}"
# Keys every language writes the same way; the names of the others are the page's own words.
DIGIT_KEYS = ["0", "1", "2", "3", "4", "5"]
ENGLISH_WORDS = {
    "keys": ["Space", "Tab", "Shift", "Enter", "Esc", "Alt", "P", "N", "H", "A"],
    "messages": ["God's design is unknown !"],
}
# As the game writes them; the pages show them without the access key's '&'.
CAPTIONS = ["&Prediction", "&New Back", "&Help", "&About", "Open Online Help"]


def omens_in_game(source):
    """The omen texts, Ace first, as the game shows them in English."""
    code = (source / "board" / "Words.cpp").read_text(encoding="utf-8")
    table = re.search(r"kOmens = \{(.*?)\};", code, re.S).group(1)
    return re.findall(r'QT_TRANSLATE_NOOP\("\w+", "((?:[^"\\]|\\.)*)"\)', table)


def translations(ts_file):
    """Source text -> translation, for every finished message of a .ts file."""
    said = {}
    for message in ElementTree.parse(ts_file).getroot().iter("message"):
        translation = message.find("translation")
        if translation is not None and translation.get("type") is None:
            said[message.findtext("source")] = translation.text or ""
    return said


def words_of_languages(source):
    """For each language: the omens in order, the captions without '&', the warning."""
    omens = omens_in_game(source)
    languages = {"en": {
        "omens": omens,
        "captions": [c.replace("&", "") for c in CAPTIONS],
        "messages": ENGLISH_WORDS["messages"],
    }}
    for ts_file in sorted((source / "translations").glob("zorvane_*.ts")):
        said = translations(ts_file)
        language = ts_file.stem[len("zorvane_"):]
        languages[language] = {
            "omens": [said.get(omen) for omen in omens],
            "captions": [said.get(c, c).replace("&", "") for c in CAPTIONS],
            "messages": [said.get(m, m) for m in ENGLISH_WORDS["messages"]],
        }
    return languages


def heading_ids(root):
    return [e.get("id") for e in root.iter()
            if e.tag in (XHTML + "h1", XHTML + "h2", XHTML + "h3") and e.get("id")]


def text_of(element):
    # Only the markup's line breaks and indents fold; a no-break space is the page's own word.
    return re.sub(r"[ \t\r\n]+", " ", "".join(element.itertext())).strip()


def check_page(page, english, words_by_language, failures):
    def fail(message):
        failures.append(f"{page.name}: {message}")

    said = subprocess.run(["xmllint", "--noout", str(page)], capture_output=True, text=True)
    if said.returncode != 0 or said.stderr:
        fail(f"not well-formed: {said.stderr.strip()}")
        return
    root = ElementTree.parse(page).getroot()
    every = list(root.iter())
    language = root.get("lang", "")
    expected_language = page.name.split(".")[1] if page.name.count(".") == 2 else "en"
    if language.replace("-", "_") != expected_language:
        fail(f"lang is '{language}', the file name says '{expected_language}'")
    if not any(m.get("charset", "").lower() == "utf-8" for m in root.iter(XHTML + "meta")):
        fail("not declared as UTF-8")

    for element in every:
        if element.tag in (XHTML + "script", XHTML + "iframe", XHTML + "object"):
            fail(f"has a <{element.tag[len(XHTML):]}>")
        for name, value in element.attrib.items():
            if name.startswith("on"):
                fail(f"runs a script from {name}")
            if name in ("src", "href") and ":" in value.split("#")[0]:
                fail(f"loads {value} from outside the manual")
    for link in root.iter(XHTML + "link"):
        if not (page.parent / link.get("href")).is_file():
            fail(f"links {link.get('href')}, which the manual does not have")

    ids = heading_ids(root)
    if ids != english:
        fail(f"heading ids {ids} differ from the English page's {english}")
    targets = {e.get("id") for e in every if e.get("id")}
    for anchor in root.iter(XHTML + "a"):
        href = anchor.get("href", "")
        if href.startswith("#") and href[1:] not in targets:
            fail(f"links to {href}, which is not on the page")

    omen_table = root.find(f".//{XHTML}h2[@id='omens']/..//{XHTML}tbody")
    rows = [] if omen_table is None else omen_table.findall(XHTML + "tr")
    if len(rows) != 13:
        fail(f"the omen table has {len(rows)} ranks, not 13")
    shown = [text_of(row.findall(XHTML + "td")[-1]) for row in rows]
    words = words_by_language.get(expected_language)
    if words is None:
        fail("the game has no texts in this language")
        return
    if shown != words["omens"]:
        fail(f"the omens differ from the game's: {shown} against {words['omens']}")

    keys = {text_of(k) for k in root.iter(XHTML + "kbd")}
    english_keys = ENGLISH_WORDS["keys"] if expected_language == "en" else []
    for key in DIGIT_KEYS + english_keys:
        if key not in keys:
            fail(f"does not name the key {key}")
    text = text_of(root)
    for phrase in words["captions"] + words["messages"]:
        if phrase not in text:
            fail(f"does not name '{phrase}'")


def main():
    source = Path(sys.argv[1])
    pages = sorted((source / "dist" / "manual").glob("*.html"))
    english_page = source / "dist" / "manual" / "index.html"
    if english_page not in pages:
        print("FAIL: no dist/manual/index.html", file=sys.stderr)
        return 1
    english = heading_ids(ElementTree.parse(english_page).getroot())
    words_by_language = words_of_languages(source)
    failures = []
    for page in pages:
        check_page(page, english, words_by_language, failures)
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    print(f"{len(pages)} page(s) checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
