"""Runs the bundled example (filled in as the analysis lands)."""
import varenkopy

print("varenkopy", varenkopy.__version__)
