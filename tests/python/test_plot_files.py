"""Where the package's writers put their file (the compiled plot writers,
the plot functions, the command line's TSV and the package's file module
alike): special files written in place, symbolic links followed, the mode a
new file gets under the umask, a read-only file refused, NUL bytes refused,
long names, a FIFO's wait interruptible, no temporary file left by SIGTERM or
SIGHUP, and the OSError subclass (with errno and filename) of a file
failure, for the plots and the GMT reader."""
from __future__ import annotations

import _thread
import errno
import os
import signal
import socket
import stat
import subprocess
import sys
import tempfile
import threading
import time
from collections.abc import Callable, Iterator
from pathlib import Path

import pandas as pd
import pytest

import varenkopy
from varenkopy import _files, cli

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


def file_bytes(path: str) -> None:
    _files.write_bytes(path, b"content\n")


def tsv(path: str) -> None:
    cli.write_tsv(pd.DataFrame({"a": [1.5]}), path)


def plot_function(path: str) -> None:
    varenkopy.plot_enrichment(RANKS, ["G0", "G1", "G2"], path, dpi=150)


# Every writer of the package, and how its content starts.
RULE_WRITERS = [
    pytest.param(enrichment, PNG_SIGNATURE, id="core plot"),
    pytest.param(plot_function, PNG_SIGNATURE, id="plot function"),
    pytest.param(file_bytes, b"content\n", id="file module"),
    pytest.param(tsv, b"a\n1.5\n", id="tsv"),
]


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


@pytest.mark.parametrize("write, start", RULE_WRITERS)
def test_a_device_is_written_in_place(tmp_path, write, start):
    device = tmp_path / "null-device"
    try:
        os.mknod(device, stat.S_IFCHR | 0o666, os.makedev(1, 3))
    except PermissionError:
        pytest.skip("mknod is not permitted here")
    write(str(device))
    assert stat.S_ISCHR(device.lstat().st_mode)
    assert names(tmp_path) == ["null-device"]


@pytest.mark.parametrize("write, start", RULE_WRITERS)
@pytest.mark.parametrize("reader_first", [True, False], ids=["reader waiting", "reader later"])
def test_a_fifo_is_written_in_place(tmp_path, write, start, reader_first):
    fifo = tmp_path / "pipe"
    os.mkfifo(fifo)
    received: list[bytes] = []

    def read() -> None:
        if not reader_first:
            time.sleep(0.3)  # the writer waits for its reader meanwhile
        received.append(fifo.read_bytes())

    reader = threading.Thread(target=read, daemon=True)
    reader.start()
    write(str(fifo))
    reader.join(timeout=10)
    assert received and received[0].startswith(start)
    assert stat.S_ISFIFO(fifo.lstat().st_mode)
    assert names(tmp_path) == ["pipe"]


def interrupted_promptly(call: Callable[[], object], unblock: Callable[[], None]) -> None:
    """Checks that Ctrl-C (SIGINT's handler, as the interpreter runs it) stops
    `call`, which waits for the other end of a FIFO, within 0.5 s, and that
    another Python thread runs meanwhile. `unblock` ends the wait should the
    interruption fail, so that the test fails instead of hanging."""
    ticks = 0
    sent: list[float] = []
    finished = threading.Event()

    def count() -> None:
        nonlocal ticks
        while not finished.is_set():
            ticks += 1
            time.sleep(0.002)

    def interrupt() -> None:
        time.sleep(0.4)
        sent.append(time.monotonic())
        _thread.interrupt_main()
        if not finished.wait(3):
            unblock()

    helpers = [threading.Thread(target=count), threading.Thread(target=interrupt)]
    for helper in helpers:
        helper.start()
    try:
        with pytest.raises(KeyboardInterrupt):
            call()
            time.sleep(5)  # the interruption arrived too late: fail below
        stopped = time.monotonic()
    finally:
        finished.set()
        for helper in helpers:
            helper.join()
    assert stopped - sent[0] < 0.5
    assert ticks > 50  # about 200 while waiting 0.4 s


def drain(fifo: Path) -> None:
    fd = os.open(fifo, os.O_RDONLY | os.O_NONBLOCK)
    time.sleep(0.5)
    os.close(fd)


@pytest.mark.parametrize("write, start", RULE_WRITERS)
def test_a_fifo_without_reader_is_waited_for_interruptibly(tmp_path, write, start):
    fifo = tmp_path / "pipe"
    os.mkfifo(fifo)
    interrupted_promptly(lambda: write(str(fifo)), lambda: drain(fifo))
    assert names(tmp_path) == ["pipe"]


@pytest.mark.parametrize("write, start", RULE_WRITERS)
@pytest.mark.parametrize("umask", [0o022, 0o077])
@pytest.mark.parametrize("existing", [None, 0o600, 0o644], ids=["new", "0600", "0644"])
def test_the_mode_is_the_umask_s(tmp_path, write, start, umask, existing):
    out = tmp_path / "out"
    if existing is not None:
        out.write_bytes(b"previous")
        out.chmod(existing)
    previous = os.umask(umask)
    try:
        write(str(out))
    finally:
        os.umask(previous)
    assert out.read_bytes().startswith(start)
    assert stat.S_IMODE(out.stat().st_mode) == 0o666 & ~umask
    assert names(tmp_path) == ["out"]


# A process that starts a write, says so, and is killed while it writes.
KILLED_WRITER = """
import os, sys, time
from varenkopy import _files, cli
real_write = os.write
def slow_write(fd, data):
    print("writing", flush=True)
    time.sleep(30)
    return real_write(fd, data)
os.write = slow_write
kind, target = sys.argv[1], sys.argv[2]
if kind == "file module":
    _files.write_bytes(target, b"new")
else:
    sys.exit(cli.main(["gsea", sys.argv[3], sys.argv[4], "-o", target, "--seed", "1",
                       "--min-size", "1", "--n-perm-simple", "50"]))
"""


@pytest.mark.parametrize("kind", ["file module", "command line"])
@pytest.mark.parametrize("signum", [signal.SIGTERM, signal.SIGHUP], ids=["SIGTERM", "SIGHUP"])
def test_termination_during_a_write_keeps_the_previous_file(tmp_path, small_gmt, kind, signum):
    folder = tmp_path / "out"
    folder.mkdir()
    target = folder / "res.tsv"
    target.write_bytes(b"previous")
    ranking = tmp_path / "r.rnk"
    ranking.write_text("".join(f"{g}\t{s}\n" for g, s in RANKS.items()), encoding="utf-8")
    proc = subprocess.Popen([sys.executable, "-c", KILLED_WRITER, kind, str(target),
                             str(ranking), str(small_gmt)],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    assert proc.stdout is not None
    assert proc.stdout.readline() == "writing\n", proc.stderr.read() if proc.stderr else ""
    proc.send_signal(signum)
    _, err = proc.communicate(timeout=30)
    assert proc.returncode == -signum, err
    assert names(folder) == ["res.tsv"]
    assert target.read_bytes() == b"previous"


@pytest.mark.parametrize("write, message", [
    pytest.param(enrichment, "^No such device or address$", id="core plot"),
    pytest.param(plot_function, "^No such device or address$", id="plot function"),
    pytest.param(file_bytes, r"^\[Errno 6\] No such device or address: ", id="file module"),
    pytest.param(tsv, r"^\[Errno 6\] No such device or address: ", id="tsv"),
])
def test_a_socket_is_refused_and_kept(tmp_path, write, message):
    path = tmp_path / "sock"
    with socket.socket(socket.AF_UNIX) as server:
        server.bind(str(path))
        with pytest.raises(OSError, match=message) as info:
            write(str(path))
    assert info.value.errno == errno.ENXIO and info.value.filename == str(path)
    assert stat.S_ISSOCK(path.lstat().st_mode)


@pytest.mark.parametrize("write, start", [pytest.param(table, PNG_SIGNATURE, id="table"),
                                          *RULE_WRITERS])
@pytest.mark.parametrize("existing", [True, False], ids=["live link", "dangling link"])
def test_a_link_is_followed_and_kept(tmp_path, existing, write, start):
    (tmp_path / "sub").mkdir()
    target = tmp_path / "sub" / "real.png"
    if existing:
        target.write_bytes(b"previous")
    link = tmp_path / "link.png"
    link.symlink_to(Path("sub") / "real.png")
    write(str(link))
    assert link.is_symlink() and os.readlink(link) == str(Path("sub") / "real.png")
    assert target.read_bytes().startswith(start)
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


@pytest.mark.parametrize("write, message", [
    pytest.param(table, "^Permission denied$", id="table"),
    pytest.param(plot_function, "^Permission denied$", id="plot function"),
    pytest.param(file_bytes, r"^\[Errno 13\] Permission denied: ", id="file module"),
    pytest.param(tsv, r"^\[Errno 13\] Permission denied: ", id="tsv"),
])
def test_a_read_only_file_is_refused_and_kept(nobody_dir, write, message):
    out = nobody_dir / "kept.png"
    out.write_bytes(b"previous")
    out.chmod(0o444)

    def check() -> None:
        with pytest.raises(PermissionError, match=message) as info:
            write(str(out))
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


# --- readers: a FIFO without a writer ------------------------------------------------

READERS = [
    pytest.param(varenkopy.read_gmt, id="read_gmt"),
    pytest.param(lambda path: varenkopy.gsea(RANKS, path, seed=1, min_size=1), id="gsea"),
    pytest.param(lambda path: varenkopy.run_gsea_py(RANKS, path, seed=1), id="run_gsea_py"),
    pytest.param(varenkopy.read_ranking, id="read_ranking"),
    pytest.param(cli.read_signature_matrix, id="matrix"),
]


def feed_and_close(fifo: Path) -> None:
    with open(fifo, "wb"):
        pass


@pytest.mark.parametrize("read", READERS)
def test_a_fifo_without_writer_is_waited_for_interruptibly(tmp_path, read):
    fifo = tmp_path / "in.gmt"
    os.mkfifo(fifo)
    interrupted_promptly(lambda: read(str(fifo)), lambda: feed_and_close(fifo))


@pytest.mark.parametrize("read", READERS)
def test_a_fifo_is_read_once_its_writer_comes(tmp_path, read):
    fifo = tmp_path / "in.txt"
    os.mkfifo(fifo)
    gmt = read in (READERS[0].values[0], READERS[1].values[0], READERS[2].values[0])
    text = "S\t\tG0\tG1\tG2\n" if gmt else "gene\ta\nG0\t1.5\n"

    def write() -> None:
        time.sleep(0.3)
        with open(fifo, "w", encoding="utf-8") as fh:
            fh.write(text)

    writer = threading.Thread(target=write)
    writer.start()
    result = read(str(fifo))
    writer.join()
    assert len(result) == 1
