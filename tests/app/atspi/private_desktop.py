# SPDX-License-Identifier: MIT
"""A throw-away desktop for one test run: its own Xvfb display, D-Bus session bus and
accessibility bus with its registry, in a temporary home, so the test never talks to the
user's desktop. Everything started here is stopped again by close(), also after a failure.
"""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

from outcomes import Unavailable

AT_SPI_LIBEXEC = "/usr/libexec"
_PR_SET_CHILD_SUBREAPER = 36


def _read_line(pipe_fd, process, what, timeout):
    """The first line a starting program writes to pipe_fd (its display or bus address)."""
    deadline = time.monotonic() + timeout
    text = b""
    while not text.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or process.poll() is not None:
            raise Unavailable(f"{what} did not start")
        ready, _, _ = select.select([pipe_fd], [], [], min(left, 0.1))
        if ready:
            chunk = os.read(pipe_fd, 256)
            if not chunk:
                raise Unavailable(f"{what} did not start")
            text += chunk
    return text.decode().strip()


def _call(address, service, path, interface, method, arguments, reply_type):
    flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
             | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
    try:
        return bus.call_sync(service, path, interface, method, arguments,
                             GLib.VariantType(reply_type), Gio.DBusCallFlags.NONE, 2000,
                             None).unpack()
    finally:
        bus.close_sync(None)


def _wait_for_owner(address, name, what, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if _call(address, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                 "NameHasOwner", GLib.Variant("(s)", (name,)), "(b)")[0]:
            return
        time.sleep(0.05)
    raise Unavailable(f"{what} did not start")


def _accessibility_bus_address(session_address):
    _wait_for_owner(session_address, "org.a11y.Bus", "the accessibility bus launcher")
    return _call(session_address, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                 None, "(s)")[0]


def _tool(name):
    for folder in (AT_SPI_LIBEXEC, "/usr/lib/at-spi2-core"):
        path = os.path.join(folder, name)
        if os.access(path, os.X_OK):
            return path
    path = shutil.which(name)
    if not path:
        raise Unavailable(f"{name} is not installed")
    return path


def _adopt_orphans():
    """Makes this process the reaper of its descendants whose parents end first (the
    accessibility bus outlives its launcher by a moment), so none is left a zombie."""
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(_PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def _reap_orphans(timeout=2):
    """Waits for the adopted descendants, which were killed with their process groups."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            time.sleep(0.02)


class PrivateDesktop:
    def __init__(self):
        _adopt_orphans()
        self._processes = []
        self._folder = tempfile.mkdtemp(prefix="quadrelle-atspi-")
        self.env = self._private_environment()

    def _private_environment(self):
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("DBUS_", "AT_SPI", "WAYLAND", "XDG_", "QT_", "SESSION_"))}
        for name in ("home", "config", "data", "cache", "runtime", "logs"):
            os.mkdir(self.path(name), 0o700)
        env.update(HOME=self.path("home"), XDG_CONFIG_HOME=self.path("config"),
                   XDG_DATA_HOME=self.path("data"), XDG_CACHE_HOME=self.path("cache"),
                   XDG_RUNTIME_DIR=self.path("runtime"), TMPDIR=self._folder, DISPLAY="")
        return env

    def path(self, *parts):
        return os.path.join(self._folder, *parts)

    def start(self):
        self.env["DISPLAY"] = ":" + self._start_reporting(
            "Xvfb", ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "800x600x24",
                     "-nolisten", "tcp", "-noreset"])
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._start_reporting(
            "the D-Bus session bus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                      "--print-address={fd}"])
        # The launcher must own its name before anyone asks for it, or the session bus
        # would start a second launcher of its own.
        self.launch([_tool("at-spi-bus-launcher"), "--launch-immediately"])
        try:
            address = _accessibility_bus_address(self.env["DBUS_SESSION_BUS_ADDRESS"])
            self.launch([_tool("at-spi2-registryd")])
            _wait_for_owner(address, "org.a11y.atspi.Registry", "the accessibility registry")
        except GLib.Error as error:
            raise Unavailable(f"the accessibility bus does not answer: {error.message}") from error
        return self

    def _start_reporting(self, what, command):
        """Starts a program that writes where it listens to a pipe, and returns that."""
        if not shutil.which(command[0]):
            raise Unavailable(f"{command[0]} is not installed")
        read_fd, write_fd = os.pipe()
        try:
            command = [part.replace("{fd}", str(write_fd)) for part in command]
            process = self.launch(command, pass_fds=(write_fd,))
            os.close(write_fd)
            write_fd = -1
            return _read_line(read_fd, process, what, timeout=10)
        finally:
            os.close(read_fd)
            if write_fd >= 0:
                os.close(write_fd)

    def launch(self, command, **options):
        """Starts a program in a process group of its own, so close() stops its children
        too; its output goes to a log that show_logs() prints."""
        log_path = self.path("logs", f"{len(self._processes)}-{os.path.basename(command[0])}")
        with open(log_path, "wb") as log:
            process = subprocess.Popen(command, env=self.env, start_new_session=True,
                                       stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT, **options)
        self._processes.append(process)
        return process

    def show_logs(self):
        for name in sorted(os.listdir(self.path("logs"))):
            with open(self.path("logs", name), errors="replace") as log:
                text = log.read().strip()
            if text:
                print(f"--- output of {name}:\n{text}")

    def close(self):
        for process in reversed(self._processes):
            _stop(process)
        self._processes.clear()
        _reap_orphans()
        shutil.rmtree(self._folder, ignore_errors=True)


def _stop(process):
    """Asks a program to end, then kills whatever is left of its process group."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=3)
        except subprocess.TimeoutExpired:
            pass
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    process.wait()
