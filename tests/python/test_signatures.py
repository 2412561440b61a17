"""The text signatures of the three module functions, as inspect reports them."""
from __future__ import annotations

import inspect

import pytest

import varenkopy

P = inspect.Parameter.POSITIONAL_OR_KEYWORD
EMPTY = inspect.Parameter.empty

EXPECTED = {
    "run_gsea_py": [
        ("ranks", EMPTY), ("gmt_path", EMPTY), ("nPermSimple", 1000), ("seed", None),
        ("nproc", 0), ("minSize", 1), ("maxSize", None), ("eps", 1e-50), ("scoreType", "std"),
        ("gseaParam", 1.0), ("mode", "quorin"), ("nperm", None), ("sampleSize", 101),
        ("gpu", False),
    ],
    "write_enrichment_plot_png_py": [
        ("ranks", EMPTY), ("pathway_genes", EMPTY), ("output_path", EMPTY),
        ("pathway_name", "pathway"), ("scoreType", "std"), ("gseaParam", 1.0),
        ("width_inches", 3.0), ("height_inches", 2.2), ("dpi", 300),
        ("transparent_background", False), ("title", None),
    ],
    "write_gsea_table_plot_png_py": [
        ("ranks", EMPTY), ("pathways", EMPTY), ("results", EMPTY), ("output_path", EMPTY),
        ("gseaParam", 1.0), ("width_inches", 5.6), ("height_inches", None), ("dpi", 300),
        ("transparent_background", False),
    ],
}


@pytest.mark.parametrize("name", list(EXPECTED))
def test_signature(name):
    function = getattr(varenkopy, name)
    params = list(inspect.signature(function).parameters.values())
    assert [(p.name, p.default) for p in params] == EXPECTED[name]
    assert all(p.kind is P for p in params)
    for p in params:
        # 1.0 == 1 and False == 0: the default's type must match as well.
        assert type(p.default) is type(dict(EXPECTED[name])[p.name])


@pytest.mark.parametrize("name", list(EXPECTED))
def test_docstring_is_only_the_signature(name):
    function = getattr(varenkopy, name)
    assert function.__doc__ is None or function.__doc__ == ""
    assert function.__text_signature__.startswith("(")


def test_functions_are_added_in_order():
    names = [n for n in vars(varenkopy) if n.endswith("_py")]
    assert names == list(EXPECTED)
