<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Add the folders instead of the files chosen in them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as One File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a PNG or JPEG icon, or a 24-bit BMP of at most 24휤 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScaleBar</name>
    <message>
        <source>%1 mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::AboutWindow</name>
    <message>
        <source>Version Info Copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Version Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marklode is free software under the %1, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map tiles © %1. Built-in map outlines from %2 (public domain).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenStreetMap contributors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made with Qt (LGPL-3.0), expat (MIT), utf8proc (MIT), libsodium (ISC), libzip (BSD-3-Clause), simdjson (Apache-2.0), libpng (libpng-2.0) and libjpeg-turbo (IJG, BSD-3-Clause).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::CategoryList</name>
    <message>
        <source>Categories in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::DeviceActions</name>
    <message>
        <source>Remove Custom POIs…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Backups in File Manager</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::IssuesPopover</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy every skipped row with its line to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::LibraryUndo</name>
    <message>
        <source>Change Category Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Speed Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Proximity Alerts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Distance Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::MainWindow</name>
    <message>
        <source>Save as One File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save one .gpi file with a category for each input file, as a device gets it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the selected file again from the disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take every file off the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit while writing to the device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marklode is still writing to the device. Quitting now could leave its custom POIs damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::MarklodeApp</name>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::POITable</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::POITableModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::SearchField</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::SendConfirmationSheet</name>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::SettingsForm</name>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One for the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Icon…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files and devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected file from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the menu of the selected file or device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the skipped rows of the selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::SidebarModel</name>
    <message>
        <source>No longer on disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · deleted on disk</source>
        <extracomment>A file&apos;s POI count, then that the file is gone from the disk: &quot;12 POIs · deleted on disk&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::SkippedRowsModel</name>
    <message>
        <source>%1 row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feature %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>features %1 and %2</source>
        <extracomment>The positions of two skipped features of a GeoJSON file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>features %1, %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>features %1, %2, %3 and %4 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <extracomment>The lines of two skipped rows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1, %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1, %2, %3 and %4 more</source>
        <extracomment>The first three lines of the skipped rows, then how many more there are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, %3.</source>
        <extracomment>A reason rows were skipped for, how many, and their lines, as a screen reader says it: &quot;Missing name. 3 rows, lines 4, 9 and 12.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>Under a reason rows were skipped for: how many, and their lines: &quot;3 rows · lines 4, 9 and 12&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marklode::map::MapControls</name>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
