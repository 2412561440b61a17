"""Where the plot writers put their file: special files written in place,
symbolic links followed, a read-only file refused, NUL bytes refused, long
names, and the OSError subclass (with errno and filename) of a file failure,
for the plots and the GMT reader."""
from __future__ import annotations

import errno
import os
import socket
import stat
import tempfile
import threading
from collections.abc import Callable, Iterator
from pathlib import Path

import pytest

import varenkopy

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
RANKS = {f"G{i}": float(10 - i) for i in range(20)}
PATHWAYS = [("TOP", ["G0", "G1", "G2"]), ("BOTTOM", ["G18", "G19"])]
RESULTS = [
    {"pathway": "TOP", "nes": 1.5, "pval": 0.01, "padj": 0.02},
    {"pathway": "BOTTOM", "nes": -1.2, "pval": 0.2, "padj": 0.3},
]


def enrichment(path: str) -> None:
    varenkopy.write_enrichment_plot_png_py(RANKS, ["G0", "G1", "G2"], path, dpi=150)


def table(path: str) -> None:
    varenkopy.write_gsea_table_plot_png_py(RANKS, PATHWAYS, RESULTS, path)


WRITERS = [pytest.param(enrichment, id="enrichment"), pytest.param(table, id="table")]


def names(folder: Path) -> list[str]:
    return sorted(p.name for p in folder.iterdir())


@pytest.fixture
def nobody_dir() -> Iterator[Path]:
    """A folder that a user who is not root may write (root's pytest folders are
    private); the test runs its check as that user."""
    folder = Path(tempfile.mkdtemp(prefix="varenko-"))
    folder.chmod(0o777)
    yield folder
    for child in folder.iterdir():
        child.chmod(0o644)
        child.unlink()
    folder.rmdir()


def as_user_not_root(check: Callable[[], None], owned: list[Path]) -> None:
    """Runs `check` as a user who is not root: directly when the tests already
    run as one, else in a forked child that drops to 'nobody' (owning `owned`).
    A failed check in the child fails the test with its message."""
    if os.geteuid() != 0:
        check()
        return
    try:
        import pwd
        nobody = pwd.getpwnam("nobody")
    except (ImportError, KeyError):
        pytest.skip("no 'nobody' user to drop privileges to")
    for path in owned:
        os.chown(path, nobody.pw_uid, nobody.pw_gid)
    read_end, write_end = os.pipe()
    pid = os.fork()
    if pid == 0:  # pragma: no cover - the child reports through the pipe
        os.close(read_end)
        message = b""
        try:
            os.setgroups([])
            os.setgid(nobody.pw_gid)
            os.setuid(nobody.pw_uid)
            check()
        except BaseException as exc:  # noqa: BLE001 - every failure goes to the parent
            message = f"{type(exc).__name__}: {exc}".encode() or b"failed"
        os.write(write_end, message)
        os._exit(0)
    os.close(write_end)
    with os.fdopen(read_end, "rb") as pipe:
        message = pipe.read()
    os.waitpid(pid, 0)
    assert message == b"", message.decode()


# --- special files, links, names ---------------------------------------------------


def test_a_device_is_written_in_place(tmp_path):
    device = tmp_path / "null-device"
    try:
        os.mknod(device, stat.S_IFCHR | 0o666, os.makedev(1, 3))
    except PermissionError:
        pytest.skip("mknod is not permitted here")
    enrichment(str(device))
    assert stat.S_ISCHR(device.lstat().st_mode)
    assert names(tmp_path) == ["null-device"]


def test_a_fifo_is_written_in_place(tmp_path):
    fifo = tmp_path / "pipe"
    os.mkfifo(fifo)
    received: list[bytes] = []
    reader = threading.Thread(target=lambda: received.append(fifo.read_bytes()), daemon=True)
    reader.start()
    enrichment(str(fifo))
    reader.join(timeout=10)
    assert received and received[0].startswith(PNG_SIGNATURE)
    assert stat.S_ISFIFO(fifo.lstat().st_mode)
    assert names(tmp_path) == ["pipe"]


def test_a_socket_is_refused_and_kept(tmp_path):
    path = tmp_path / "sock"
    with socket.socket(socket.AF_UNIX) as server:
        server.bind(str(path))
        with pytest.raises(OSError, match="^No such device or address$") as info:
            enrichment(str(path))
    assert info.value.errno == errno.ENXIO
    assert stat.S_ISSOCK(path.lstat().st_mode)


@pytest.mark.parametrize("existing", [True, False], ids=["live link", "dangling link"])
def test_a_link_is_followed_and_kept(tmp_path, existing):
    (tmp_path / "sub").mkdir()
    target = tmp_path / "sub" / "real.png"
    if existing:
        target.write_bytes(b"previous")
    link = tmp_path / "link.png"
    link.symlink_to(Path("sub") / "real.png")
    table(str(link))
    assert link.is_symlink() and os.readlink(link) == str(Path("sub") / "real.png")
    assert target.read_bytes().startswith(PNG_SIGNATURE)
    assert names(tmp_path) == ["link.png", "sub"]
    assert names(tmp_path / "sub") == ["real.png"]


@pytest.mark.parametrize("length", [239, 250, 255])
def test_long_names_are_written(tmp_path, length):
    out = tmp_path / ("n" * (length - 4) + ".png")
    enrichment(str(out))
    assert out.read_bytes().startswith(PNG_SIGNATURE)
    assert names(tmp_path) == [out.name]


@pytest.mark.parametrize("write", WRITERS)
def test_nul_in_the_path_is_refused(tmp_path, write):
    with pytest.raises(ValueError, match="^embedded null byte$"):
        write(str(tmp_path / "report\0.png"))
    assert names(tmp_path) == []


def test_a_read_only_file_is_refused_and_kept(nobody_dir):
    out = nobody_dir / "kept.png"
    out.write_bytes(b"previous")
    out.chmod(0o444)

    def check() -> None:
        with pytest.raises(PermissionError, match="^Permission denied$") as info:
            table(str(out))
        assert info.value.errno == errno.EACCES and info.value.filename == str(out)
        assert out.read_bytes() == b"previous"
        assert names(nobody_dir) == ["kept.png"]

    as_user_not_root(check, [nobody_dir, out])


# --- OSError subclasses ----------------------------------------------------------


@pytest.mark.parametrize("write", WRITERS)
@pytest.mark.parametrize("case,expected,number", [
    ("missing folder", FileNotFoundError, errno.ENOENT),
    ("folder", IsADirectoryError, errno.EISDIR),
])
def test_plot_file_errors_are_os_errors(tmp_path, write, case, expected, number):
    (tmp_path / "folder").mkdir()
    path = str(tmp_path / "missing" / "p.png") if case == "missing folder" else str(tmp_path / "folder")
    with pytest.raises(expected) as info:
        write(path)
    exc = info.value
    # Still the plots' RuntimeError, with the message alone as its text.
    assert isinstance(exc, RuntimeError) and str(exc) == os.strerror(number)
    assert exc.errno == number and exc.filename == path


def test_plot_errors_that_are_not_file_errors_stay_runtime_errors(tmp_path):
    with pytest.raises(RuntimeError) as info:
        varenkopy.write_enrichment_plot_png_py(RANKS, ["G0"], str(tmp_path / "p.png"), dpi=0)
    assert type(info.value) is RuntimeError


@pytest.mark.parametrize("case,expected,number", [
    ("missing", FileNotFoundError, errno.ENOENT),
    ("folder", IsADirectoryError, errno.EISDIR),
])
def test_gmt_file_errors_are_os_errors(tmp_path, case, expected, number):
    path = str(tmp_path / "missing.gmt") if case == "missing" else str(tmp_path)
    with pytest.raises(expected) as info:
        varenkopy.run_gsea_py(RANKS, path)
    assert info.value.errno == number and info.value.filename == path
    assert str(info.value) == f"{os.strerror(number)} (os error {number})"


def test_an_unreadable_gmt_file_is_a_permission_error(nobody_dir):
    gmt = nobody_dir / "secret.gmt"
    gmt.write_text("TOP\t\tG0\tG1\n", encoding="utf-8")
    gmt.chmod(0o000)

    def check() -> None:
        with pytest.raises(PermissionError, match=r"^Permission denied \(os error 13\)$") as info:
            varenkopy.run_gsea_py(RANKS, str(gmt))
        assert info.value.errno == errno.EACCES and info.value.filename == str(gmt)

    as_user_not_root(check, [nobody_dir, gmt])
