#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Writes every character the game can draw in its captions, for cutting the served fonts down to
# them: printable ASCII (digits, punctuation, the numbers and dates filled into texts), every
# source and translation in the text catalogues (*.ts), and every string literal of the given
# C++ files (the layout's captions that are not translated, such as "[x]").
#   FontGlyphs.py OUTPUT INPUT...
import re
import sys
import xml.etree.ElementTree as ElementTree

ESCAPES = {'n': '\n', 't': '\t', '"': '"', "'": "'", '\\': '\\', '0': '\0'}
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
ESCAPE = re.compile(r'\\(u[0-9a-fA-F]{4}|U[0-9a-fA-F]{8}|x[0-9a-fA-F]+|.)')


def unescape(literal):
    def one(match):
        code = match.group(1)
        if code[0] in 'uUx' and len(code) > 1:
            return chr(int(code[1:], 16))
        return ESCAPES.get(code, code)
    return ESCAPE.sub(one, literal)


def texts_of(path):
    if path.endswith('.ts'):
        for element in ElementTree.parse(path).iter():
            if element.tag in ('source', 'translation') and element.text:
                yield element.text
    else:
        with open(path, encoding='utf-8') as source:
            for literal in LITERAL.findall(source.read()):
                yield unescape(literal)


def main(output, inputs):
    characters = {chr(code) for code in range(0x20, 0x7f)}
    for path in inputs:
        for text in texts_of(path):
            characters.update(text)
    drawn = sorted(c for c in characters if c.isprintable() or c in '\u00a0\u00ad')
    with open(output, 'w', encoding='utf-8') as glyphs:
        glyphs.write(''.join(drawn))


if __name__ == '__main__':
    if len(sys.argv) < 2:
        sys.exit('usage: FontGlyphs.py OUTPUT INPUT...')
    main(sys.argv[1], sys.argv[2:])
