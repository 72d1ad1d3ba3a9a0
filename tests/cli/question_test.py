#!/usr/bin/env python3
"""A permanent pass in a real terminal: tarnwick-cli runs in a pseudo-terminal, finds, asks
"'N' Dateien endgültig löschen? [j/N]", and deletes only after j.
    question_test.py TARNWICK_CLI"""
import os
import pty
import sys
import tempfile
import unittest

CLI = sys.argv.pop(1)


def run_in_terminal(arguments, answer):
    """Runs tarnwick-cli with standard input and error on a terminal, answers its question
    once it is asked, and gives what the terminal showed and the exit status."""
    pid, terminal = pty.fork()
    if pid == 0:
        os.execv(CLI, [CLI] + arguments)
    shown = b""
    answered = False
    while True:
        try:
            chunk = os.read(terminal, 4096)
        except OSError:  # the program ended and the terminal closed
            break
        if not chunk:
            break
        shown += chunk
        if not answered and b"[j/N]" in shown:
            os.write(terminal, answer)
            answered = True
    _, status = os.waitpid(pid, 0)
    return shown.decode("utf-8", "replace"), os.waitstatus_to_exitcode(status)


class Question(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.settings = os.path.join(self.work.name, "own.ini")
        self.tree = os.path.join(self.work.name, "tree")
        os.makedirs(self.tree)
        self.file = os.path.join(self.tree, "Setup.log")
        open(self.file, "w").close()
        os.spawnv(os.P_WAIT, CLI, [CLI, "--settings", self.settings, "--add", "Setup.log"])

    def tearDown(self):
        self.work.cleanup()

    def test_no_keeps_every_file(self):
        shown, status = run_in_terminal(["--settings", self.settings, self.tree], b"n\n")
        self.assertIn("'1' Dateien endgültig löschen? [j/N]", shown)
        self.assertIn("Es wurde nichts gelöscht.", shown)
        self.assertEqual(status, 0)
        self.assertTrue(os.path.exists(self.file))

    def test_j_deletes(self):
        shown, status = run_in_terminal(["--settings", self.settings, self.tree], b"j\n")
        self.assertIn("Es wurden '1' Dateien gefunden und gelöscht.", shown)
        self.assertEqual(status, 0)
        self.assertFalse(os.path.exists(self.file))


if __name__ == "__main__":
    unittest.main()
