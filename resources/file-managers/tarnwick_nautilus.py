"""GNOME Files (Nautilus 43 and later): "Mit Tarnwick bereinigen" on a folder's menu and on the
background of the folder shown, starting Tarnwick's launch window on that folder. Loaded by
nautilus-python (API 4.0) from /usr/share/nautilus-python/extensions."""

import subprocess

import gi

gi.require_version("Nautilus", "4.0")
from gi.repository import GObject, Nautilus  # noqa: E402  (after the version is chosen)

LABEL = "Mit Tarnwick bereinigen"


def _local_folder(item):
    """The path of a local folder, or None for a file, or a folder that is not local."""
    if not item.is_directory():
        return None
    location = item.get_location()
    return location.get_path() if location is not None else None


def _start(_menu_item, path):
    # A list of arguments, never a shell: any name reaches the program as it is.
    subprocess.Popen(["tarnwick", path], start_new_session=True)


def _menu_item(name, path):
    item = Nautilus.MenuItem(name=name, label=LABEL, icon="tarnwick")
    item.connect("activate", _start, path)
    return item


class TarnwickMenuProvider(GObject.GObject, Nautilus.MenuProvider):
    def get_file_items(self, files):
        if len(files) != 1:
            return []
        path = _local_folder(files[0])
        return [_menu_item("Tarnwick::CleanFolder", path)] if path else []

    def get_background_items(self, current_folder):
        path = _local_folder(current_folder)
        return [_menu_item("Tarnwick::CleanShownFolder", path)] if path else []
