"""P-values as people read them: an estimate as a number, a bound as a bound.

A p-value at the analysis' floor (``pval_at_eps`` true, or equal to the
``eps`` the analysis used) is only known to be at most that floor, so every
table, label and summary shows it as ``< 1e-50`` rather than ``1.0e-50``.
The plots, the report and the command line all format p-values here; the
module imports neither matplotlib nor the compiled core.
"""
from __future__ import annotations

import math
from collections.abc import Mapping
from typing import Any

import pandas as pd

# The default analysis floor of p-values (gsea(eps=...)).
DEFAULT_EPS = 1e-50


def number(value: object) -> float:
    """`value` as a float; NaN for None or anything not a number."""
    try:
        return float(value)  # type: ignore[arg-type]
    except (TypeError, ValueError):
        return math.nan


def at_floor(row: Any, column: str, eps: float | None) -> bool:
    """True when the row's p-value is the analysis' floor, not an estimate: a
    true ``pval_at_eps`` column, else a p-value equal to `eps` (by default the
    frame's ``attrs["eps"]`` or the analysis default)."""
    flag = row.get("pval_at_eps")
    if flag is not None and not (isinstance(flag, float) and math.isnan(flag)):
        if column == "pval":
            return bool(flag)
    attrs = getattr(row, "attrs", {})
    floor = eps if eps is not None else number(attrs.get("eps", DEFAULT_EPS))
    value = number(row.get(column))
    return column == "pval" and not math.isnan(value) and floor > 0 and value <= floor


def conditional_at_floor(row: Any, attrs: Mapping[str, Any]) -> bool:
    """True when a conditional p-value of ``collapse_redundant`` is only a
    bound: its flag column says so, or it is at most the ``eps`` the
    conditional analyses used."""
    flag = row.get("conditional_pval_at_eps")
    if flag is not None and flag is not pd.NA and not (isinstance(flag, float) and math.isnan(flag)):
        return bool(flag)
    value = number(row.get("conditional_pval"))
    eps = number(dict(attrs.get("collapse_options") or {}).get("eps"))
    return not math.isnan(value) and eps > 0 and value <= eps


def format_p(value: float, floored: bool) -> str:
    """A p-value for a label: two significant digits, "< 1e-50" at the floor.

    Examples
    --------
    >>> format_p(0.01234, False), format_p(3.2e-7, False), format_p(1e-50, True)
    ('0.012', '3.2e-7', '< 1e-50')
    >>> format_p(0.025, True), format_p(2.5e-7, True)
    ('< 0.025', '< 2.5e-7')
    """
    if math.isnan(value):
        return "NA"
    if floored:  # the floor itself, never rounded up into a looser bound
        return f"< {value:.3g}" if value >= 1e-3 else f"< {value:.2g}".replace("e-0", "e-")
    if value >= 1e-3:
        return f"{value:.2g}"
    return f"{value:.1e}".replace("e-0", "e-")
