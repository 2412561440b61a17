"""Sphinx configuration of the varenkopy documentation.

Pages are MyST Markdown; the API reference is generated from the package's
numpydoc docstrings. Build with scripts/build-docs.sh (warnings are errors).
"""
from __future__ import annotations

import importlib.metadata

project = "varenkopy"
author = "the varenkopy developers"
copyright = "the varenkopy developers"
try:
    release = importlib.metadata.version("varenkopy")
except importlib.metadata.PackageNotFoundError:  # building against a source tree
    release = "0.1.0"
version = release

extensions = [
    "myst_parser",
    "numpydoc",
    "sphinx.ext.autodoc",
    "sphinx.ext.autosummary",
    "sphinx.ext.intersphinx",
]

source_suffix = {".rst": "restructuredtext", ".md": "markdown"}
root_doc = "index"
exclude_patterns = ["_build"]

myst_enable_extensions = ["colon_fence", "deflist"]
# Headings down to ### get link targets, for [text](page.md#heading) links.
myst_heading_anchors = 3

# One page per public function, generated from the docstrings into api/generated/.
autosummary_generate = True
autodoc_typehints = "none"  # numpydoc's Parameters sections carry the types
autodoc_default_options = {"members": False}
numpydoc_show_class_members = False
numpydoc_class_members_toctree = False
numpydoc_xref_param_type = False
# The checks every public docstring passes (see numpydoc's validation codes):
# the sections are there, known and in order, and parameters match the signature.
numpydoc_validation_checks = {"GL06", "GL07", "PR01", "PR02", "PR10", "SS01"}

# Cross references to these projects' own pages are not resolved offline.
intersphinx_mapping: dict[str, tuple[str, str | None]] = {}

html_theme = "pydata_sphinx_theme"
html_title = f"varenkopy {release}"
html_theme_options = {
    "navigation_with_keys": False,
    "show_toc_level": 2,
    "secondary_sidebar_items": ["page-toc"],
    "footer_start": ["copyright"],
    "footer_end": [],
}
# Pages without sub-pages get no (empty) navigation column.
html_sidebars = {"**": ["sidebar-nav-bs"], "index": [], "core": [], "performance": []}
# Functions documented on a page are not repeated in its table of contents.
toc_object_entries = False
html_show_sourcelink = False
