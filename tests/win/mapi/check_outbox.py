"""Reads the stand-in's outbox with Python's mail parser and checks what MapiStandIn sent."""
import email
import email.policy
import sys
from pathlib import Path

outbox = Path(sys.argv[1])
failures = []


def check(what, got, want):
    if got != want:
        failures.append(f"{what}: got {got!r}, want {want!r}")


def read(name):
    with open(outbox / name, "rb") as f:
        return email.message_from_binary_file(f, policy=email.policy.default)


first = read("mail-0001.eml")
check("subject", str(first["Subject"]), "Delivery report")
check("recipients", [a.addr_spec for a in first["To"].addresses],
      ["alice@example.com", "bob@example.com"])
body = first.get_content()
lines = body.split("\n")
check("first lines", lines[:4], ["Delivered files:", "APP.EXE", "APP.HLP", "APP.TXT"])
check("dashes", lines[4], "-" * 70)
check("last line", lines[5], "That's all folks !")
check("accents and a long line", lines[6], "Caf\u00e9 cr\u00e8me " + "x" * 120)

second = read("mail-0002.eml")
check("encoded subject", str(second["Subject"]), "T\u00e2che termin\u00e9e")
check("second recipients", [a.addr_spec for a in second["To"].addresses], ["carol@example.com"])
check("second body", second.get_content(), "Done.\n")

third = read("mail-0003.eml")
check("no recipients", third["To"], None)
check("third body", third.get_content().rstrip("\n"), "No recipients.")

for name in ("mail-0001.eml", "mail-0002.eml", "mail-0003.eml"):
    raw = (outbox / name).read_bytes()
    check(f"{name} uses CR LF", b"\n" in raw.replace(b"\r\n", b""), False)

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("outbox: 3 messages parsed, subjects, recipients and bodies as sent")
