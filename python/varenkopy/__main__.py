"""``python -m varenkopy``: the command line."""
import sys

from varenkopy.cli import main

if __name__ == "__main__":
    sys.exit(main())
