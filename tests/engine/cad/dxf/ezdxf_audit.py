"""Opens DXF files with ezdxf and audits them.

Prints one line per file: its status, a tab and what went wrong. Status 0: the file
reads and the audit finds no errors; 1: the audit finds errors; 2: ezdxf cannot read
or audit the file. Exits with 3 when ezdxf is missing.
"""
import sys

try:
    import ezdxf
except ImportError:
    sys.exit(3)

for path in sys.argv[1:]:
    try:
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
    except Exception as error:  # the file does not read: say why
        print(f"2\t{type(error).__name__}: {error}")
        continue
    errors = "; ".join(f"{e.code}: {e.message}" for e in auditor.errors)
    print(f"{1 if auditor.has_errors else 0}\t{errors}")
