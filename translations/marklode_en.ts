<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BackupCommands</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>The POI count of a backup, grouped as the locale groups numbers.</extracomment>
        <translation>
            <numerusform>%1 POIs</numerusform>
            <numerusform>%1 POIs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ByteCount</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliPrinting</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <translation>
            <numerusform>%1 POI</numerusform>
            <numerusform>%1 POIs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n categories</source>
        <extracomment>%1 is a count of POIs (&quot;1 POI&quot;, &quot;12 POIs&quot;).</extracomment>
        <translation>
            <numerusform>%1 in %n category</numerusform>
            <numerusform>%1 in %n categories</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceTransferError</name>
    <message numerus="yes">
        <source>The file on the device has %1 POIs, but %2 were written. Try again, or restore the backup.</source>
        <extracomment>%1 is the count of POIs found in the file, %2 the count written.</extracomment>
        <translation>
            <numerusform>The file on the device has %1 POIs, but %2 were written. Try again, or restore the backup.</numerusform>
            <numerusform>The file on the device has %1 POIs, but %2 were written. Try again, or restore the backup.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message numerus="yes">
        <source>%1, %n skipped rows</source>
        <extracomment>%1 is a count of POIs (&quot;1 POI&quot;, &quot;12 POIs&quot;).</extracomment>
        <translation>
            <numerusform>%1, %n skipped row</numerusform>
            <numerusform>%1, %n skipped rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LibraryMessages</name>
    <message numerus="yes">
        <source>Saved %n files.</source>
        <translation>
            <numerusform>Saved %n file.</numerusform>
            <numerusform>Saved %n files.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n.</source>
        <extracomment>The number of files not saved, after &quot;Saved %n files.&quot; when some were.</extracomment>
        <translation>
            <numerusform>Skipped %n.</numerusform>
            <numerusform>Skipped %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2 POIs on the map.</source>
        <extracomment>%1 is the number of POIs shown, %2 the number of all the file&apos;s POIs.</extracomment>
        <translation>
            <numerusform>Showing %1 of %2 POIs on the map.</numerusform>
            <numerusform>Showing %1 of %2 POIs on the map.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message numerus="yes">
        <source>Sent %1 POIs in %n categories to %2. The file was read back and checked.</source>
        <extracomment>%1 is the number of POIs, %2 the device&apos;s name.</extracomment>
        <translation>
            <numerusform>Sent %1 POIs in %n category to %2. The file was read back and checked.</numerusform>
            <numerusform>Sent %1 POIs in %n categories to %2. The file was read back and checked.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored the backup of %1 to %2: %3 POIs. The file was read back and checked.</source>
        <extracomment>%1 is the date and time of the backup, %2 the device&apos;s name, %3 the number of POIs.</extracomment>
        <translation>
            <numerusform>Restored the backup of %1 to %2: %3 POIs. The file was read back and checked.</numerusform>
            <numerusform>Restored the backup of %1 to %2: %3 POIs. The file was read back and checked.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marklode::FileDetailView</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>Under the file&apos;s name in the window&apos;s title bar: how many POIs the file has.</extracomment>
        <translation>
            <numerusform>%1 POIs</numerusform>
            <numerusform>%1 POIs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marklode::SidebarModel</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>A file&apos;s POI count, the number grouped as the locale groups it: &quot;1,204 POIs&quot;.</extracomment>
        <translation>
            <numerusform>%1 POI</numerusform>
            <numerusform>%1 POIs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows were skipped. Click to see why.</source>
        <translation>
            <numerusform>%n rows were skipped. Click to see why.</numerusform>
            <numerusform>%n rows were skipped. Click to see why.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marklode::SkippedRowsModel</name>
    <message numerus="yes">
        <source>%1 rows</source>
        <extracomment>How many rows were skipped for one reason, the number grouped as the locale groups it.</extracomment>
        <translation>
            <numerusform>%1 row</numerusform>
            <numerusform>%1 rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>features %1, %2, %3 and %4 more</source>
        <translation>
            <numerusform>features %1, %2, %3 and %4 more</numerusform>
            <numerusform>features %1, %2, %3 and %4 more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lines %1, %2, %3 and %4 more</source>
        <extracomment>The first three lines of the skipped rows, then how many more there are.</extracomment>
        <translation>
            <numerusform>lines %1, %2, %3 and %4 more</numerusform>
            <numerusform>lines %1, %2, %3 and %4 more</numerusform>
        </translation>
    </message>
</context>
</TS>
