#!/usr/bin/env python3
"""Writes the English catalogue as C++ source, so that the programs without Qt (the command
line, the Python module, the page) speak the same English as the windows.

Usage: generate_catalogue.py CATALOGUE.ts OUTPUT.cpp
"""
import sys
import xml.etree.ElementTree as ElementTree


def cpp_literal(text):
    """A UTF-8 string literal; octal escapes keep every byte as it is."""
    out = []
    for byte in text.encode("utf-8"):
        if byte in (0x22, 0x5C):
            out.append("\\" + chr(byte))
        elif 0x20 <= byte < 0x7F and byte != 0x3F:  # '?' would start a trigraph in old C++
            out.append(chr(byte))
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def entries(catalogue):
    for context in ElementTree.parse(catalogue).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete",
                                                                  "vanished"):
                continue
            yield name, message.findtext("source"), translation.text or ""


def main():
    catalogue, output = sys.argv[1], sys.argv[2]
    lines = [
        "// Generated from translations/tubeline_en.ts by translations/generate_catalogue.py.",
        '#include "texts/catalogue.h"',
        "",
        "namespace tubeline {",
        "namespace {",
        "",
        "constexpr CatalogueEntry kEntries[] = {",
    ]
    for context, source, translation in sorted(entries(catalogue)):
        lines.append("    {%s, %s, %s}," % (cpp_literal(context), cpp_literal(source),
                                            cpp_literal(translation)))
    lines += [
        "};",
        "",
        "}  // namespace",
        "",
        "std::span<const CatalogueEntry> EnglishCatalogue() {",
        "    return kEntries;",
        "}",
        "",
        "}  // namespace tubeline",
        "",
    ]
    with open(output, "w", encoding="utf-8") as file:
        file.write("\n".join(lines))


if __name__ == "__main__":
    main()
