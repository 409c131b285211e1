#!/usr/bin/python3
"""Checks the Windows packages as they are shipped. Prints "ok: ..." or
"FAIL: ..." and exits non-zero on a failure.

usage: check_package.py exists FILE
       check_package.py notices ZIP          NOTICES.txt carries every licence's text
       check_package.py sbom ZIP SBOM        the SBOM lists every file by its SHA-256
       check_package.py stripped ZIP OBJDUMP no program or DLL keeps debug sections
       check_package.py qt-source DIR        the shipped Qt's source and configure options
"""
import hashlib, json, os, subprocess, sys, tempfile, zipfile
from pathlib import Path

# The licences whose full texts NOTICES.txt must carry: Qt's, the GPL it
# builds on, the GCC runtime's exception, FreeType's, and MIT-style ones.
LICENCE_TEXTS = ("GNU LESSER GENERAL PUBLIC LICENSE", "GNU GENERAL PUBLIC LICENSE",
                 "GCC RUNTIME LIBRARY EXCEPTION", "FreeType Project LICENSE",
                 "Permission is hereby granted")


def fail(message):
    sys.exit(f"FAIL: {message}")


def exists(path):
    if not os.path.isfile(path):
        fail(f"{os.path.basename(path)} was not built")
    print(f"ok: {os.path.basename(path)}: {os.path.getsize(path) // 1024} KiB")


def notices(zip_path):
    with zipfile.ZipFile(zip_path) as z:
        names = [n for n in z.namelist() if n.endswith("/NOTICES.txt") or n == "NOTICES.txt"]
        if not names:
            fail("NOTICES.txt is missing from the zip")
        text = z.read(names[0]).decode("utf-8", "replace").replace("\r", "")
    lacking = [t for t in LICENCE_TEXTS if t.lower() not in text.lower()]
    if lacking:
        fail(f"NOTICES.txt lacks {', '.join(lacking)}")
    components = sum(1 for line in text.splitlines() if line.startswith("- "))
    print(f"ok: NOTICES.txt in the zip names {components} components with their licences' texts")


def sbom(zip_path, sbom_path):
    document = json.loads(Path(sbom_path).read_text(encoding="utf-8"))
    listed = {f["fileName"].removeprefix("./"): f["checksums"][0]["checksumValue"]
              for f in document["files"]}
    with zipfile.ZipFile(zip_path) as z:
        inside = {i.filename: hashlib.sha256(z.read(i)).hexdigest()
                  for i in z.infolist() if not i.is_dir()}
    if listed != inside:
        unlisted = sorted(set(inside) - set(listed))
        extra = sorted(set(listed) - set(inside))
        wrong = sorted(n for n in set(inside) & set(listed) if inside[n] != listed[n])
        fail(f"the SBOM does not match the zip: not listed {unlisted}, not in the zip {extra}, "
             f"other hashes {wrong}")
    print(f"ok: {os.path.basename(sbom_path)} lists every file of the zip ({len(inside)}) "
          "with its SHA-256, component and licence")


def stripped(zip_path, objdump):
    with tempfile.TemporaryDirectory() as unpacked, zipfile.ZipFile(zip_path) as z:
        z.extractall(unpacked)
        binaries = sorted(p for p in Path(unpacked).rglob("*") if p.suffix.lower() in (".dll", ".exe"))
        if not binaries:
            fail("the zip holds no program or DLL")
        debug = [p.name for p in binaries
                 if ".debug_" in subprocess.run([objdump, "-h", str(p)], check=True,
                                                capture_output=True, text=True).stdout]
        payload = sum(p.stat().st_size for p in Path(unpacked).rglob("*") if p.is_file())
    if debug:
        fail(f"{len(debug)} of {len(binaries)} programs and DLLs keep debug sections: {debug}")
    dlls = sum(1 for p in binaries if p.suffix.lower() == ".dll")
    print(f"ok: zentaro.exe and all {dlls} DLLs are stripped; payload {payload // 2**20} MiB")


def qt_source(folder):
    files = sorted(p.name for p in Path(folder).iterdir()) if os.path.isdir(folder) else []
    wanted = {"a .dsc": ".dsc", "the upstream tarball": ".orig.tar.", "Debian's changes": ".debian.tar."}
    lacking = [what for what, part in wanted.items()
               if not any(n.startswith("qt6-base_") and part in n for n in files)]
    if "qt6-base-configure-options.txt" not in files:
        lacking.append("qt6-base-configure-options.txt")
    if lacking:
        fail(f"{folder} lacks {', '.join(lacking)}")
    print(f"ok: the source of the shipped Qt, {len(files)} files, in {folder}")


def main():
    commands = {"exists": (exists, 1), "notices": (notices, 1), "sbom": (sbom, 2),
                "stripped": (stripped, 2), "qt-source": (qt_source, 1)}
    if len(sys.argv) < 2 or sys.argv[1] not in commands or len(sys.argv) != 2 + commands[sys.argv[1]][1]:
        sys.exit(__doc__)
    commands[sys.argv[1]][0](*sys.argv[2:])


if __name__ == "__main__":
    main()
