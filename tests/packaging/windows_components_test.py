#!/usr/bin/python3
"""Table tests of what packaging/windows/windows_components.py reads: Qt's
SPDX tag:value SBOM, SPDX licence expressions, and Debian's machine-readable
copyright files, from which the Windows packages' notices and SBOM name every
component. A misread here ships a file unnamed or a licence without its text.

usage: windows_components_test.py   (or through CTest)
"""
import contextlib, io, sys, tempfile, unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The writer is a program, not an installed module: import it from its folder,
# leaving no compiled copy in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(HERE.parent.parent / "packaging/windows"))
import windows_components as wc  # noqa: E402


def dies(function, *args):
    """What a call says as it dies, or None when it returns."""
    said = io.StringIO()
    try:
        with contextlib.redirect_stderr(said):
            function(*args)
    except SystemExit:
        return said.getvalue()
    return None


class LicenceIds(unittest.TestCase):
    ROWS = [
        ("single", "MIT", ["MIT"]),
        ("and", "MIT AND BSD-3-Clause", ["MIT", "BSD-3-Clause"]),
        ("or in brackets", "(LGPL-3.0-only OR GPL-2.0-only)", ["LGPL-3.0-only", "GPL-2.0-only"]),
        ("with exception", "GPL-3.0-or-later WITH GCC-exception-3.1",
         ["GPL-3.0-or-later", "GCC-exception-3.1"]),
        ("licence ref", "LicenseRef-Qt-Commercial OR GPL-3.0-only",
         ["LicenseRef-Qt-Commercial", "GPL-3.0-only"]),
        ("no assertion", "NOASSERTION", []),
        ("none", "NONE", []),
        ("empty", "", []),
        ("missing", None, []),
    ]

    def test_rows(self):
        for name, expression, wanted in self.ROWS:
            with self.subTest(name):
                self.assertEqual(wc.licence_ids(expression), wanted)


SBOM = """\
SPDXVersion: SPDX-2.3
# a comment: with a colon
PackageName: qtbase-Core
SPDXID: SPDXRef-Package-qtbase-Core
PackageLicenseConcluded: LGPL-3.0-only
PackageComment: <text>Name: Qt Core
Second line</text>
FileName: ./bin/Qt6Core.dll
SPDXID: SPDXRef-File-Qt6Core
FileChecksum: SHA1: 0000
PackageName: qtbase-3rdparty-zlib
SPDXID: SPDXRef-Package-qtbase-3rdparty-zlib
PackageVersion: 1.3.1
PackageLicenseConcluded: Zlib
PackageName: qtbase-system-3rdparty-openssl
SPDXID: SPDXRef-Package-qtbase-system-3rdparty-openssl
PackageName: qtbase-3rdparty-cmake-helper
SPDXID: SPDXRef-Package-qtbase-3rdparty-cmake-helper
PackageComment: <text>from /src_dir/qtbase/cmake/3rdparty/kwin</text>
LicenseID: LicenseRef-Qt-Extra
ExtractedText: <text>Some
licence</text>
Relationship: SPDXRef-Package-qtbase-Core CONTAINS SPDXRef-File-Qt6Core
Relationship: SPDXRef-Package-qtbase-Core DEPENDS_ON SPDXRef-Package-qtbase-3rdparty-zlib
Relationship: SPDXRef-DOCUMENT DESCRIBES
"""


class ParseSpdxTagValue(unittest.TestCase):
    def setUp(self):
        self.packages, self.files, self.licences, self.relationships = wc.parse_spdx_tag_value(SBOM)

    def test_rows(self):
        core = self.packages["SPDXRef-Package-qtbase-Core"]
        rows = [
            ("a package by its SPDXID", core["name"], "qtbase-Core"),
            ("a multi-line text is joined", core["PackageComment"], "Name: Qt Core\nSecond line"),
            ("a value after a text still belongs to its package", core["PackageLicenseConcluded"],
             "LGPL-3.0-only"),
            ("a file by its SPDXID", self.files["SPDXRef-File-Qt6Core"]["name"], "./bin/Qt6Core.dll"),
            ("a file's value keeps its colons", self.files["SPDXRef-File-Qt6Core"]["FileChecksum"],
             "SHA1: 0000"),
            ("a package's version", self.packages["SPDXRef-Package-qtbase-3rdparty-zlib"]["PackageVersion"],
             "1.3.1"),
            ("an unterminated text runs to the end",
             wc.parse_spdx_tag_value("PackageName: p\nSPDXID: SPDXRef-p\nPackageComment: <text>open\n"
                                     "Relationship: a CONTAINS b\n")[0]["SPDXRef-p"]["PackageComment"],
             "open\nRelationship: a CONTAINS b"),
            ("an extracted licence", self.licences["LicenseRef-Qt-Extra"]["ExtractedText"], "Some\nlicence"),
            ("well-formed relationships only", self.relationships,
             [("SPDXRef-Package-qtbase-Core", "CONTAINS", "SPDXRef-File-Qt6Core"),
              ("SPDXRef-Package-qtbase-Core", "DEPENDS_ON", "SPDXRef-Package-qtbase-3rdparty-zlib")]),
            ("comments are no packages", len(self.packages), 4),
        ]
        for name, got, wanted in rows:
            with self.subTest(name):
                self.assertEqual(got, wanted)


class QtBundles(unittest.TestCase):
    """Which bundled libraries each shipped Qt file carries, through Qt's
    static modules but not into another DLL or a system library."""
    SBOM = "\n".join([
        *(f"PackageName: {n}\nSPDXID: SPDXRef-Package-{n}" for n in (
            "Core", "Gui", "BundledPng", "3rdparty-zlib", "3rdparty-libpng", "system-3rdparty-x",
            "3rdparty-borrowed")),
        "PackageComment: <text>/src_dir/qtbase/cmake/3rdparty/borrowed</text>",
        "FileName: ./bin/Qt6Core.dll\nSPDXID: SPDXRef-File-core",
        "FileName: ./bin/Qt6Gui.dll\nSPDXID: SPDXRef-File-gui",
        "Relationship: SPDXRef-Package-Core CONTAINS SPDXRef-File-core",
        "Relationship: SPDXRef-Package-Gui CONTAINS SPDXRef-File-gui",
        "Relationship: SPDXRef-Package-Core DEPENDS_ON SPDXRef-Package-3rdparty-zlib",
        "Relationship: SPDXRef-Package-Core DEPENDS_ON SPDXRef-Package-system-3rdparty-x",
        "Relationship: SPDXRef-Package-Core DEPENDS_ON SPDXRef-Package-3rdparty-borrowed",
        "Relationship: SPDXRef-Package-Gui DEPENDS_ON SPDXRef-Package-Core",
        "Relationship: SPDXRef-Package-Gui DEPENDS_ON SPDXRef-Package-BundledPng",
        "Relationship: SPDXRef-Package-BundledPng DEPENDS_ON SPDXRef-Package-3rdparty-libpng",
        "Relationship: SPDXRef-Package-3rdparty-libpng DEPENDS_ON SPDXRef-Package-3rdparty-zlib",
    ]) + "\n"

    def qt(self, shipped):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        sbom = Path(folder.name) / "qtbase.spdx"
        sbom.write_text(self.SBOM, encoding="utf-8")
        return wc.Qt(sbom, folder.name, shipped)

    def test_rows(self):
        qt = self.qt(["Qt6Core.dll", "Qt6Gui.dll"])
        rows = [
            ("a bundled library, not a system one nor a borrowed CMake script",
             "Qt6Core.dll", ["SPDXRef-Package-3rdparty-zlib"]),
            ("through a static module and a bundled library's own dependency, not into Qt6Core",
             "Qt6Gui.dll", ["SPDXRef-Package-3rdparty-libpng", "SPDXRef-Package-3rdparty-zlib"]),
        ]
        for name, shipped, wanted in rows:
            with self.subTest(name):
                self.assertEqual(sorted(qt.bundled_in(shipped)), wanted)

    def test_a_shipped_file_that_no_package_contains_is_an_error(self):
        self.assertIn("Qt6Widgets.dll", dies(self.qt, ["Qt6Core.dll", "Qt6Widgets.dll"]))


COPYRIGHT = """\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/

Files: *
Copyright: 2009 The MinGW-w64 project
License: ZPL-2.1

Files: mingw-w64-libraries/winpthreads/*
Copyright: 2011 mingw-w64 project
 2010 Someone Else
License: MIT
 Permission is hereby granted, free of charge,
 .
 to any person.

Files: mingw-w64-libraries/winpthreads/src/barrier.c
Copyright: 2003 Pthreads-win32 contributors
License: BSD-3-clause

Files: mingw-w64-libraries/winpthreads/tests_pthread/*
Copyright: 2003 test authors
License: LGPL-2.1+

Files: mingw-w64-libraries/winpthreads/build-aux/*
Copyright: FSF
License: GPL-2+

License: BSD-3-clause
 Redistribution and use in source and binary forms
"""


class Dep5(unittest.TestCase):
    def test_paragraphs(self):
        paragraphs = wc.dep5_paragraphs(COPYRIGHT)
        rows = [
            ("the header and every paragraph", len(paragraphs), 7),
            ("a continued field keeps its lines", paragraphs[2]["Copyright"],
             "2011 mingw-w64 project\n2010 Someone Else"),
            ("a lone dot is an empty line", paragraphs[2]["License"],
             "MIT\nPermission is hereby granted, free of charge,\n\nto any person."),
            ("a stand-alone licence", paragraphs[6]["License"],
             "BSD-3-clause\nRedistribution and use in source and binary forms"),
        ]
        for name, got, wanted in rows:
            with self.subTest(name):
                self.assertEqual(got, wanted)

    def test_winpthreads_licences(self):
        texts = wc.winpthreads_licences(COPYRIGHT)
        rows = [
            ("only the library's own files, not its tests or build helpers",
             [files for files, _, _, _ in texts],
             ["mingw-w64-libraries/winpthreads/*", "mingw-w64-libraries/winpthreads/src/barrier.c"]),
            ("an inline licence text", texts[0][2:],
             ("MIT", "Permission is hereby granted, free of charge,\n\nto any person.")),
            ("a licence text from its stand-alone paragraph", texts[1][2:],
             ("BSD-3-clause", "Redistribution and use in source and binary forms")),
            ("copyright lines joined", texts[0][1], "2011 mingw-w64 project; 2010 Someone Else"),
        ]
        for name, got, wanted in rows:
            with self.subTest(name):
                self.assertEqual(got, wanted)

    def test_errors(self):
        rows = [
            ("no winpthreads files", "Files: *\nLicense: MIT\n text\n", "names no winpthreads files"),
            ("a licence without a text", "Files: winpthreads/x.c\nLicense: Zlib\n", "no text for Zlib"),
        ]
        for name, text, wanted in rows:
            with self.subTest(name):
                self.assertIn(wanted, dies(wc.winpthreads_licences, text) or "")

    def test_public_domain_needs_no_text(self):
        texts = wc.winpthreads_licences("Files: winpthreads/x.c\nLicense: public-domain\n")
        self.assertEqual(texts[0][2:], ("public-domain", "Public domain."))


class Between(unittest.TestCase):
    TEXT = "intro\n  GCC RUNTIME LIBRARY EXCEPTION  \nbody\nrequirements of the license of GCC.  \nafter"

    def test_rows(self):
        rows = [
            ("from the first line through the last", "GCC RUNTIME LIBRARY EXCEPTION",
             "requirements of the license of GCC.",
             "GCC RUNTIME LIBRARY EXCEPTION  \nbody\nrequirements of the license of GCC."),
            ("one line that is both", "body", "body", "body"),
        ]
        for name, first, last, wanted in rows:
            with self.subTest(name):
                self.assertEqual(wc.between(self.TEXT, first, last, "here"), wanted)

    def test_missing_ends_are_errors(self):
        for name, first, last in (("no first line", "ABSENT", "body"),
                                  ("no last line after the first", "body", "intro")):
            with self.subTest(name):
                self.assertIn("here lacks", dies(wc.between, self.TEXT, first, last, "here") or "")


class SpdxId(unittest.TestCase):
    ROWS = [
        ("plain", "Package-Zentaro", "SPDXRef-Package-Zentaro"),
        ("a path", "File-zentaro-1.00-win64/platforms/qwindows.dll",
         "SPDXRef-File-zentaro-1.00-win64-platforms-qwindows.dll"),
        ("runs of other characters become one dash", "Package-GCC runtime (libgcc)",
         "SPDXRef-Package-GCC-runtime-libgcc"),
    ]

    def test_rows(self):
        for name, text, wanted in self.ROWS:
            with self.subTest(name):
                self.assertEqual(wc.spdx_id(text), wanted)


if __name__ == "__main__":
    unittest.main(verbosity=2)
