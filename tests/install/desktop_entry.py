"""Reads a desktop entry as a desktop does: its string values and its Exec
line, split into the program and its arguments.

    desktop_entry.py FILE KEY      prints the value of KEY
    desktop_entry.py FILE Exec     prints the Exec arguments, one a line
"""
import sys

ESCAPES = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}


def string_value(raw):
    out, i = [], 0
    while i < len(raw):
        if raw[i] == "\\" and i + 1 < len(raw) and raw[i + 1] in ESCAPES:
            out.append(ESCAPES[raw[i + 1]])
            i += 2
        else:
            out.append(raw[i])
            i += 1
    return "".join(out)


def exec_arguments(value):
    arguments, current, quoted, any_text, i = [], [], False, False, 0
    while i < len(value):
        c = value[i]
        if quoted and c == "\\" and i + 1 < len(value) and value[i + 1] in '"`$\\':
            current.append(value[i + 1])
            i += 2
            continue
        if c == '"':
            quoted, any_text = not quoted, True
        elif c == "%" and i + 1 < len(value) and value[i + 1] == "%":
            current.append("%")
            i += 1
        elif c == " " and not quoted:
            if current or any_text:
                arguments.append("".join(current))
            current, any_text = [], False
        else:
            current.append(c)
        i += 1
    if quoted:
        sys.exit("unclosed quote in Exec")
    if current or any_text:
        arguments.append("".join(current))
    return arguments


def main():
    path, key = sys.argv[1:]
    values, group = {}, None
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if line.startswith("["):
            group = line
        elif group == "[Desktop Entry]" and "=" in line:
            name, raw = line.split("=", 1)
            values[name] = raw
    value = string_value(values[key])
    print("\n".join(exec_arguments(value)) if key == "Exec" else value)


main()
