#!/usr/bin/python3
"""windows-components: names every component that Zentaro's Windows packages
ship, from what was actually built, and writes either the notices file that
goes beside zentaro.exe or an SPDX 2.3 SBOM of the zip.

usage: windows-components notices --out NOTICES.txt [COMMON | @FILE]
       windows-components spdx --zip ZIP --out FILE.spdx.json [COMMON | @FILE]
       windows-components keep QTBASE_SOURCE DIR   (what the two read of Qt's source)

COMMON:
  --version V             Zentaro's version
  --license FILE          Zentaro's licence (MIT)
  --qt-sbom FILE          the SPDX tag:value document that Qt's own build wrote
                          (PREFIX/sbom/qtbase-*.spdx)
  --qt-source DIR         Debian's qt6-base source package as fetched: its .dsc
                          and tarballs, and LICENSES/ (Qt's licence texts)
  --compiler CXX          the MinGW-w64 g++ that built everything
  --qt-file NAME ...      the Qt files that are shipped (Qt6Core.dll, qwindows.dll, ...)

Where the facts come from:
  - Qt and each library bundled into the shipped Qt files: Qt's SBOM, which
    Qt's build makes from the qt_attribution.json files of the sources it
    compiled (name, version, licence, copyright), following each shipped
    file's module or plugin to the bundled libraries it depends on;
  - their licence texts: LICENSES/ of the same source, or the SBOM's own
    extracted texts for Qt's LicenseRef- licences;
  - the GCC runtime and winpthreads: the compiler's version, the Debian
    package that holds each DLL and its version, and the licence texts from
    that package's copyright file (the GCC Runtime Library Exception, and
    winpthreads' MIT and BSD texts); the GPL's text from Qt's LICENSES/.
A file in the zip that no component claims, or a licence whose text cannot be
found, is an error: nothing is shipped unnamed.
"""
import argparse, datetime, hashlib, json, os, re, subprocess, sys, zipfile
from pathlib import Path

HOMEPAGE = "https://parvelin.example.com/zentaro"


def die(message):
    print(f"windows-components: {message}", file=sys.stderr)
    sys.exit(1)


# --- Qt's SBOM ----------------------------------------------------------------

def parse_spdx_tag_value(text):
    """Packages, files, extracted licences and relationships of an SPDX
    tag:value document. Values may span lines inside <text>...</text>."""
    packages, files, licences, relationships = {}, {}, {}, []
    current = None
    lines = iter(text.splitlines())
    for line in lines:
        if ":" not in line or line.startswith("#"):
            continue
        tag, _, value = line.partition(":")
        tag, value = tag.strip(), value.strip()
        if value.startswith("<text>"):
            value = value[len("<text>"):]
            while "</text>" not in value:
                try:
                    value += "\n" + next(lines)
                except StopIteration:
                    break
            value = value[:value.index("</text>")] if "</text>" in value else value
        if tag == "PackageName":
            current = {"kind": "package", "name": value}
        elif tag == "FileName":
            current = {"kind": "file", "name": value}
        elif tag == "LicenseID":
            current = {"kind": "licence", "id": value}
            licences[value] = current
        elif tag == "SPDXID" and current is not None and "SPDXID" not in current:
            current["SPDXID"] = value
            (packages if current["kind"] == "package" else files
             if current["kind"] == "file" else {})[value] = current
        elif tag == "Relationship":
            parts = value.split()
            if len(parts) == 3:
                relationships.append(tuple(parts))
        elif current is not None:
            current.setdefault(tag, value)
    return packages, files, licences, relationships


def licence_ids(expression):
    """The licence identifiers in an SPDX licence expression."""
    return [t for t in re.findall(r"[A-Za-z0-9.+-]+", expression or "")
            if t not in ("AND", "OR", "WITH", "NOASSERTION", "NONE")]


class Qt:
    def __init__(self, sbom_path, source_dir, shipped):
        text = Path(sbom_path).read_text(encoding="utf-8")
        self.packages, self.files, self.extracted, self.relationships = parse_spdx_tag_value(text)
        self.source_dir = Path(source_dir)
        self.shipped = shipped
        # Which package contains each shipped file, by file name.
        self.owner_of = {}
        for a, rel, b in self.relationships:
            if rel == "CONTAINS" and b in self.files and a in self.packages:
                self.owner_of[os.path.basename(self.files[b]["name"])] = a
        missing = [f for f in shipped if f not in self.owner_of]
        if missing:
            die(f"Qt's SBOM names no package for the shipped files {missing}")
        self.depends = {}
        for a, rel, b in self.relationships:
            if rel in ("DEPENDS_ON", "CONTAINS") and b in self.packages:
                self.depends.setdefault(a, []).append(b)

    def is_bundled(self, spdx_id):
        """A library Qt bundles from elsewhere ("...-3rdparty-..."), rather
        than one of Qt's own modules and plugins, a system library that is not
        shipped ("...-system-3rdparty-"), or one of the CMake scripts that
        Qt's build borrows (cmake/3rdparty/), which end up in no binary."""
        comment = self.packages[spdx_id].get("PackageComment", "")
        return ("3rdparty" in spdx_id and "system-3rdparty" not in spdx_id and
                "/src_dir/qtbase/cmake/3rdparty/" not in comment)

    def links_dynamically(self, spdx_id):
        """Whether a package is a DLL of its own, named as a file of its own
        rather than as part of whatever depends on it."""
        return any(a == spdx_id and rel == "CONTAINS" and b in self.files and
                   self.files[b]["name"].lower().endswith(".dll")
                   for a, rel, b in self.relationships)

    def bundled_in(self, file_name):
        """The third-party packages that one shipped Qt file bundles: its
        module's or plugin's dependencies, followed through Qt's static
        internal modules and through the bundled libraries themselves, but not
        into another DLL, which is named as a file of its own."""
        start = self.owner_of[file_name]
        seen, stack, found = {start}, [start], []
        while stack:
            for dep in self.depends.get(stack.pop(), []):
                if dep in seen:
                    continue
                seen.add(dep)
                if self.is_bundled(dep):
                    found.append(dep)
                    stack.append(dep)
                elif "system-3rdparty" not in dep and not self.links_dynamically(dep):
                    stack.append(dep)
        return found

    def display_name(self, spdx_id):
        package = self.packages[spdx_id]
        named = re.search(r"^\s*Name:\s*(.+)$", package.get("PackageComment", ""), re.M)
        return named.group(1).strip() if named else package["name"]

    def licence_text(self, licence_id, spdx_id=None):
        """A licence's text: Qt's LICENSES/ folder, else the SBOM's own
        extracted text, else the licence file that the package's
        qt_attribution.json names (kept by `windows-components keep`)."""
        path = self.source_dir / "LICENSES" / f"{licence_id}.txt"
        if path.is_file():
            return path.read_text(encoding="utf-8", errors="replace").strip()
        extracted = self.extracted.get(licence_id, {}).get("ExtractedText")
        if extracted:
            return extracted.strip()
        if spdx_id is not None:
            texts = [p.read_text(encoding="utf-8", errors="replace").strip()
                     for p in self.attribution_files(spdx_id)]
            if texts:
                return "\n\n".join(texts)
        return None

    def attribution_files(self, spdx_id):
        """The licence files named by the qt_attribution.json entry that a
        package was made from, as kept beside the source package."""
        comment = self.packages[spdx_id].get("PackageComment", "")
        source = re.search(r"/src_dir/qtbase/(\S+qt_attribution\.json)", comment)
        index = re.search(r"Entry index:\s*(\d+)", comment)
        if not source:
            return []
        json_path = self.source_dir / "attributions" / source.group(1)
        if not json_path.is_file():
            return []
        entries = json.loads(json_path.read_text(encoding="utf-8"), strict=False)
        entries = entries if isinstance(entries, list) else [entries]
        entry = entries[int(index.group(1)) if index else 0]
        names = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
        return [json_path.parent / n for n in names if (json_path.parent / n).is_file()]


# --- the compiler's runtime ----------------------------------------------------

def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout.strip()


def debian_package_of(path):
    """The Debian package holding a file, and its version."""
    real = os.path.realpath(path)
    for candidate in (path, real):
        try:
            owner = run("dpkg-query", "-S", candidate).split(":")[0].split(",")[0].strip()
            return owner, run("dpkg-query", "-W", "-f=${Version}", owner)
        except subprocess.CalledProcessError:
            continue
    die(f"no Debian package holds {path}")


def copyright_file(package):
    path = Path("/usr/share/doc") / package / "copyright"
    if not path.is_file():
        die(f"{path} is missing")
    return path.read_text(encoding="utf-8", errors="replace")


def between(text, first_line, last_line, where):
    """The lines from the one that is first_line through the one that ends
    with last_line."""
    lines = text.splitlines()
    try:
        start = next(i for i, l in enumerate(lines) if l.strip() == first_line)
        end = next(i for i in range(start, len(lines)) if lines[i].rstrip().endswith(last_line))
    except StopIteration:
        die(f"{where} lacks the text from {first_line!r} to {last_line!r}")
    return "\n".join(lines[start:end + 1]).strip()


def dep5_paragraphs(text):
    paragraphs, current = [], {}
    last = None
    for line in text.splitlines() + [""]:
        if not line.strip():
            if current:
                paragraphs.append(current)
            current, last = {}, None
        elif line[0] in " \t" and last:
            current[last] += "\n" + (line[1:] if line[1:].strip() != "." else "")
        elif ":" in line:
            last, _, value = line.partition(":")
            current[last] = value.strip()
    return paragraphs


def winpthreads_licences(copyright_text):
    """winpthreads' licences from Debian's machine-readable copyright file
    of MinGW-w64: each of the library's own Files paragraphs (not its tests
    or build helpers) with its licence's full text."""
    paragraphs = dep5_paragraphs(copyright_text)
    standalone = {p["License"].split("\n")[0].strip(): p["License"] for p in paragraphs
                  if "License" in p and "Files" not in p}
    texts = []
    for p in paragraphs:
        files = p.get("Files", "")
        if "winpthreads/" not in files or "tests_pthread" in files or "build-aux" in files:
            continue
        name, _, body = p["License"].partition("\n")
        name = name.strip()
        body = body.strip() or standalone.get(name, "").partition("\n")[2].strip()
        if not body and name != "public-domain":
            die(f"MinGW-w64's copyright file gives no text for {name}")
        texts.append((" ".join(files.split()), p.get("Copyright", "").replace("\n", "; "), name,
                      body or "Public domain."))
    if not texts:
        die("MinGW-w64's copyright file names no winpthreads files")
    return texts


# --- the components --------------------------------------------------------------

def components(args):
    """Every component, in the order the notices list them. Each: name,
    version, licence (SPDX expression), copyright, files (names in the
    package), texts [(title, text)], and for Qt, what each file bundles."""
    qt = Qt(args.qt_sbom, args.qt_source, args.qt_file)
    dsc = sorted(Path(args.qt_source).glob("qt6-base_*.dsc"))
    if not dsc:
        die(f"no Debian source package in {args.qt_source}")
    debian_version = dsc[0].name[len("qt6-base_"):-len(".dsc")]
    qt_version = debian_version.split("+")[0]
    source_files = sorted(p.name for p in Path(args.qt_source).glob("qt6-base_*"))

    result = [{
        "id": "Zentaro", "name": "Zentaro", "version": args.version, "licence": "MIT",
        "copyright": "Copyright (c) 2026 Parvelin", "supplier": "Organization: Parvelin",
        "download": HOMEPAGE,
        "files": ["zentaro.exe", "LICENSE.txt", "NOTICES.txt"],
        "texts": [("MIT, as Zentaro gives it", Path(args.license).read_text(encoding="utf-8").strip())],
    }]

    lgpl = qt.licence_text("LGPL-3.0-only")
    gpl3 = qt.licence_text("GPL-3.0-only")
    if not lgpl or not gpl3:
        die("Qt's LICENSES/ lacks the LGPL-3.0 or GPL-3.0 text")
    bundled = {f: qt.bundled_in(f) for f in args.qt_file}
    result.append({
        "id": "Qt", "name": "Qt (qtbase)", "version": qt_version,
        "debian_version": debian_version, "licence": "LGPL-3.0-only",
        "copyright": "Copyright (C) The Qt Company Ltd. and other contributors",
        "supplier": "Organization: The Qt Company", "download": "https://download.qt.io/",
        "files": list(args.qt_file), "source_files": source_files,
        "texts": [("GNU Lesser General Public License v3.0", lgpl),
                  ("GNU General Public License v3.0 (the LGPL's base)", gpl3)],
    })
    # One entry per library, however many of Qt's packages describe it (a
    # bundled library and the private module that wraps it, say).
    entries = {}
    for f, ids in bundled.items():
        for p in ids:
            package = qt.packages[p]
            expression = package.get("PackageLicenseConcluded") or package.get("PackageLicenseDeclared")
            if not expression or expression in ("NOASSERTION", "NONE"):
                die(f"Qt's SBOM gives no licence for {package['name']}")
            version = package.get("PackageVersion", "")
            if version in ("", "NOASSERTION", "unknown"):
                version = "unversioned, as bundled in Qt " + qt_version
            key = (qt.display_name(p), version, expression)
            entry = entries.get(key)
            if entry is None:
                texts = []
                for licence_id in licence_ids(expression):
                    text = qt.licence_text(licence_id, p)
                    if text is None:
                        die(f"no text for {licence_id}, the licence of {package['name']}")
                    texts.append((licence_id, text))
                entry = entries[key] = {
                    "id": p, "name": key[0], "version": version, "licence": expression,
                    "copyright": package.get("PackageCopyrightText", "NOASSERTION"),
                    "supplier": package.get("PackageSupplier", "NOASSERTION"),
                    "download": package.get("PackageDownloadLocation", "NOASSERTION"),
                    "files": [], "bundled_in": [], "texts": texts, "spdx_ids": [],
                }
            entry["spdx_ids"].append(p)
            if f not in entry["bundled_in"]:
                entry["bundled_in"].append(f)
    # Bundles name each library by its entry's id.
    entry_of = {p: e["id"] for e in entries.values() for p in e["spdx_ids"]}
    result[-1]["bundles"] = {f: sorted({entry_of[p] for p in ids}) for f, ids in bundled.items()}
    result += sorted(entries.values(), key=lambda e: e["name"].lower())

    # "x86_64-w64-mingw32-g++-posix (GCC) 14.2.0": -dumpversion says "14-posix".
    gcc_version = run(args.compiler, "--version").splitlines()[0].split()[-1]
    runtime = [run(args.compiler, f"-print-file-name={dll}") for dll in
               ("libgcc_s_seh-1.dll", "libstdc++-6.dll", "libwinpthread-1.dll")]
    gcc_package, gcc_debian = debian_package_of(runtime[1])
    exception = between(copyright_file(gcc_package), "GCC RUNTIME LIBRARY EXCEPTION",
                        "requirements of the license of GCC.", f"{gcc_package}'s copyright file")
    result.append({
        "id": "GCC-runtime", "name": "GCC runtime libraries (libgcc, libstdc++)",
        "version": gcc_version, "debian_package": f"{gcc_package} {gcc_debian}",
        "licence": "GPL-3.0-or-later WITH GCC-exception-3.1",
        "copyright": "Copyright (C) Free Software Foundation, Inc.",
        "supplier": "Organization: Free Software Foundation", "download": "https://gcc.gnu.org/",
        "files": ["libgcc_s_seh-1.dll", "libstdc++-6.dll"],
        "texts": [("GNU General Public License v3.0", gpl3),
                  ("GCC Runtime Library Exception 3.1", exception)],
    })
    mingw_package, mingw_debian = debian_package_of(runtime[2])
    mingw_version = re.sub(r"^\d+:", "", mingw_debian).split("-")[0]
    winpthreads = winpthreads_licences(copyright_file("mingw-w64-common"))
    result.append({
        "id": "winpthreads", "name": "winpthreads (MinGW-w64)", "version": mingw_version,
        "debian_package": f"{mingw_package} {mingw_debian}",
        "licence": "MIT AND BSD-3-Clause",
        "copyright": "; ".join(sorted({c for _, c, _, _ in winpthreads if c})),
        "supplier": "Organization: MinGW-w64 project", "download": "https://www.mingw-w64.org/",
        "files": ["libwinpthread-1.dll"],
        "texts": [(f"{name} ({files})", body) for files, _, name, body in winpthreads],
    })
    return result


# --- the notices file -------------------------------------------------------------

def notices(args):
    parts = components(args)
    qt = next(c for c in parts if c["id"] == "Qt")
    out = []
    title = f"Zentaro {args.version} for Windows: the components it ships, and their licences"
    out += [title, "=" * len(title), ""]
    out += ["Each file beside zentaro.exe belongs to one of the components below, named with",
            "its version, its licence and the full text of that licence.", ""]
    for c in parts:
        line = f"- {c['name']} {c['version']}: {c['licence']}"
        if c["files"]:
            line += f" ({', '.join(c['files'])})"
        elif c.get("bundled_in"):
            line += f" (bundled into {', '.join(c['bundled_in'])})"
        out.append(line)
    out += ["", "About Qt", "--------",
            f"Zentaro uses Qt {qt['version']}, its qtbase module, under the GNU Lesser General",
            "Public License version 3 (LGPL-3.0). The Qt files here were built by the maker",
            f"of Zentaro from Debian's qt6-base source package, version {qt['debian_version']},",
            "which is published beside this release with the options Qt was configured",
            "with, and is kept as long as the release is offered:",
            ""]
    out += [f"    {name}" for name in qt["source_files"]] + ["    qt6-base-configure-options.txt", ""]
    out += ["You may replace the Qt DLLs and plugins beside zentaro.exe with your own build",
            "of a compatible Qt 6 (the same major version, built with MinGW-w64); Zentaro",
            "loads them from its own folder. Qt is (C) The Qt Company Ltd. and other",
            "contributors; see https://www.qt.io/licensing/.", ""]
    # Each licence's text once, at the end; each component names the ones
    # that apply to it.
    texts = {}
    for c in parts:
        heading = f"{c['name']} {c['version']}"
        out += ["", heading, "-" * len(heading)]
        out.append(f"Licence: {c['licence']}")
        if c.get("copyright") and c["copyright"] != "NOASSERTION":
            out += ["Copyright:"] + [f"  {line}" for line in c["copyright"].splitlines()]
        if c.get("debian_package"):
            out.append(f"From the Debian package {c['debian_package']}")
        if c.get("bundled_in"):
            out.append(f"Bundled by Qt into: {', '.join(c['bundled_in'])}")
        for name, text in c["texts"]:
            if texts.setdefault(name, text) != text:
                die(f"two different texts are both called {name!r}")
        out.append("Licence texts below: " + "; ".join(name for name, _ in c["texts"]))
    out += ["", "", "Licence texts", "============="]
    for name, text in texts.items():
        out += ["", "", f"--- {name} ---", "", text]
    text = "\n".join(out).rstrip() + "\n"
    # Windows' own editors show it as it is meant to be.
    Path(args.out).write_bytes(text.replace("\n", "\r\n").encode("utf-8"))


# --- the SBOM ------------------------------------------------------------------------

def spdx_id(text):
    return "SPDXRef-" + re.sub(r"[^A-Za-z0-9.-]+", "-", text).strip("-")


def spdx(args):
    parts = components(args)
    zip_path = Path(args.zip)
    zip_hash = hashlib.sha256(zip_path.read_bytes()).hexdigest()
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0") or 0)
    if epoch == 0:
        epoch = int(zip_path.stat().st_mtime)
    created = datetime.datetime.fromtimestamp(epoch, datetime.timezone.utc).strftime("%Y-%m-%dT%H:%M:%SZ")
    name = zip_path.name.removesuffix(".zip")
    owner = {}
    for c in parts:
        for f in c["files"]:
            owner[f] = c
    packages, files, relationships, extracted = [], [], [], {}
    for c in parts:
        package = {
            "SPDXID": spdx_id("Package-" + c["id"]), "name": c["name"], "versionInfo": c["version"],
            "supplier": c["supplier"], "downloadLocation": c["download"], "filesAnalyzed": False,
            "licenseConcluded": c["licence"], "licenseDeclared": c["licence"],
            "copyrightText": c.get("copyright") or "NOASSERTION",
        }
        if c.get("debian_version"):
            package["sourceInfo"] = (f"built from Debian's qt6-base source package {c['debian_version']}, "
                                     "published beside this release")
        if c.get("debian_package"):
            package["sourceInfo"] = f"from the Debian package {c['debian_package']}"
        packages.append(package)
        for licence_id in licence_ids(c["licence"]):
            if licence_id.startswith("LicenseRef-"):
                text = next((t for n, t in c["texts"] if n == licence_id), None)
                extracted[licence_id] = {"licenseId": licence_id, "extractedText": text or "NOASSERTION"}
    relationships.append({"spdxElementId": "SPDXRef-DOCUMENT", "relationshipType": "DESCRIBES",
                          "relatedSpdxElement": spdx_id("Package-Zentaro")})
    for c in parts[1:]:
        if c["files"]:
            relationships.append({"spdxElementId": spdx_id("Package-Zentaro"),
                                  "relationshipType": "DEPENDS_ON",
                                  "relatedSpdxElement": spdx_id("Package-" + c["id"])})
    with zipfile.ZipFile(zip_path) as z:
        for info in sorted(z.infolist(), key=lambda i: i.filename):
            if info.is_dir():
                continue
            base = os.path.basename(info.filename)
            c = owner.get(base)
            if c is None:
                die(f"no component claims {info.filename} in {zip_path.name}")
            file_id = spdx_id("File-" + info.filename)
            files.append({
                "SPDXID": file_id, "fileName": "./" + info.filename,
                "checksums": [{"algorithm": "SHA256",
                               "checksumValue": hashlib.sha256(z.read(info)).hexdigest()}],
                "licenseConcluded": c["licence"], "copyrightText": c.get("copyright") or "NOASSERTION",
            })
            relationships.append({"spdxElementId": spdx_id("Package-" + c["id"]),
                                  "relationshipType": "CONTAINS", "relatedSpdxElement": file_id})
            for bundled in c.get("bundles", {}).get(base, []):
                relationships.append({"spdxElementId": file_id, "relationshipType": "STATIC_LINK",
                                      "relatedSpdxElement": spdx_id("Package-" + bundled)})
    document = {
        "spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT",
        "name": name,
        "documentNamespace": f"{HOMEPAGE}/spdx/{name}-{zip_hash}",
        "creationInfo": {"created": created,
                         "creators": ["Organization: Parvelin", "Tool: zentaro-windows-components"]},
        "packages": packages, "files": files, "relationships": relationships,
    }
    if extracted:
        document["hasExtractedLicensingInfos"] = [extracted[k] for k in sorted(extracted)]
    Path(args.out).write_text(json.dumps(document, indent=2, ensure_ascii=False) + "\n",
                              encoding="utf-8")


def keep(source_tree, dest):
    """Keeps, from an unpacked qtbase source, what the notices read beyond
    LICENSES/: every qt_attribution.json and the licence files it names."""
    source_tree, dest = Path(source_tree), Path(dest)
    for json_path in sorted(source_tree.rglob("qt_attribution.json")):
        relative = json_path.relative_to(source_tree)
        (dest / relative).parent.mkdir(parents=True, exist_ok=True)
        (dest / relative).write_bytes(json_path.read_bytes())
        entries = json.loads(json_path.read_text(encoding="utf-8"), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            for name in entry.get("LicenseFiles") or [entry.get("LicenseFile")]:
                licence = json_path.parent / name if name else None
                if licence is not None and licence.is_file():
                    target = dest / os.path.normpath(relative.parent / name)
                    target.parent.mkdir(parents=True, exist_ok=True)
                    target.write_bytes(licence.read_bytes())


def main():
    if sys.argv[1:2] == ["keep"]:
        if len(sys.argv) != 4:
            die("usage: windows-components keep QTBASE_SOURCE DEST")
        keep(sys.argv[2], sys.argv[3])
        return
    # @FILE reads arguments from FILE, one a line: the build writes them there.
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0], fromfile_prefix_chars="@")
    parser.add_argument("what", choices=("notices", "spdx"))
    parser.add_argument("--out", required=True)
    parser.add_argument("--zip")
    parser.add_argument("--version", required=True)
    parser.add_argument("--license", required=True)
    parser.add_argument("--qt-sbom", required=True)
    parser.add_argument("--qt-source", required=True)
    parser.add_argument("--compiler", required=True)
    parser.add_argument("--qt-file", nargs="+", required=True)
    args = parser.parse_args()
    if args.what == "spdx" and not args.zip:
        parser.error("spdx needs --zip")
    (notices if args.what == "notices" else spdx)(args)


if __name__ == "__main__":
    main()
