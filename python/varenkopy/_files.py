"""The one rule by which the package writes and reads its files.

Every file the package writes (result tables, plots, reports) is written by
one rule, the same for the command line, the Python functions and the
compiled plot writer. A regular file, or a name that does not exist yet, is
written to a temporary file in the same folder and renamed into place once
complete, so a reader never sees a partial file and a failed write keeps the
previous one; the new file gets the mode a plain ``open()`` gives a new file
(``0666`` less the umask, also when it replaces an existing file). A symbolic
link is followed and kept: the file it ends in is created or replaced. A
device, FIFO or socket is written in place, not replaced (a socket cannot be
opened and is refused with ``OSError``). A file the caller may not write is
refused with ``PermissionError`` before anything is written; a folder in
place of the file is ``IsADirectoryError``. On the command line ``-o -`` is
standard output. A FIFO waiting for its other end is waited for in short
ticks: Ctrl-C stops the wait within 0.05 s and other Python threads run
meanwhile. A SIGTERM or SIGHUP during a write (in the main thread, while the
signal's action is the default) leaves no temporary file behind and keeps
the previous file; the process then ends by that signal as it would have.

A folder the package writes as a whole (a report) is built in a new folder
beside it and swapped in by :func:`replacing_folder`: the old and new
folders trade places in one atomic exchange where the kernel and file system
offer it, else the old one is renamed away and the new one renamed in. Until
the swap the previous folder is untouched (a failure or a signal removes the
new one); after it the folder holds the new files only, and the old folder is
removed without following any symbolic link inside it. A link in place of
the folder is followed and kept, as for a file. A folder that exists but
does not pass the caller's check (not written by the package) is refused
before anything is written.

Every text file the package reads (rankings, signature matrices, gene set
files) is read as UTF-8; gzip-compressed files (known by their first bytes,
whatever their name) are decompressed on the fly; a leading byte-order mark
is dropped; a file may bring at most 1 GiB (after decompression) and hold no
line longer than 256 MiB, and more is refused with ``ValueError`` naming the
file, as are bytes that are not UTF-8 (naming the file and the line). A FIFO
without a writer is waited for as above; a folder is refused with
``IsADirectoryError`` naming it.
"""
from __future__ import annotations

import contextlib
import ctypes
import ctypes.util
import errno
import gzip
import io
import os
import secrets
import select
import shutil
import signal
import stat
import threading
import time
import zlib
from collections.abc import Callable, Generator, Iterator
from types import FrameType

#: Most bytes one file may bring (after decompression): 1 GiB.
MAX_READ_BYTES = 1 << 30
#: Longest line a text file may hold, in bytes before its LF (256 MiB), as
#: the GMT reader of the core allows.
MAX_LINE_BYTES = 256 << 20

# Bytes asked for per read.
_CHUNK = 1 << 20
# How long one wait for the other end of a FIFO lasts before signals are
# looked at again, in seconds.
_TICK = 0.05
# Longest chain of symbolic links followed, as the kernel allows.
_MAX_LINK_HOPS = 40
_GZIP_MAGIC = b"\x1f\x8b"
_TERMINATING = tuple(getattr(signal, name) for name in ("SIGTERM", "SIGHUP") if hasattr(signal, name))


def _os_error(exc: OSError, path: str) -> OSError:
    """`exc` again (the matching subclass), naming the caller's path."""
    return OSError(exc.errno, exc.strerror, path)


def _error(number: int, path: str) -> OSError:
    return OSError(number, os.strerror(number), path)


# --- termination during a write ---------------------------------------------------


class _Terminated(BaseException):
    """Raised in the main thread by SIGTERM or SIGHUP during a write."""

    def __init__(self, signum: int) -> None:
        super().__init__(signum)
        self.signum = signum


class _Guard:
    """The state of one :func:`terminations_raise` block."""

    def __init__(self) -> None:
        self.armed = True
        self.pending: int | None = None

    def handler(self, signum: int, frame: FrameType | None) -> None:
        self.pending = signum
        if self.armed:
            raise _Terminated(signum)


@contextlib.contextmanager
def terminations_raise() -> Iterator[None]:
    """Within the block, SIGTERM and SIGHUP raise an exception that unwinds it.

    Writers clean up their temporary file on the way out; when the block is
    left, the process ends by the signal, as the default action would have
    ended it. Only signals whose action is the default are taken over, and
    only in the main thread; elsewhere the block changes nothing. Nested
    blocks leave the handling to the outermost one.

    Examples
    --------
    >>> with terminations_raise():
    ...     write_bytes("out.bin", b"data")
    """
    guard = _Guard()
    installed: dict[int, Callable[[int, FrameType | None], object] | int | None] = {}
    if threading.current_thread() is threading.main_thread():
        for signum in _TERMINATING:
            with contextlib.suppress(ValueError, OSError):
                previous = signal.getsignal(signum)
                if previous == signal.SIG_DFL:
                    signal.signal(signum, guard.handler)
                    installed[signum] = previous
    try:
        yield
    except _Terminated:
        if not installed:
            raise  # an outer block took the signals over
    finally:
        guard.armed = False
        for signum, previous in installed.items():
            signal.signal(signum, previous)
        if installed and guard.pending is not None:
            os.kill(os.getpid(), guard.pending)
            time.sleep(1)  # the default action ends the process meanwhile
            raise SystemExit(128 + guard.pending)


# --- writing ------------------------------------------------------------------------


def is_special(path: str) -> bool:
    """True when `path` (links followed) is a device, FIFO or socket."""
    try:
        mode = os.stat(path).st_mode
    except OSError:
        return False
    return not (stat.S_ISREG(mode) or stat.S_ISDIR(mode))


def _resolve(path: str) -> str:
    """The file that writing `path` creates or replaces: symbolic links
    (live or dangling) followed without normalising ``..``; a regular file the
    caller may not write is refused."""
    current = path
    for _ in range(_MAX_LINK_HOPS + 1):
        try:
            mode = os.lstat(current).st_mode
        except FileNotFoundError:
            return current  # created; a missing folder fails on the temporary file
        except OSError as exc:
            raise _os_error(exc, path) from None
        if stat.S_ISLNK(mode):
            try:
                link = os.readlink(current)
            except OSError as exc:
                raise _os_error(exc, path) from None
            current = link if os.path.isabs(link) else os.path.join(os.path.dirname(current), link)
            continue
        if stat.S_ISREG(mode):
            effective = os.access in os.supports_effective_ids
            if not os.access(current, os.W_OK, effective_ids=effective):
                # The rename would replace the file regardless: refuse it as
                # opening it for writing would.
                raise _error(errno.EACCES, path)
        return current  # a folder: the rename refuses it
    raise _error(errno.ELOOP, path)


def _write_all(fd: int, data: bytes) -> None:
    view = memoryview(data)
    while view:
        written = os.write(fd, view)
        view = view[written:]


def _open_for_writing_in_place(path: str) -> int:
    """Opens a device or FIFO for writing; a FIFO without a reader is waited
    for in ticks (interruptible, other threads run)."""
    flags = os.O_WRONLY | os.O_NOCTTY | os.O_CLOEXEC | os.O_NONBLOCK
    while True:
        try:
            fd = os.open(path, flags)
        except OSError as exc:
            if exc.errno == errno.ENXIO and _is_fifo(path):
                time.sleep(_TICK)  # no reader yet
                continue
            raise _os_error(exc, path) from None
        os.set_blocking(fd, True)
        return fd


def _is_fifo(path: str) -> bool:
    try:
        return stat.S_ISFIFO(os.stat(path).st_mode)
    except OSError:
        return False


def _temporary_beside(target: str, path: str) -> tuple[int, str]:
    """A new, exclusive temporary file in the folder of `target`; its name has
    a fixed length, so any target name the file system takes leaves room."""
    folder = os.path.dirname(target)
    for _ in range(100):
        name = f".vk-{os.getpid() & 0xFFFFFFFF:08x}-{secrets.token_hex(4)}.tmp"
        temp = os.path.join(folder, name)
        try:
            return os.open(temp, os.O_WRONLY | os.O_CREAT | os.O_EXCL | os.O_CLOEXEC, 0o666), temp
        except FileExistsError:
            continue
        except OSError as exc:
            raise _os_error(exc, path) from None
    raise _error(errno.EEXIST, path)


def write_bytes(path: str | os.PathLike[str], data: bytes) -> None:
    """Writes `data` to `path` by the package's file rule (see the module).

    Parameters
    ----------
    path : str or os.PathLike
        The file to write.
    data : bytes
        Its whole content.

    Raises
    ------
    OSError
        The matching subclass (``PermissionError``, ``FileNotFoundError``,
        ``IsADirectoryError``, ...) naming `path`; the previous file stays.
    ValueError
        `path` contains a NUL byte.

    Examples
    --------
    >>> write_bytes("out.bin", b"\\x00\\x01")
    """
    out = os.fspath(path)
    if "\0" in out:
        raise ValueError("embedded null byte")
    with terminations_raise():
        if is_special(out):
            fd = _open_for_writing_in_place(out)
            try:
                _write_all(fd, data)
            except OSError as exc:
                raise _os_error(exc, out) from None
            finally:
                os.close(fd)
            return
        target = _resolve(out)
        temp = ""
        try:
            fd, temp = _temporary_beside(target, out)
            try:
                _write_all(fd, data)
            finally:
                os.close(fd)
            os.rename(temp, target)
            temp = ""
        except OSError as exc:
            raise _os_error(exc, out) from None
        finally:
            if temp:
                with contextlib.suppress(OSError):
                    os.unlink(temp)


def write_text(path: str | os.PathLike[str], text: str) -> None:
    """Writes `text` as UTF-8 to `path` by the package's file rule.

    Parameters
    ----------
    path : str or os.PathLike
        The file to write.
    text : str
        Its whole content; line ends are written as given.

    Raises
    ------
    OSError, ValueError
        As :func:`write_bytes`.

    Examples
    --------
    >>> write_text("out.tsv", "a\\tb\\n")
    """
    write_bytes(path, text.encode("utf-8"))


# --- folders written as a whole --------------------------------------------------

_RENAME_EXCHANGE = 2  # renameat2 flag of Linux
_AT_FDCWD = -100
# How often a swap is tried again when a concurrent writer moves the folder
# between the steps of the rename fallback.
_SWAP_ATTEMPTS = 20


def _renameat2() -> Callable[..., int] | None:
    """The C library's renameat2, or None where it is missing."""
    if not hasattr(os, "uname") or os.uname().sysname != "Linux":
        return None
    try:
        libc = ctypes.CDLL(ctypes.util.find_library("c") or "libc.so.6", use_errno=True)
        function = libc.renameat2
    except (OSError, AttributeError):
        return None
    function.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_int, ctypes.c_char_p,
                         ctypes.c_uint]
    function.restype = ctypes.c_int
    return function


def _exchange(first: str, second: str) -> bool:
    """Swaps two existing paths atomically; False where the kernel, the C
    library or the file system cannot (the caller falls back to renames)."""
    function = _renameat2()
    if function is None:
        return False
    if function(_AT_FDCWD, os.fsencode(first), _AT_FDCWD, os.fsencode(second),
                _RENAME_EXCHANGE) == 0:
        return True
    number = ctypes.get_errno()
    if number in (errno.EINVAL, errno.ENOSYS, errno.ENOTSUP, errno.EOPNOTSUPP):
        return False
    raise _error(number, second)


def _beside(target: str, kind: str) -> str:
    """A new, empty folder next to `target`, named after it (hidden)."""
    folder = os.path.dirname(target) or "."
    base = os.path.basename(target)[:100]
    for _ in range(100):
        name = f".{base}.vk-{kind}-{os.getpid() & 0xFFFFFFFF:08x}-{secrets.token_hex(4)}"
        path = os.path.join(folder, name)
        try:
            os.mkdir(path, 0o777)  # the mode a new folder gets under the umask
        except FileExistsError:
            continue
        return path
    raise _error(errno.EEXIST, target)


def _remove_folder(path: str) -> None:
    """Removes `path` and what it holds; links inside are removed, never
    followed (the descriptor-based walk of :func:`shutil.rmtree`)."""
    shutil.rmtree(path, ignore_errors=True)


def _swap_in(new: str, target: str, check: Callable[[str], None]) -> None:
    """Puts the complete folder `new` at `target` and removes what was there."""
    for _ in range(_SWAP_ATTEMPTS):
        if not os.path.lexists(target):
            try:
                os.rename(new, target)
                return
            except OSError as exc:
                if exc.errno not in (errno.EEXIST, errno.ENOTEMPTY):
                    raise
                continue  # a concurrent run put its folder there first
        try:
            check(target)
        except FileNotFoundError:
            continue  # a concurrent run moved it away meanwhile
        if _exchange(new, target):
            _remove_folder(new)  # now the previous folder
            return
        old = _beside(target, "old")
        try:
            os.rename(target, old)  # replaces the empty placeholder
        except FileNotFoundError:
            os.rmdir(old)
            continue  # a concurrent run moved it away meanwhile
        except BaseException:
            with contextlib.suppress(OSError):
                os.rmdir(old)
            raise
        try:
            os.rename(new, target)
        except BaseException as exc:
            # Put the previous folder back (also on a signal, so the place is
            # never left empty); when a concurrent run filled the place
            # first, its complete folder stays and the previous one goes.
            restored = False
            with contextlib.suppress(OSError):
                os.rename(old, target)
                restored = True
            if not restored and os.path.isdir(target):
                _remove_folder(old)
            if isinstance(exc, OSError) and exc.errno in (errno.EEXIST, errno.ENOTEMPTY):
                continue
            raise
        _remove_folder(old)
        return
    raise _error(errno.EBUSY, target)


@contextlib.contextmanager
def replacing_folder(path: str | os.PathLike[str], check: Callable[[str], None]
                     ) -> Iterator[str]:
    """A new folder to fill, swapped in at `path` when the block ends normally.

    `check` is given an existing folder at `path` (before the block and again
    right before the swap) and raises when it may not be replaced. A
    failure or a SIGTERM/SIGHUP inside the block removes the new folder and
    leaves `path` as it was. A symbolic link at `path` is followed and kept.

    Parameters
    ----------
    path : str or os.PathLike
        The folder to create or replace.
    check : callable
        Called with the path of an existing folder; raises to refuse it.

    Yields
    ------
    str
        The new folder (in the same parent folder as `path`).

    Raises
    ------
    NotADirectoryError
        Something other than a folder is at `path`.
    OSError, ValueError
        The folder cannot be created or swapped in; whatever `check` raises.

    Examples
    --------
    >>> with replacing_folder("out", lambda existing: None) as new:
    ...     write_text(os.path.join(new, "a.txt"), "a\\n")
    """
    given = os.fspath(path)
    if "\0" in given:
        raise ValueError("embedded null byte")
    target = _resolve(given.rstrip(os.sep) or given)
    try:
        if not stat.S_ISDIR(os.stat(target).st_mode):
            raise _error(errno.ENOTDIR, given)
        check(target)
    except FileNotFoundError:
        pass  # nothing there, or a concurrent run has just moved it away
    with terminations_raise():
        try:
            new = _beside(target, "new")
        except OSError as exc:
            raise _os_error(exc, given) from None
        try:
            yield new
            try:
                _swap_in(new, target, check)
            except OSError as exc:
                raise _os_error(exc, given) from None
        finally:
            if os.path.isdir(new):
                _remove_folder(new)


# --- reading ------------------------------------------------------------------------


def _open_for_reading(path: str) -> int:
    """Opens `path` for reading; a FIFO without a writer is waited for in ticks.
    A folder is refused with IsADirectoryError naming `path`."""
    try:
        fd = os.open(path, os.O_RDONLY | os.O_CLOEXEC | os.O_NONBLOCK)
    except OSError as exc:
        raise _os_error(exc, path) from None
    try:
        mode = os.fstat(fd).st_mode
        if stat.S_ISDIR(mode):
            # Opening a folder succeeds; only reading it fails, with no name.
            raise _error(errno.EISDIR, path)
        if stat.S_ISFIFO(mode):
            # Nothing is ready until a writer has written or come and gone.
            poller = select.poll()
            poller.register(fd, select.POLLIN)
            while not poller.poll(int(_TICK * 1000)):
                pass
        os.set_blocking(fd, True)
    except BaseException:
        os.close(fd)
        raise
    return fd


class _Counter:
    """Counts what a file brings and refuses too much."""

    def __init__(self, path: str, limit: int, max_line: int) -> None:
        self.path, self.limit, self.max_line = path, limit, max_line
        self.total = 0
        self.lines = 0  # complete lines so far
        self.open_line = 0  # bytes of the unfinished line

    def add(self, chunk: bytes) -> None:
        self.total += len(chunk)
        if self.total > self.limit:
            raise ValueError(f"{self.path}: larger than {self.limit} bytes (after "
                             "decompression), the most one file may bring")
        first = chunk.find(b"\n")
        if first < 0:
            self.open_line += len(chunk)
        elif len(chunk) <= self.max_line:
            # Lines that start and end inside the chunk cannot be too long.
            if self.open_line + first > self.max_line:
                raise self.too_long()
            self.lines += chunk.count(b"\n")
            self.open_line = len(chunk) - chunk.rfind(b"\n") - 1
        else:
            start = 0
            while first >= 0:
                if self.open_line + first - start > self.max_line:
                    raise self.too_long()
                self.lines += 1
                self.open_line = 0
                start = first + 1
                first = chunk.find(b"\n", start)
            self.open_line = len(chunk) - start
        if self.open_line > self.max_line:
            raise self.too_long()

    def too_long(self) -> ValueError:
        return ValueError(f"{self.path}: line {self.lines + 1} is longer than "
                          f"{self.max_line} bytes")


class _Tap(io.RawIOBase):
    """A readable file that shows every byte it passes on to `observe`."""

    def __init__(self, source: io.BufferedReader, observe: Callable[[bytes], object]) -> None:
        super().__init__()
        self.source, self.observe = source, observe

    def readable(self) -> bool:
        return True

    def read(self, size: int = -1) -> bytes:
        data = self.source.read(size)
        self.observe(data)
        return data


def read_chunks(path: str | os.PathLike[str], *, limit: int | None = None,
                max_line: int | None = None,
                observe: Callable[[bytes], object] | None = None) -> Generator[bytes, None, None]:
    """The bytes of the file at `path` in pieces of at most 1 MiB, decompressed
    when it is gzip data, with the checks of :func:`read_bytes`.

    A reader that parses the pieces as they come never holds the whole file.
    The file is opened at the first piece asked for and closed when the last
    has been given or the iterator is closed. `observe`, when given, sees
    the file's bytes as they are read, before decompression (to hash the file
    as it is stored in the same read).

    Examples
    --------
    >>> sum(len(piece) for piece in read_chunks("sets.gmt.gz")) > 0
    True
    """
    name = os.fspath(path)
    if "\0" in name:
        raise ValueError("embedded null byte")
    counter = _Counter(name, MAX_READ_BYTES if limit is None else limit,
                       MAX_LINE_BYTES if max_line is None else max_line)
    fd = _open_for_reading(name)
    try:
        raw = os.fdopen(fd, "rb")
    except BaseException:
        os.close(fd)
        raise
    with raw:
        try:
            source: io.BufferedIOBase = raw
            if raw.peek(len(_GZIP_MAGIC))[:len(_GZIP_MAGIC)] == _GZIP_MAGIC:
                packed = raw if observe is None else _Tap(raw, observe)
                source = gzip.GzipFile(fileobj=packed, mode="rb")
            while True:
                if source is raw:
                    chunk = raw.read1(_CHUNK)
                    if observe is not None and chunk:
                        observe(chunk)
                else:
                    chunk = source.read(_CHUNK)
                if not chunk:
                    break
                counter.add(chunk)
                yield chunk
        except (gzip.BadGzipFile, EOFError, zlib.error) as exc:
            raise ValueError(f"{name}: broken gzip data ({exc})") from None
        except OSError as exc:
            raise _os_error(exc, name) from None


def read_bytes(path: str | os.PathLike[str], *, limit: int | None = None,
               max_line: int | None = None,
               observe: Callable[[bytes], object] | None = None) -> bytes:
    """The bytes of the file at `path`, decompressed when it is gzip data.

    Parameters
    ----------
    path : str or os.PathLike
        The file; ``.gz`` content is recognised by its first bytes.
    limit : int, optional
        Most bytes the file may bring (after decompression); by default
        :data:`MAX_READ_BYTES` (1 GiB).
    max_line : int, optional
        Longest line allowed, in bytes before its LF; by default
        :data:`MAX_LINE_BYTES` (256 MiB).
    observe : callable, optional
        Called with the file's bytes as they are read, before decompression.

    Returns
    -------
    bytes
        The content (a leading byte-order mark included).

    Raises
    ------
    OSError
        The file cannot be opened or read, or is a folder (the matching
        subclass, naming it).
    ValueError
        More than `limit` bytes, a line longer than `max_line` bytes, or
        broken gzip data; the message names the file.

    Examples
    --------
    >>> read_bytes("sets.gmt.gz")[:4]
    b'HALL'
    """
    chunks = read_chunks(path, limit=limit, max_line=max_line, observe=observe)
    with contextlib.closing(chunks):
        first = next(chunks, b"")
        rest = next(chunks, None)
        if rest is None:
            return first  # one piece: no second copy
        return b"".join([first, rest, *chunks])


def decode_text(data: bytes, path: str) -> str:
    """`data` decoded as UTF-8 without a leading byte-order mark; bytes that
    are not UTF-8 raise ValueError naming `path` and the line."""
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as exc:
        line = data.count(b"\n", 0, exc.start) + 1
        column = exc.start - (data.rfind(b"\n", 0, exc.start) + 1) + 1
        raise ValueError(f"{path}: line {line} is not valid UTF-8 (byte "
                         f"0x{data[exc.start]:02x} at byte {column} of the line)") from None
    return text[1:] if text.startswith("\ufeff") else text


def read_text(path: str | os.PathLike[str], *, limit: int | None = None,
              max_line: int | None = None) -> str:
    """The text of the file at `path` by the package's reading rule.

    UTF-8, gzip decompressed, a leading byte-order mark dropped; line ends
    are kept as they are in the file.

    Parameters
    ----------
    path : str or os.PathLike
        The file.
    limit, max_line : int
        As for :func:`read_bytes`.

    Returns
    -------
    str
        The whole text.

    Raises
    ------
    OSError
        The file cannot be opened or read.
    ValueError
        Too large, a line too long, broken gzip data or bytes that are not
        UTF-8; the message names the file (and the line).

    Examples
    --------
    >>> read_text("ranking.rnk.gz").splitlines()[0]
    'JUNB\\t5.2'
    """
    name = os.fspath(path)
    return decode_text(read_bytes(name, limit=limit, max_line=max_line), name)


def open_text(path: str | os.PathLike[str], *, limit: int | None = None,
              max_line: int | None = None) -> io.StringIO:
    """:func:`read_text` as a text stream that does not translate line ends
    (what the :mod:`csv` module wants).

    Examples
    --------
    >>> next(csv.reader(open_text("matrix.tsv.gz"), delimiter="\\t"))
    ['gene', 'a', 'b']
    """
    return io.StringIO(read_text(path, limit=limit, max_line=max_line), newline="")
