#!/usr/bin/env python3
"""Makes one compile database for clang-tidy out of the build trees' own.

Usage: lint_database.py SOURCE_ROOT OUT_DIR TREE [TREE ...]

Every file of the repository that a tree compiles appears once, as the first
tree that compiles it does (the native tree first: it is the quickest to
parse). The Windows commands are MinGW g++ commands; they become
clang commands for the MinGW target, with g++'s own header folders. Options
clang does not take are left out: the execution character set (it changes no
name) and g++'s precompiled header (each file is parsed with its own
includes). Optimisation and debug options are left out too; they only cost
time.

Prints the files, one a line, for the caller to hand to clang-tidy.
"""
import json
import os
import shlex
import subprocess
import sys

DROPPED_PREFIXES = ("-fexec-charset", "-Winvalid-pch", "-O", "-g", "-ffunction-sections", "-fdata-sections")


def arguments_of(entry):
    if "arguments" in entry:
        return list(entry["arguments"])
    return shlex.split(entry["command"])


def gcc_include_folders(compiler):
    """The folders a g++ searches for <...> includes, in order, without g++'s
    own compiler headers (clang brings its own intrinsics)."""
    err = subprocess.run([compiler, "-std=c++20", "-E", "-x", "c++", "-", "-v"], input="",
                         capture_output=True, text=True).stderr
    listing = err.split("search starts here:")[-1].split("End of search list")[0]
    folders = [os.path.normpath(line.strip()) for line in listing.splitlines() if line.strip()]
    return [f for f in folders if not f.endswith(("/include", "/include-fixed")) or "/lib/gcc/" not in f]


def mingw_target(compiler):
    """x86_64-w64-mingw32 from /usr/bin/x86_64-w64-mingw32-g++-posix."""
    name = os.path.basename(compiler)
    return name.split("-g++")[0]


def cleaned(arguments, head):
    """The command for clang."""
    out = list(head)
    skip = False
    for arg in arguments[1:]:
        if skip:
            skip = False
            continue
        if arg in ("-include", "-o"):
            skip = True
            continue
        if arg.startswith(DROPPED_PREFIXES):
            continue
        out.append(arg)
    return out


def is_source(path):
    return path.endswith((".cpp", ".cc", ".c"))


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    root, out_dir = os.path.abspath(argv[0]), os.path.abspath(argv[1])
    build_folder = os.path.join(root, "build") + os.sep
    entries = {}
    heads = {}
    for tree in argv[2:]:
        for entry in json.load(open(os.path.join(os.path.abspath(tree), "compile_commands.json"))):
            path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
            if path in entries or not is_source(path) or not path.startswith(root + os.sep) \
                    or path.startswith(build_folder):
                continue
            arguments = arguments_of(entry)
            compiler = arguments[0]
            if compiler not in heads:
                head = ["clang++"]
                if "mingw32" in os.path.basename(compiler):
                    head += ["--target=" + mingw_target(compiler), "-nostdlibinc", "-nostdinc++"]
                    for folder in gcc_include_folders(compiler):
                        head += ["-isystem", folder]
                heads[compiler] = head
            entries[path] = {"directory": entry["directory"], "file": path,
                             "arguments": cleaned(arguments, heads[compiler])}

    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "compile_commands.json"), "w") as out:
        json.dump(sorted(entries.values(), key=lambda e: e["file"]), out, indent=1)
    for path in sorted(entries):
        print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
