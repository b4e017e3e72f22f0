# SPDX-License-Identifier: MIT
"""Copies the page with its controls' stylesheet and its loading icon written into it: the
page then waits for no stylesheet before it shows, and the icon costs no request while the
game's code is arriving.

    python3 CopyPage.py <index.html> <page-controls.css> <quadrelle-192.png> <site/index.html>
"""
import base64
import sys


def main(page_path, stylesheet_path, icon_path, output_path):
    with open(page_path, encoding="utf-8") as file:
        page = file.read()
    with open(stylesheet_path, encoding="utf-8") as file:
        stylesheet = file.read()
    with open(icon_path, "rb") as file:
        icon = base64.b64encode(file.read()).decode("ascii")
    for link, inline in (
        ('<link rel="stylesheet" href="page-controls.css">', f"<style>\n{stylesheet}</style>"),
        ('src="icon/quadrelle-192.png"', f'src="data:image/png;base64,{icon}"'),
    ):
        if link not in page:
            sys.exit(f"CopyPage.py: {page_path} has no {link}")
        page = page.replace(link, inline)
    with open(output_path, "w", encoding="utf-8") as file:
        file.write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
