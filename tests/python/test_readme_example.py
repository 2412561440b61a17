"""The bundled example works and writes both plots, and the README's quick start runs."""
import struct
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


def png_size(path: Path) -> tuple[int, int]:
    data = path.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    return struct.unpack(">II", data[16:24])


def test_example_prints_top_pathways_and_writes_both_plots(tmp_path):
    proc = subprocess.run(
        [sys.executable, str(ROOT / "examples" / "run_example.py"), "--out", str(tmp_path), "--seed", "7"],
        capture_output=True,
        text=True,
        timeout=300,
    )
    assert proc.returncode == 0, proc.stderr
    assert "15194 ranked genes, 50 pathways analysed" in proc.stdout
    assert "HALLMARK_" in proc.stdout
    assert png_size(tmp_path / "enrichment_plot.png") == (900, 660)
    width, height = png_size(tmp_path / "table_plot.png")
    assert width == 1680 and height > 0


def test_readme_snippet_runs(tmp_path):
    # The quick start reads only the data shipped in the package, so it runs
    # from an empty folder (test_fresh_install.py runs it after a wheel install).
    readme = (ROOT / "README.md").read_text(encoding="utf-8")
    snippet = readme.split("```python\n", 1)[1].split("```", 1)[0]
    assert "examples/data" not in snippet
    proc = subprocess.run([sys.executable, "-c", snippet], cwd=tmp_path, capture_output=True, text=True, timeout=300)
    assert proc.returncode == 0, proc.stderr
    assert proc.stdout.startswith("HALLMARK_")
    lines = proc.stdout.splitlines()
    assert lines[1].split() == ["pathway", "nes", "pval", "padj"] and len(lines) == 12
