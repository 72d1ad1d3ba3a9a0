"""The folder actions that the package gives the Linux file managers: each file carries what
its reader needs, and the GNOME Files extension offers the action for one local folder only
and starts the program with that folder's path."""

import configparser
import importlib.util
import pathlib
import sys
import types
import unittest
from unittest import mock

FILE_MANAGERS = pathlib.Path(__file__).resolve().parents[2] / "resources" / "file-managers"
LABEL = "Mit Tarnwick bereinigen"


def key_file(name):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(FILE_MANAGERS / name, encoding="utf-8")
    return parser


class KeyFiles(unittest.TestCase):
    def test_each_reader_finds_one_folder_action_that_starts_the_program(self):
        # For each file: the (group, key, value) its reader needs to offer the action.
        cases = {
            "dolphin-servicemenu.desktop": [
                ("Desktop Entry", "MimeType", "inode/directory;"),
                ("Desktop Entry", "X-KDE-RequiredNumberOfUrls", "1"),
                ("Desktop Action cleanWithTarnwick", "Name", LABEL),
                ("Desktop Action cleanWithTarnwick", "Icon", "tarnwick"),
                ("Desktop Action cleanWithTarnwick", "Exec", "tarnwick %f"),
            ],
            "tarnwick.nemo_action": [
                ("Nemo Action", "Name", LABEL),
                ("Nemo Action", "Icon-Name", "tarnwick"),
                ("Nemo Action", "Mimetypes", "inode/directory;"),
                ("Nemo Action", "Selection", "s"),
                ("Nemo Action", "Exec", "tarnwick %F"),
            ],
            "file-manager-action.desktop": [
                ("Desktop Entry", "Name", LABEL),
                ("Desktop Entry", "Icon", "tarnwick"),
                ("X-Action-Profile folder", "MimeTypes", "inode/directory;"),
                ("X-Action-Profile folder", "SelectionCount", "=1"),
                ("X-Action-Profile folder", "Exec", "tarnwick %f"),
            ],
        }
        for name, expected in cases.items():
            entry = key_file(name)
            for group, key, value in expected:
                with self.subTest(name=name, key=key):
                    self.assertEqual(entry[group][key], value)

    def test_the_groups_the_entries_point_to_exist(self):
        dolphin = key_file("dolphin-servicemenu.desktop")
        self.assertEqual(dolphin["Desktop Entry"]["Type"], "Service")
        for action in filter(None, dolphin["Desktop Entry"]["Actions"].split(";")):
            self.assertIn(f"Desktop Action {action}", dolphin)
        actions = key_file("file-manager-action.desktop")
        self.assertEqual(actions["Desktop Entry"]["Type"], "Action")
        for profile in filter(None, actions["Desktop Entry"]["Profiles"].split(";")):
            self.assertIn(f"X-Action-Profile {profile}", actions)


class FakeLocation:
    def __init__(self, path):
        self.path = path

    def get_path(self):
        return self.path


class FakeFileInfo:
    def __init__(self, path, is_folder=True):
        self.path, self.is_folder = path, is_folder

    def is_directory(self):
        return self.is_folder

    def get_location(self):
        return FakeLocation(self.path)


class FakeMenuItem:
    def __init__(self, name, label, icon):
        self.name, self.label, self.icon = name, label, icon
        self.handlers = []

    def connect(self, signal, handler, *data):
        self.handlers.append((signal, handler, data))

    def activate(self):
        for signal, handler, data in self.handlers:
            if signal == "activate":
                handler(self, *data)


def load_extension():
    """The extension, loaded against a stand-in of the gi module that nautilus-python gives."""
    gi = types.ModuleType("gi")
    gi.require_version = lambda namespace, version: None
    repository = types.ModuleType("gi.repository")
    repository.GObject = types.SimpleNamespace(GObject=type("GObject", (), {}))
    repository.Nautilus = types.SimpleNamespace(MenuProvider=type("MenuProvider", (), {}),
                                                MenuItem=FakeMenuItem)
    gi.repository = repository
    with mock.patch.dict(sys.modules, {"gi": gi, "gi.repository": repository}):
        spec = importlib.util.spec_from_file_location("tarnwick_nautilus",
                                                      FILE_MANAGERS / "tarnwick_nautilus.py")
        module = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(module)
    return module


class NautilusExtension(unittest.TestCase):
    def setUp(self):
        self.provider = load_extension().TarnwickMenuProvider()

    def started_with(self, item):
        with mock.patch("subprocess.Popen") as popen:
            item.activate()
        return popen.call_args.args[0]

    def test_one_folder_is_offered_and_passed_as_it_is(self):
        folder = "/home/anna/Alte Größen/ünter $HOME 'x'"
        items = self.provider.get_file_items([FakeFileInfo(folder)])
        self.assertEqual([item.label for item in items], [LABEL])
        self.assertEqual(items[0].icon, "tarnwick")
        self.assertEqual(self.started_with(items[0]), ["tarnwick", folder])

    def test_the_folder_shown_is_offered_from_the_background(self):
        items = self.provider.get_background_items(FakeFileInfo("/srv/Daten"))
        self.assertEqual(self.started_with(items[0]), ["tarnwick", "/srv/Daten"])

    def test_nothing_for_files_several_items_or_folders_elsewhere(self):
        cases = {
            "a file": [FakeFileInfo("/home/anna/a.txt", is_folder=False)],
            "two folders": [FakeFileInfo("/a"), FakeFileInfo("/b")],
            "a folder that is not local": [FakeFileInfo(None)],
        }
        for case, selection in cases.items():
            with self.subTest(case):
                self.assertEqual(self.provider.get_file_items(selection), [])


if __name__ == "__main__":
    unittest.main()
