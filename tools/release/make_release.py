#!/usr/bin/env python3
"""Writes the release archive Tarvex2-<version><suffix>.zip and its SHA-256
sum beside it: the plug-in, the English localisation file, readme.txt (CR LF)
and guide.html, the author's guide rendered by cmark-gfm with its pictures in
pictures/. The same inputs give the same bytes: fixed entry order, one fixed
time stamp (the commit's), fixed attributes.

Links of the guide into this repository (other Markdown pages, folders) mean
nothing beside the archive: they become their plain text. A link to an anchor
that no heading has, a missing picture, or a path of this machine in any
archived file stops the release.
"""

import argparse
import hashlib
import html
import os
import re
import subprocess
import sys
import tempfile
import time
import zipfile

# The time stamp of every entry where the tree has no git history.
FALLBACK_EPOCH = 315532800  # 1980-01-01, the earliest a zip can hold


def fail(message):
    sys.exit(f"make_release: {message}")


def commit_time(root):
    try:
        out = subprocess.run(["git", "-C", root, "log", "-1", "--format=%ct"],
                             capture_output=True, text=True, check=True).stdout.strip()
        return max(int(out), FALLBACK_EPOCH)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return FALLBACK_EPOCH


def slug(heading_html):
    """GitHub's anchor for a heading: its text in lower case, without
    punctuation, blanks as hyphens."""
    text = html.unescape(re.sub(r"<[^>]+>", "", heading_html)).strip().lower()
    text = re.sub(r"[^\w\- ]", "", text)
    return text.replace(" ", "-")


def render_guide(cmark, guide_md, version):
    body = subprocess.run([cmark, "--to", "html", "-e", "table", "-e", "autolink",
                           "-e", "strikethrough", guide_md],
                          capture_output=True, text=True, check=True, encoding="utf-8").stdout

    ids = set()

    def add_id(m):
        base = slug(m.group(2))
        anchor, n = base, 1
        while anchor in ids:
            anchor, n = f"{base}-{n}", n + 1
        ids.add(anchor)
        return f'<h{m.group(1)} id="{anchor}">{m.group(2)}</h{m.group(1)}>'
    body = re.sub(r"<h([1-6])>(.*?)</h\1>", add_id, body, flags=re.S)

    def link(m):
        target = html.unescape(m.group(1))
        if target.startswith("#"):
            if target[1:] not in ids:
                fail(f"the guide links to #{target[1:]}, which no heading has")
            return m.group(0)
        if re.match(r"^[a-z][a-z0-9+.-]*:", target, re.I):
            return m.group(0)  # a web address
        return m.group(2)  # a page or folder of this repository: its text only
    body = re.sub(r'<a href="([^"]*)"[^>]*>(.*?)</a>', link, body, flags=re.S)

    pictures = []

    def picture(m):
        src = html.unescape(m.group(1))
        if re.match(r"^[a-z][a-z0-9+.-]*:", src, re.I) or src.startswith("/"):
            fail(f"the guide's picture {src} is not a file beside it")
        source = os.path.normpath(os.path.join(os.path.dirname(guide_md), src))
        if not os.path.isfile(source):
            fail(f"the guide's picture {src} does not exist ({source})")
        name = "pictures/" + os.path.basename(source)
        if name not in [p[0] for p in pictures]:
            pictures.append((name, source))
        return f'<img src="{html.escape(name)}"'
    body = re.sub(r'<img src="([^"]*)"', picture, body)

    title = "Tarvex 2: the author's guide"
    page = f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title} (version {version})</title>
<style>
body {{ font-family: system-ui, "Segoe UI", Arial, sans-serif; max-width: 60em; margin: 1em auto; padding: 0 1em; line-height: 1.45; color: #222; }}
table {{ border-collapse: collapse; margin: 0.5em 0; }}
th, td {{ border: 1px solid #bbb; padding: 0.25em 0.5em; vertical-align: top; }}
th {{ background: #eee; }}
code, pre {{ font-family: Consolas, "DejaVu Sans Mono", monospace; background: #f4f4f4; }}
pre {{ padding: 0.5em; overflow-x: auto; }}
img {{ max-width: 100%; }}
.version {{ color: #666; }}
</style>
</head>
<body>
<p class="version">Tarvex 2, version {version}</p>
{body}</body>
</html>
"""
    return page, pictures


def readme_text(template, version):
    with open(template, encoding="ascii") as f:
        text = f.read().replace("@VERSION@", version)
    # Notepad and every Windows tool read CR LF.
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("ascii")


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--root", required=True, help="the source tree")
    p.add_argument("--version-file", required=True)
    p.add_argument("--plugin", required=True)
    p.add_argument("--loc", required=True)
    p.add_argument("--guide", required=True)
    p.add_argument("--readme", required=True)
    p.add_argument("--cmark", required=True)
    p.add_argument("--out-dir", required=True)
    p.add_argument("--suffix", default="", help="after the version in the archive's name")
    p.add_argument("--forbid", action="append", default=[],
                   help="a path of this machine that no archived file may name")
    a = p.parse_args()

    with open(a.version_file) as f:
        version = f.read().strip()
    if not re.fullmatch(r"\d+\.\d+\.\d+", version):
        fail(f"{a.version_file} holds no version (found {version!r})")

    page, pictures = render_guide(a.cmark, a.guide, version)

    def read(path):
        with open(path, "rb") as f:
            return f.read()
    entries = [
        ("Tarvex2.nbp", read(a.plugin)),
        ("readme.txt", readme_text(a.readme, version)),
        ("guide.html", page.encode("utf-8")),
        ("loc/en/Tarvex.loc", read(a.loc)),
    ] + [(name, read(source)) for name, source in pictures]

    for path in [a.root, os.path.realpath(a.root)] + a.forbid:
        for name, data in entries:
            if path and path.encode() in data:
                fail(f"{name} names {path}, a path of this machine")

    stamp = time.gmtime(commit_time(a.root))[:6]
    name = f"Tarvex2-{version}{a.suffix}.zip"
    os.makedirs(a.out_dir, exist_ok=True)
    archive = os.path.join(a.out_dir, name)
    fd, temporary = tempfile.mkstemp(dir=a.out_dir, prefix=".release-")
    os.close(fd)
    try:
        with zipfile.ZipFile(temporary, "w") as z:
            for entry, data in entries:
                info = zipfile.ZipInfo(entry, date_time=stamp)
                info.create_system = 0  # MS-DOS attributes: none
                info.external_attr = 0
                info.compress_type = zipfile.ZIP_DEFLATED
                z.writestr(info, data, compresslevel=9)
        os.chmod(temporary, 0o644)
        os.replace(temporary, archive)
    finally:
        if os.path.exists(temporary):
            os.remove(temporary)

    digest = hashlib.sha256(read(archive)).hexdigest()
    with open(archive + ".sha256", "w", newline="\n") as f:
        f.write(f"{digest}  {name}\n")

    # Archives of earlier builds go: one release in the folder at a time.
    pattern = re.compile(r"Tarvex2-\d+\.\d+\.\d+" + re.escape(a.suffix) + r"\.zip(\.sha256)?")
    for old in os.listdir(a.out_dir):
        if pattern.fullmatch(old) and not old.startswith(name):
            os.remove(os.path.join(a.out_dir, old))

    print(f"{archive}\n  sha256 {digest}")


if __name__ == "__main__":
    main()
