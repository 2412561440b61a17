"""The progress bar of an analysis, fed by the core's progress callback."""
from __future__ import annotations

import sys
from typing import Any

# A run expected to take longer than this shows a bar when progress=None.
_AUTO_SECONDS = 2.0


def _interactive() -> bool:
    """True when standard error is a terminal or the code runs in a notebook kernel."""
    if "ipykernel" in sys.modules:
        return True
    try:
        return sys.stderr is not None and sys.stderr.isatty()
    except (AttributeError, ValueError):
        return False


def wanted(progress: bool | None, n_sets: int, n_perm_simple: int) -> bool:
    """Whether to show a bar: always for True, never for False, and for None
    when the session is interactive and the run is expected to be long."""
    if progress is not None:
        return bool(progress)
    # About 20 ms per gene set and thousand permutations, multilevel included,
    # on one core of a current machine: a rough guess, enough for the choice.
    expected = 0.02 * n_sets * max(n_perm_simple, 1) / 1000.0
    return expected > _AUTO_SECONDS and _interactive()


def _bar_class() -> Any:
    """tqdm's automatic bar class: a widget in a notebook that has ipywidgets,
    the text bar elsewhere. Without ipywidgets tqdm falls back to the text bar
    by itself but warns once ("IProgress not found"); the text bar works in a
    notebook too, so that warning is not shown."""
    import warnings

    from tqdm import TqdmWarning

    with warnings.catch_warnings():
        warnings.simplefilter("ignore", TqdmWarning)
        from tqdm.auto import tqdm  # type: ignore[import-untyped,unused-ignore]
    return tqdm


class ProgressBar:
    """A tqdm bar that follows the simple stage's permutations, then the
    multilevel stage's groups (with the number of levels built so far)."""

    def __init__(self) -> None:
        tqdm = _bar_class()

        self._bar: Any = tqdm(total=0, desc="permutations", unit="perm", file=sys.stderr,
                              leave=False, dynamic_ncols=True)
        self._multilevel = False

    def __call__(self, perm_done: int, perm_total: int, groups_done: int, groups_total: int,
                 levels: int) -> None:
        bar = self._bar
        if groups_total > 0:
            if not self._multilevel:
                self._multilevel = True
                # Label and unit first: reset() redraws the bar, which then
                # shows the stage that runs from its first frame.
                bar.set_description("multilevel groups", refresh=False)
                bar.unit = "group"
                bar.reset(total=groups_total)
            bar.set_postfix(levels=levels, refresh=False)
            bar.update(groups_done - bar.n)
        else:
            if bar.total != perm_total:
                bar.total = perm_total
            bar.update(perm_done - bar.n)

    def close(self) -> None:
        self._bar.close()


class StepBar:
    """A tqdm bar over a known number of steps, with counters shown after it
    (the collapse of redundant sets: sets settled, analyses run)."""

    def __init__(self, total: int, desc: str, unit: str) -> None:
        tqdm = _bar_class()
        self._bar: Any = tqdm(total=total, desc=desc, unit=unit, file=sys.stderr,
                              leave=False, dynamic_ncols=True)

    @property
    def done(self) -> int:
        return int(self._bar.n)

    def advance(self, steps: int, **counters: int) -> None:
        self._bar.set_postfix(counters, refresh=False)
        self._bar.update(steps)

    def close(self) -> None:
        self._bar.close()
