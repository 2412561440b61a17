"""A headless Chromium driven over the DevTools protocol, for tests that look
at pages as a person would: console errors, failed requests, clicks and
screenshots. Needs the ``chromium`` binary and the ``websocket-client``
package; :func:`available` says why not when either is missing."""
from __future__ import annotations

import base64
import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request
from pathlib import Path
from typing import Any

_NAMES = ("chromium", "chromium-browser", "google-chrome")
_START_TIMEOUT = 30.0
_CALL_TIMEOUT = 30.0


def chromium_path() -> str | None:
    return next((p for p in map(shutil.which, _NAMES) if p), None)


def available() -> str | None:
    """None when a browser can be driven, else the reason it cannot."""
    if chromium_path() is None:
        return "chromium is not installed (scripts/install-deps.sh installs it)"
    try:
        import websocket  # noqa: F401
    except ImportError:
        return "websocket-client is not installed (scripts/install-deps.sh installs it)"
    return None


class Browser:
    """One headless Chromium with one page; records console errors, uncaught
    exceptions and failed requests of everything loaded into the page."""

    def __init__(self, width: int = 1280, height: int = 900) -> None:
        import websocket

        self.profile = tempfile.mkdtemp(prefix="varenkopy-chromium-")
        binary = chromium_path()
        assert binary is not None
        args = [binary, "--headless=new", "--disable-gpu", "--no-first-run",
                "--no-default-browser-check", "--disable-extensions", "--mute-audio",
                "--disable-background-networking", "--disable-component-update",
                "--disable-sync", f"--user-data-dir={self.profile}",
                "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0",
                f"--window-size={width},{height}", "about:blank"]
        if hasattr(os, "geteuid") and os.geteuid() == 0:
            args.insert(1, "--no-sandbox")  # Chromium refuses root with its sandbox
        self.process = subprocess.Popen(args, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        port_file = Path(self.profile) / "DevToolsActivePort"
        deadline = time.monotonic() + _START_TIMEOUT
        while not port_file.exists() or not port_file.read_text().strip():
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.close()
                raise RuntimeError("chromium did not start its DevTools endpoint")
            time.sleep(0.05)
        port = int(port_file.read_text().split()[0])
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list", timeout=10) as r:
            targets = json.load(r)
        page = next(t for t in targets if t.get("type") == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"],
                                                  timeout=_CALL_TIMEOUT, suppress_origin=True)
        self.next_id = 0
        self.events: list[dict[str, Any]] = []
        for domain in ("Page", "Runtime", "Log", "Network"):
            self.call(f"{domain}.enable")

    def call(self, method: str, **params: Any) -> dict[str, Any]:
        self.next_id += 1
        ident = self.next_id
        self.socket.send(json.dumps({"id": ident, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == ident:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})  # type: ignore[no-any-return]
            self.events.append(message)

    def wait_for(self, method: str, timeout: float = _CALL_TIMEOUT) -> None:
        if any(e.get("method") == method for e in self.events):
            return
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            message = json.loads(self.socket.recv())
            if "id" not in message:
                self.events.append(message)
                if message.get("method") == method:
                    return
        raise TimeoutError(method)

    def open(self, url: str) -> None:
        """Loads `url` and waits for its load event."""
        self.events.clear()
        self.call("Page.navigate", url=url)
        self.wait_for("Page.loadEventFired")
        self.evaluate("1")  # drains the events sent before the answer

    def evaluate(self, expression: str) -> Any:
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def click(self, selector: str) -> None:
        """A real mouse click at the centre of the element `selector` picks."""
        box = self.evaluate(
            f"(function(){{var e=document.querySelector({json.dumps(selector)});"
            f"e.scrollIntoView({{block:'center'}});var r=e.getBoundingClientRect();"
            f"return [r.left+r.width/2, r.top+r.height/2];}})()")
        x, y = box
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def problems(self) -> list[str]:
        """Console errors, uncaught exceptions and failed requests seen so far."""
        found = []
        for event in self.events:
            method, params = event.get("method"), event.get("params", {})
            if method == "Runtime.exceptionThrown":
                found.append(f"exception: {params['exceptionDetails'].get('text')}")
            elif method == "Runtime.consoleAPICalled" and params.get("type") in ("error",
                                                                                 "assert"):
                found.append(f"console: {params.get('args')}")
            elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
                found.append(f"log: {params['entry'].get('text')} {params['entry'].get('url')}")
            elif method == "Network.loadingFailed":
                found.append(f"request failed: {params.get('errorText')}")
            elif method == "Network.responseReceived" and params["response"].get("status",
                                                                                  200) >= 400:
                found.append(f"request failed: {params['response'].get('url')}")
        return found

    def screenshot(self, path: Path) -> bytes:
        data = base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"])
        path.write_bytes(data)
        return data

    def close(self) -> None:
        try:
            if getattr(self, "socket", None) is not None:
                self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)
