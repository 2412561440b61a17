import varenkopy


def test_module_imports_with_a_version():
    assert isinstance(varenkopy.__version__, str)
