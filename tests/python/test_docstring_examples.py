"""Every example in the public docstrings runs from an empty folder, with
nothing but the package and its shipped data; shown outputs must match.
Examples marked ``# doctest: +SKIP`` need a cluster or other packages."""
from __future__ import annotations

import doctest
import inspect
import warnings

import pytest

import varenkopy


def public_objects() -> list[tuple[str, object]]:
    found = [(name, getattr(varenkopy, name)) for name in varenkopy.__all__]
    found += [(f"datasets.{name}", getattr(varenkopy.datasets, name))
              for name in varenkopy.datasets.__all__]
    return [(name, obj) for name, obj in found
            if (inspect.isfunction(obj) or inspect.isclass(obj)) and ">>>" in (obj.__doc__ or "")]


class _ShownOutputs(doctest.OutputChecker):
    """Output is compared where the example shows it; examples that leave it
    out (a DataFrame whose digits are beside the point) only have to run."""

    def check_output(self, want: str, got: str, optionflags: int) -> bool:
        return not want or super().check_output(want, got, optionflags)


# Examples that need an optional extra, by the modules the extra brings.
NEEDS = {"write_report": ("matplotlib", "jinja2")}


@pytest.mark.parametrize(("name", "obj"), public_objects(), ids=[n for n, _ in public_objects()])
def test_docstring_example_runs(name, obj, tmp_path, monkeypatch):
    for module in NEEDS.get(name, ()):
        pytest.importorskip(module)
    monkeypatch.chdir(tmp_path)
    test = doctest.DocTestParser().get_doctest(obj.__doc__, {"varenkopy": varenkopy}, name, None, 0)
    runner = doctest.DocTestRunner(checker=_ShownOutputs(), optionflags=doctest.NORMALIZE_WHITESPACE)
    failures: list[str] = []
    # An example may warn, as it would for the user who runs it (the zero
    # p-values of ranking_from_table's example, say); its outputs still count.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", varenkopy.VarenkoWarning)
        runner.run(test, out=failures.append)
    assert runner.failures == 0, "".join(failures)
