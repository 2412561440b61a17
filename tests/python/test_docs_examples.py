"""The Python blocks of the documentation's pages run, page by page, as one
script from an empty folder. A block right after the MyST comment
``% not run: <reason>`` is left out (it reads the reader's own files, needs a
cluster or packages the tests do not install)."""
from __future__ import annotations

import re
import subprocess
import sys
from pathlib import Path

import pytest

DOCS = Path(__file__).resolve().parents[2] / "docs"
# The pages whose blocks make a walk-through (the landing page's and the
# installation page's repeat the quick start's first block).
PAGES = ["guide/quickstart.md", "guide/results.md", "guide/many.md"]

_BLOCK = re.compile(r"^(?P<before>[^\n]*)\n```python\n(?P<code>.*?)^```", re.M | re.S)


def runnable_blocks(text: str) -> list[str]:
    return [m["code"] for m in _BLOCK.finditer(text) if not m["before"].startswith("% not run:")]


def test_blocks_are_found_and_left_out_as_marked():
    text = "intro\n```python\na = 1\n```\n% not run: files\n```python\nb = 2\n```\n"
    assert runnable_blocks(text) == ["a = 1\n"]


@pytest.mark.parametrize("page", PAGES)
def test_page_code_runs(page, tmp_path):
    script = "\n".join(runnable_blocks((DOCS / page).read_text(encoding="utf-8")))
    assert script
    if "varenkopy import pl" in script:
        pytest.importorskip("matplotlib", reason="the page draws with the plot extra")
    proc = subprocess.run([sys.executable, "-c", script], cwd=tmp_path, capture_output=True,
                          text=True, timeout=600)
    assert proc.returncode == 0, proc.stderr
