# Writes BB30014.core.msf: BB30014.msf with the residues of every column holding a gap in lower
# case, the others in upper case, as BAliBASE marks the core blocks of its references.
lines = open("BB30014.msf").read().split("\n")
start = next(k for k, line in enumerate(lines) if line.strip().startswith("//")) + 1
rows = {}
for line in lines[start:]:
    words = line.split()
    if words:
        rows[words[0]] = rows.get(words[0], "") + "".join(words[1:])
gapped = {c for row in rows.values() for c, x in enumerate(row) if x in ".~-"}
columns = {}
for k in range(start, len(lines)):
    words = lines[k].split()
    if not words:
        continue
    column, chars = columns.get(words[0], 0), list(lines[k])
    for i in range(len(lines[k]) - len(lines[k].lstrip()) + len(words[0]), len(chars)):
        if chars[i] != " ":
            chars[i] = chars[i].lower() if column in gapped else chars[i]
            column += 1
    columns[words[0]], lines[k] = column, "".join(chars)
open("BB30014.core.msf", "w").write("\n".join(lines))
