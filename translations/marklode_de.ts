<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Appcast</name>
    <message>
        <source>document type declarations are not allowed</source>
        <translation>Dokumenttyp-Deklarationen sind nicht erlaubt</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where the update feed stopped making sense, then the reader&apos;s own description.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the feed is empty</source>
        <translation>der Feed ist leer</translation>
    </message>
    <message>
        <source>not an RSS feed</source>
        <translation>kein RSS-Feed</translation>
    </message>
    <message>
        <source>line %1: elements nested deeper than %2</source>
        <translation>Zeile %1: Elemente tiefer als %2 Ebenen verschachtelt</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>list a device&apos;s backups</source>
        <translation>die Sicherungen eines Geräts auflisten</translation>
    </message>
    <message>
        <source>Usage: marklode-cli backups [--device VOLUME_DIR] [--backup-root DIR] [--json]

Lists the backups Marklode made of the device&apos;s custom POIs, newest first, with
their time and POI count; a backup whose file can&apos;t be read is listed as
damaged. Without --device the one connected Garmin is used.
  --json  print [{&quot;folder&quot;:...,&quot;time&quot;:...,&quot;poiCount&quot;:N or null,&quot;damaged&quot;:false}]
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli backups [--device DATENTRÄGER] [--backup-root ORDNER] [--json]

Listet die Sicherungen auf, die Marklode von den eigenen POIs des Geräts angelegt
hat, die neueste zuerst, mit Zeitpunkt und Anzahl der POIs; eine Sicherung, deren
Datei sich nicht lesen lässt, wird als beschädigt aufgeführt. Ohne --device wird
das eine angeschlossene Garmin-Gerät verwendet.
  --json  [{&quot;folder&quot;:...,&quot;time&quot;:...,&quot;poiCount&quot;:N oder null,&quot;damaged&quot;:false}]
          ausgeben
</translation>
    </message>
    <message>
        <source>backups takes no arguments; name the device with --device</source>
        <translation>backups erwartet keine Argumente; das Gerät geben Sie mit --device an</translation>
    </message>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>The POI count of a backup, grouped as the locale groups numbers.</extracomment>
        <translation>
            <numerusform>%1 POI</numerusform>
            <numerusform>%1 POIs</numerusform>
        </translation>
    </message>
    <message>
        <source>put a backup back on a device</source>
        <translation>eine Sicherung auf einem Gerät wiederherstellen</translation>
    </message>
    <message>
        <source>Usage: marklode-cli restore [BACKUP] [--device VOLUME_DIR] [--backup-root DIR]

Puts a backup&apos;s poi.gpi back on the device, the newest backup when BACKUP is not
given. BACKUP is a name as marklode-cli backups lists it, or the path of a
backup folder. As with send, the device&apos;s current file is backed up first, the
new one is installed atomically and read back to verify it. A backup that is
damaged is refused before the device is touched.
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli restore [SICHERUNG] [--device DATENTRÄGER] [--backup-root ORDNER]

Stellt die poi.gpi einer Sicherung auf dem Gerät wieder her, die neueste
Sicherung, wenn SICHERUNG nicht angegeben ist. SICHERUNG ist ein Name, wie ihn
marklode-cli backups auflistet, oder der Pfad eines Sicherungsordners. Wie bei
send wird zuerst die aktuelle Datei des Geräts gesichert, die neue atomar
installiert und zur Prüfung zurückgelesen. Eine beschädigte Sicherung wird
abgelehnt, bevor das Gerät berührt wird.
</translation>
    </message>
    <message>
        <source>restore takes at most one BACKUP</source>
        <translation>restore erwartet höchstens eine SICHERUNG</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The backup copy didn&apos;t match the original.</source>
        <translation>Die Sicherungskopie stimmte nicht mit dem Original überein.</translation>
    </message>
</context>
<context>
    <name>ByteCount</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option --%1 takes no value</source>
        <translation>Option --%1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>option --%1 needs a value</source>
        <translation>Option --%1 braucht einen Wert</translation>
    </message>
</context>
<context>
    <name>CliDeviceMessages</name>
    <message>
        <source>%1 is not a Garmin device: it has no Garmin folder.</source>
        <translation>%1 ist kein Garmin-Gerät: Es hat keinen Garmin-Ordner.</translation>
    </message>
    <message>
        <source>No Garmin device is connected. Connect one, or name its folder with --device.</source>
        <extracomment>--device is the name of an option and stays as it is.</extracomment>
        <translation>Es ist kein Garmin-Gerät verbunden. Schließen Sie eines an oder geben Sie seinen Ordner mit --device an.</translation>
    </message>
    <message>
        <source>Several Garmin devices are connected; choose one with --device:</source>
        <extracomment>--device is the name of an option and stays as it is.</extracomment>
        <translation>Mehrere Garmin-Geräte sind verbunden; wählen Sie eines mit --device:</translation>
    </message>
    <message>
        <source>No Garmin devices found.</source>
        <translation>Keine Garmin-Geräte gefunden.</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Senden an %1 …</translation>
    </message>
    <message>
        <source>Restoring to %1…</source>
        <translation>Wiederherstellen auf %1 …</translation>
    </message>
    <message>
        <source>Backups of %1, newest first, in %2:</source>
        <extracomment>%1 is the device&apos;s name, %2 the folder that holds its backups.</extracomment>
        <translation>Sicherungen von %1 in %2, neueste zuerst:</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Stands in a list of backups where others show their number of POIs.</extracomment>
        <translation>beschädigt</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>Usage: marklode-cli COMMAND [OPTIONS]</source>
        <extracomment>The words in capitals stand for what the user types; the command and option names stay.</extracomment>
        <translation>Aufruf: marklode-cli BEFEHL [OPTIONEN]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Run marklode-cli COMMAND --help for the options of one command,
marklode-cli --version for the version.</source>
        <translation>Die Optionen eines Befehls zeigt marklode-cli BEFEHL --help,
die Version zeigt marklode-cli --version.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Run marklode-cli %1 --help for its options.</source>
        <translation>Die Optionen zeigt marklode-cli %1 --help.</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>--speed-unit must be kmh or mph</source>
        <translation>--speed-unit muss kmh oder mph sein</translation>
    </message>
    <message>
        <source>--format must be csv, gpx, kml, kmz or geojson</source>
        <translation>--format muss csv, gpx, kml, kmz oder geojson sein</translation>
    </message>
    <message>
        <source>--categories must be one or from-file</source>
        <translation>--categories muss one oder from-file sein</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen …</translation>
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
            <numerusform>%1 in %n Kategorie</numerusform>
            <numerusform>%1 in %n Kategorien</numerusform>
        </translation>
    </message>
    <message>
        <source>[speed %1 km/h]</source>
        <extracomment>A POI&apos;s speed limit in a line that describes the POI.</extracomment>
        <translation>[Geschwindigkeit %1 km/h]</translation>
    </message>
    <message>
        <source>[proximity %1 m]</source>
        <extracomment>The distance of a POI&apos;s proximity alert, in a line that describes the POI.</extracomment>
        <translation>[Annäherungsalarm %1 m]</translation>
    </message>
    <message>
        <source>[address %1]</source>
        <translation>[Adresse %1]</translation>
    </message>
    <message>
        <source>[phone %1]</source>
        <translation>[Telefon %1]</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts CSV and GPX points of interest to Garmin .gpi files.</source>
        <translation>Wandelt POIs aus CSV- und GPX-Dateien in .gpi-Dateien für Garmin um.</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <extracomment>What the program takes on its command line, as --help names it.</extracomment>
        <translation>DATEI|ORDNER</translation>
    </message>
    <message>
        <source>.csv or .gpx files, or folders that hold them</source>
        <translation>.csv- oder .gpx-Dateien oder Ordner, die solche enthalten</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>%1 already exists. Use --force to replace it.</source>
        <translation>%1 ist bereits vorhanden. Mit --force wird die Datei ersetzt.</translation>
    </message>
    <message>
        <source>write .gpi files from CSV, GPX, KML, KMZ and GeoJSON files</source>
        <translation>.gpi-Dateien aus CSV-, GPX-, KML-, KMZ- und GeoJSON-Dateien schreiben</translation>
    </message>
    <message>
        <source>Usage: marklode-cli convert INPUT -o OUT.gpi [options]
       marklode-cli convert INPUT... -d DIR [--force] [options]
       marklode-cli convert INPUT... --combined -o OUT.gpi [options]

One input with -o: the input&apos;s own .gpi (category = file name without extension).
Several inputs with -d: one .gpi per input in DIR, named NAME.gpi, NAME 2.gpi, ...;
  an existing file is replaced only with --force.
--combined: one file with each input&apos;s categories that have POIs, in order.
An INPUT of - is standard input; a pipe, such as &lt;(command), is read to its end.

  --format csv|gpx|kml|kmz|geojson
                               kind of every input (default: by its extension, else CSV)
  --category NAME              category name (single input only)
  --categories one|from-file   one category for the file, or one per category
                               the file gives its POIs (default: one for CSV
                               and GPX)
  --icon FILE                  a PNG or JPEG, scaled down to at most 24x24, or a
                               24-bit BMP of at most 24x24 (default: an image named
                               as the input beside it, BMP before PNG before JPEG,
                               else the built-in icon)
  --speed-unit kmh|mph         unit of &quot;@&quot; speeds in CSV names (default by locale)
  --proximity off|file|fixed   proximity alerts (default: file for GPX, else off)
  --distance N                 distance for --proximity fixed (default 300)
  --distance-unit m|ft         unit of --distance (default by locale)
  --timestamp UNIX_SECONDS     creation time in the file (default:
                               SOURCE_DATE_EPOCH when set, else now)
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli convert EINGABE -o AUSGABE.gpi [Optionen]
        marklode-cli convert EINGABE... -d ORDNER [--force] [Optionen]
        marklode-cli convert EINGABE... --combined -o AUSGABE.gpi [Optionen]

Eine Eingabe mit -o: die eigene .gpi der Eingabe (Kategorie = Dateiname ohne Endung).
Mehrere Eingaben mit -d: eine .gpi je Eingabe in ORDNER, namens NAME.gpi,
  NAME 2.gpi, ...; eine vorhandene Datei wird nur mit --force ersetzt.
--combined: eine Datei mit den Kategorien jeder Eingabe, die POIs haben, in
  Reihenfolge.
Eine EINGABE - ist die Standardeingabe; eine Pipe wie &lt;(Befehl) wird bis zum Ende
gelesen.

  --format csv|gpx|kml|kmz|geojson
                               Format jeder Eingabe (Standard: nach ihrer Endung,
                               sonst CSV)
  --category NAME              Name der Kategorie (nur bei einer einzigen Eingabe)
  --categories one|from-file   eine Kategorie für die Datei oder eine je Kategorie,
                               die die Datei ihren POIs gibt (Standard: one für
                               CSV und GPX)
  --icon DATEI                 ein PNG oder JPEG, verkleinert auf höchstens 24x24,
                               oder ein 24-Bit-BMP von höchstens 24x24 (Standard:
                               ein Bild daneben, das wie die Eingabe heißt, BMP vor
                               PNG vor JPEG, sonst das eingebaute Symbol)
  --speed-unit kmh|mph         Einheit der &quot;@&quot;-Geschwindigkeiten in CSV-Namen
                               (Standard: nach Gebietsschema)
  --proximity off|file|fixed   Annäherungsalarme (Standard: file für GPX, sonst off)
  --distance N                 Entfernung für --proximity fixed (Standard: 300)
  --distance-unit m|ft         Einheit von --distance (Standard: nach Gebietsschema)
  --timestamp UNIX_SEKUNDEN    Erstellungszeit in der Datei (Standard:
                               SOURCE_DATE_EPOCH, wenn gesetzt, sonst jetzt)
</translation>
    </message>
    <message>
        <source>convert needs at least one INPUT</source>
        <translation>convert braucht mindestens eine EINGABE</translation>
    </message>
    <message>
        <source>give either -o OUT.gpi or -d DIR</source>
        <translation>geben Sie entweder -o AUSGABE.gpi oder -d ORDNER an</translation>
    </message>
    <message>
        <source>--category works with a single input only</source>
        <translation>--category geht nur mit einer einzigen Eingabe</translation>
    </message>
    <message>
        <source>--combined writes one file: give -o OUT.gpi</source>
        <translation>--combined schreibt eine einzige Datei: geben Sie -o AUSGABE.gpi an</translation>
    </message>
    <message>
        <source>several inputs need -d DIR or --combined</source>
        <translation>mehrere Eingaben brauchen -d ORDNER oder --combined</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>list the connected Garmin devices</source>
        <translation>die angeschlossenen Garmin-Geräte auflisten</translation>
    </message>
    <message>
        <source>Usage: marklode-cli devices [--volume DIR]... [--json]

Lists the Garmin devices among the mounted volumes, or among the given folders.
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli devices [--volume ORDNER]... [--json]

Listet die Garmin-Geräte unter den eingehängten Datenträgern oder unter den
angegebenen Ordnern auf.
</translation>
    </message>
    <message>
        <source>devices takes no arguments; name folders with --volume</source>
        <translation>devices erwartet keine Argumente; Ordner geben Sie mit --volume an</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>volume:      %1 at %2</source>
        <extracomment>The labels of a device&apos;s details; the values start in one column.</extracomment>
        <translation>Datenträger:   %1 unter %2</translation>
    </message>
    <message>
        <source>Garmin folder: %1</source>
        <translation>Garmin-Ordner: %1</translation>
    </message>
    <message>
        <source>model:       %1</source>
        <translation>Modell:        %1</translation>
    </message>
    <message>
        <source>model:       %1 (no description file)</source>
        <translation>Modell:        %1 (keine Beschreibungsdatei)</translation>
    </message>
    <message>
        <source>custom POIs: yes</source>
        <translation>eigene POIs:   ja</translation>
    </message>
    <message>
        <source>custom POIs: no</source>
        <translation>eigene POIs:   nein</translation>
    </message>
    <message>
        <source>install POIs on a Garmin device</source>
        <translation>POIs auf einem Garmin-Gerät installieren</translation>
    </message>
    <message>
        <source>Usage: marklode-cli send INPUT... [--device VOLUME_DIR] [--backup-root DIR] [convert options]

Builds one poi.gpi with each input&apos;s categories that have POIs, inputs in order
(or takes a single ready .gpi as it is), backs up the device&apos;s previous file,
installs the new one atomically and reads it back to verify it. Without --device
the one connected Garmin is used. An INPUT of - is standard input; a pipe is read
to its end. Convert options (--format and --categories among them): see
marklode-cli convert --help.
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli send EINGABE... [--device DATENTRÄGER] [--backup-root ORDNER]
                           [convert-Optionen]

Erstellt eine poi.gpi mit den Kategorien jeder Eingabe, die POIs haben, Eingaben
in Reihenfolge (oder nimmt eine einzelne fertige .gpi, wie sie ist), sichert die
bisherige Datei des Geräts, installiert die neue atomar und liest sie zur Prüfung
zurück. Ohne --device wird das eine angeschlossene Garmin-Gerät verwendet. Eine
EINGABE - ist die Standardeingabe; eine Pipe wird bis zum Ende gelesen.
convert-Optionen (darunter --format und --categories): siehe
marklode-cli convert --help.
</translation>
    </message>
    <message>
        <source>send needs at least one INPUT</source>
        <translation>send braucht mindestens eine EINGABE</translation>
    </message>
    <message>
        <source>--category is not used by send: each input is its own category</source>
        <translation>--category wird von send nicht verwendet: Jede Eingabe ist eine eigene Kategorie</translation>
    </message>
    <message>
        <source>back up and remove a device&apos;s custom POIs</source>
        <translation>die eigenen POIs eines Geräts sichern und entfernen</translation>
    </message>
    <message>
        <source>Usage: marklode-cli remove [--device VOLUME_DIR] [--backup-root DIR]

Backs up the device&apos;s custom POI file, then deletes it.
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli remove [--device DATENTRÄGER] [--backup-root ORDNER]

Sichert die Datei mit den eigenen POIs des Geräts und löscht sie dann.
</translation>
    </message>
    <message>
        <source>remove takes no arguments; name the device with --device</source>
        <translation>remove erwartet keine Argumente; das Gerät geben Sie mit --device an</translation>
    </message>
</context>
<context>
    <name>DeviceTransferError</name>
    <message>
        <source>%1 is read-only, so Marklode can&apos;t write to it. If it&apos;s an SD card, check its lock switch.</source>
        <translation>%1 ist schreibgeschützt, daher kann Marklode nicht darauf schreiben. Falls es sich um eine SD-Karte handelt, prüfen Sie deren Schreibschutzschalter.</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have enough free space. Marklode needs %2, but only %3 is free.</source>
        <translation>Auf %1 ist nicht genügend Speicherplatz frei. Marklode benötigt %2, frei sind aber nur %3.</translation>
    </message>
    <message>
        <source>Marklode couldn&apos;t back up the POIs already on the device, so nothing was changed. %1</source>
        <translation>Marklode konnte die POIs, die bereits auf dem Gerät sind, nicht sichern, daher wurde nichts geändert. %1</translation>
    </message>
    <message numerus="yes">
        <source>The file on the device has %1 POIs, but %2 were written. Try again, or restore the backup.</source>
        <extracomment>%1 is the count of POIs found in the file, %2 the count written.</extracomment>
        <translation>
            <numerusform>Die Datei auf dem Gerät enthält %1 POI, geschrieben wurden aber %2. Versuchen Sie es erneut oder stellen Sie die Sicherung wieder her.</numerusform>
            <numerusform>Die Datei auf dem Gerät enthält %1 POIs, geschrieben wurden aber %2. Versuchen Sie es erneut oder stellen Sie die Sicherung wieder her.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file on the device couldn&apos;t be read back after writing. Try again, or restore the backup. %1</source>
        <translation>Die Datei auf dem Gerät konnte nach dem Schreiben nicht wieder gelesen werden. Versuchen Sie es erneut oder stellen Sie die Sicherung wieder her. %1</translation>
    </message>
    <message>
        <source>Writing to the device failed. The POIs already on the device were not changed. %1</source>
        <translation>Das Schreiben auf das Gerät ist fehlgeschlagen. Die POIs, die bereits auf dem Gerät waren, wurden nicht verändert. %1</translation>
    </message>
    <message>
        <source>There are no custom POIs (Garmin/POI/poi.gpi) on this device.</source>
        <translation>Auf diesem Gerät gibt es keine eigenen POIs (Garmin/POI/poi.gpi).</translation>
    </message>
    <message>
        <source>%1 has a symbolic link at %2, so Marklode won&apos;t change its POIs. Replace the link with a real folder or file and try again.</source>
        <translation>%1 enthält unter %2 einen symbolischen Link, daher ändert Marklode die POIs darauf nicht. Ersetzen Sie den Link durch einen echten Ordner oder eine echte Datei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is busy with another Marklode transfer, so nothing was changed. Try again when it has finished.</source>
        <translation>%1 ist mit einer anderen Marklode-Übertragung beschäftigt, daher wurde nichts geändert. Versuchen Sie es erneut, wenn diese abgeschlossen ist.</translation>
    </message>
</context>
<context>
    <name>ErrorDescription</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>The file is damaged at byte %1.</source>
        <translation>Die Datei ist bei Byte %1 beschädigt.</translation>
    </message>
    <message>
        <source>The file is not a Garmin POI file.</source>
        <translation>Die Datei ist keine Garmin-POI-Datei.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Add the folders instead of the files chosen in them</source>
        <translation>Statt der gewählten Dateien deren Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Save as One File</source>
        <translation>Als eine Datei speichern</translation>
    </message>
    <message>
        <source>Garmin POI files</source>
        <translation>Garmin-POI-Dateien</translation>
    </message>
    <message>
        <source>Choose .csv, .gpx, .kml, .kmz or .geojson files, or a folder that contains them.</source>
        <translation>Wählen Sie .csv-, .gpx-, .kml-, .kmz- oder .geojson-Dateien oder einen Ordner, der sie enthält.</translation>
    </message>
    <message>
        <source>CSV, GPX, KML, KMZ or GeoJSON files</source>
        <translation>CSV-, GPX-, KML-, KMZ- oder GeoJSON-Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Save .gpi</source>
        <translation>.gpi-Datei speichern</translation>
    </message>
    <message>
        <source>Choose a folder. Marklode writes one .gpi file per input file.</source>
        <translation>Wählen Sie einen Ordner. Marklode schreibt für jede Eingabedatei eine .gpi-Datei.</translation>
    </message>
    <message>
        <source>Save Here</source>
        <translation>Hier speichern</translation>
    </message>
    <message>
        <source>Choose a PNG or JPEG icon, or a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Wählen Sie ein PNG- oder JPEG-Symbol oder ein 24-Bit-BMP mit höchstens 24×24 Pixeln.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
</context>
<context>
    <name>GPIIconError</name>
    <message>
        <source>Unsupported BMP header (size %1).</source>
        <translation>Nicht unterstützter BMP-Header (Größe %1).</translation>
    </message>
    <message>
        <source>The icon must be a 24-bit BMP; this one is %1-bit.</source>
        <translation>Das Symbol muss ein 24-Bit-BMP sein; dieses hat %1 Bit.</translation>
    </message>
    <message>
        <source>The icon must be at most 24x24 pixels; this one is %1x%2.</source>
        <translation>Das Symbol darf höchstens 24x24 Pixel groß sein; dieses ist %1x%2 Pixel groß.</translation>
    </message>
    <message>
        <source>The icon is not a BMP file.</source>
        <translation>Das Symbol ist keine BMP-Datei.</translation>
    </message>
    <message>
        <source>Compressed BMP files are not supported.</source>
        <translation>Komprimierte BMP-Dateien werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>The BMP file is incomplete.</source>
        <translation>Die BMP-Datei ist unvollständig.</translation>
    </message>
    <message>
        <source>The icon is not a PNG, JPEG or BMP file.</source>
        <translation>Das Symbol ist keine PNG-, JPEG- oder BMP-Datei.</translation>
    </message>
    <message>
        <source>The %1 file is damaged or incomplete.</source>
        <extracomment>%1 is the name of an image format: BMP, PNG or JPEG.</extracomment>
        <translation>Die %1-Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>The image must be at most %1x%2 pixels; this one is %3x%4.</source>
        <translation>Das Bild ist %3x%4 Pixel groß, darf aber höchstens %1x%2 Pixel groß sein.</translation>
    </message>
</context>
<context>
    <name>IconCommand</name>
    <message>
        <source>check an image file as a category icon</source>
        <translation>eine Bilddatei als Kategoriesymbol prüfen</translation>
    </message>
    <message>
        <source>Usage: marklode-cli icon FILE [--json]

Checks that FILE can be a category icon: a PNG or JPEG (scaled down to at most
24x24 pixels, transparency on white) or an uncompressed 24-bit BMP of at most
24x24 pixels, known by its content whatever its name.
  --json  print {&quot;width&quot;:W,&quot;height&quot;:H,&quot;pixelsBGR&quot;:&quot;HEX&quot;} (top-down blue, green,
          red bytes) or {&quot;error&quot;:DESCRIPTION}
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli icon DATEI [--json]

Prüft, ob DATEI ein Kategoriesymbol sein kann: ein PNG oder JPEG (verkleinert auf
höchstens 24x24 Pixel, Transparenz auf Weiß) oder ein unkomprimiertes 24-Bit-BMP
von höchstens 24x24 Pixeln, erkannt am Inhalt, wie auch immer die Datei heißt.
  --json  {&quot;width&quot;:W,&quot;height&quot;:H,&quot;pixelsBGR&quot;:&quot;HEX&quot;} (Bytes Blau, Grün, Rot, von
          oben nach unten) oder {&quot;error&quot;:BESCHREIBUNG} ausgeben
</translation>
    </message>
    <message>
        <source>icon takes exactly one FILE</source>
        <translation>icon erwartet genau eine DATEI</translation>
    </message>
    <message>
        <source>%1x%2 pixels, usable as an icon</source>
        <translation>%1x%2 Pixel, als Symbol verwendbar</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message numerus="yes">
        <source>%1, %n skipped rows</source>
        <extracomment>%1 is a count of POIs (&quot;1 POI&quot;, &quot;12 POIs&quot;).</extracomment>
        <translation>
            <numerusform>%1, %n übersprungene Zeile</numerusform>
            <numerusform>%1, %n übersprungene Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weiterer</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>read one CSV, GPX, KML, KMZ or GeoJSON file and show its POIs</source>
        <translation>eine CSV-, GPX-, KML-, KMZ- oder GeoJSON-Datei lesen und ihre POIs zeigen</translation>
    </message>
    <message>
        <source>Usage: marklode-cli import FILE [--format csv|gpx|kml|kmz|geojson]
                          [--speed-unit kmh|mph] [--categories one|from-file] [--json]

Reads FILE by its extension: .gpx as GPX, .kml as KML, .kmz as KMZ, .geojson and
.json as GeoJSON, else as CSV.
FILE - is standard input; a pipe, such as &lt;(command), is read to its end.
Rows that cannot be used are listed on standard error as FILE: Line N: MESSAGE
(GeoJSON features as FILE: Feature N: MESSAGE, counted from 1).

  --format csv|gpx|kml|kmz|geojson
                            read FILE as this kind, whatever its name
  --speed-unit kmh|mph      unit of &quot;@&quot; speeds in CSV names (default by locale)
  --categories one|from-file
                            one category for the file, or one per category the
                            file gives its POIs (default: one for CSV and GPX,
                            from-file for KML, KMZ and GeoJSON); the JSON shows a POI&apos;s
                            &quot;category&quot; only with from-file
  --json                    print {&quot;pois&quot;:[...],&quot;issues&quot;:[...]} on standard output
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli import DATEI [--format csv|gpx|kml|kmz|geojson]
                            [--speed-unit kmh|mph] [--categories one|from-file] [--json]

Liest DATEI nach ihrer Endung: .gpx als GPX, .kml als KML, .kmz als KMZ, .geojson
und .json als GeoJSON, sonst als CSV.
DATEI - ist die Standardeingabe; eine Pipe wie &lt;(Befehl) wird bis zum Ende gelesen.
Nicht verwendbare Zeilen werden auf der Standardfehlerausgabe aufgeführt, als
DATEI: Zeile N: MELDUNG (GeoJSON-Features als DATEI: Feature N: MELDUNG, ab 1
gezählt).

  --format csv|gpx|kml|kmz|geojson
                            DATEI in diesem Format lesen, wie auch immer sie heißt
  --speed-unit kmh|mph      Einheit der &quot;@&quot;-Geschwindigkeiten in CSV-Namen
                            (Standard: nach Gebietsschema)
  --categories one|from-file
                            eine Kategorie für die Datei oder eine je Kategorie,
                            die die Datei ihren POIs gibt (Standard: one für CSV
                            und GPX, from-file für KML, KMZ und GeoJSON); das JSON
                            zeigt die &quot;category&quot; eines POIs nur mit from-file
  --json                    {&quot;pois&quot;:[...],&quot;issues&quot;:[...]} auf der Standardausgabe
                            ausgeben
</translation>
    </message>
    <message>
        <source>import takes exactly one FILE</source>
        <translation>import erwartet genau eine DATEI</translation>
    </message>
</context>
<context>
    <name>ImportIssue</name>
    <message>
        <source>Expected at least %1 fields, found %2.</source>
        <translation>Mindestens %1 Felder erwartet, %2 gefunden.</translation>
    </message>
    <message>
        <source>Invalid longitude %1.</source>
        <translation>Ungültiger Längengrad %1.</translation>
    </message>
    <message>
        <source>Invalid latitude %1.</source>
        <translation>Ungültiger Breitengrad %1.</translation>
    </message>
    <message>
        <source>Missing name.</source>
        <translation>Name fehlt.</translation>
    </message>
    <message>
        <source>Waypoint has invalid lat/lon.</source>
        <translation>Der Wegpunkt hat ungültige Werte für lat/lon.</translation>
    </message>
    <message>
        <source>Waypoint has no name.</source>
        <translation>Der Wegpunkt hat keinen Namen.</translation>
    </message>
    <message>
        <source>Invalid proximity %1.</source>
        <translation>Ungültige Entfernung für den Annäherungsalarm: %1.</translation>
    </message>
    <message>
        <source>Not a feature.</source>
        <translation>Kein Feature-Objekt.</translation>
    </message>
    <message>
        <source>Invalid coordinates.</source>
        <translation>Ungültige Koordinaten.</translation>
    </message>
    <message>
        <source>Missing geometry.</source>
        <translation>Geometrie fehlt.</translation>
    </message>
    <message>
        <source>Not a point.</source>
        <translation>Kein Punkt.</translation>
    </message>
    <message>
        <source>Missing points.</source>
        <translation>Punkte fehlen.</translation>
    </message>
    <message>
        <source>Feature %1: %2</source>
        <translation>Feature %1: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>A text is longer than 1 MB.</source>
        <translation>Ein Text ist länger als 1 MB.</translation>
    </message>
    <message>
        <source>Invalid coordinates %1.</source>
        <translation>Ungültige Koordinaten %1.</translation>
    </message>
    <message>
        <source>Missing coordinates.</source>
        <translation>Koordinaten fehlen.</translation>
    </message>
</context>
<context>
    <name>InputPreparation</name>
    <message>
        <source>%1 must be a whole number of seconds since 1970</source>
        <extracomment>%1 is --timestamp or SOURCE_DATE_EPOCH, where the value came from.</extracomment>
        <translation>%1 muss eine ganze Zahl von Sekunden seit 1970 sein</translation>
    </message>
    <message>
        <source>--proximity must be off, file or fixed</source>
        <translation>--proximity muss off, file oder fixed sein</translation>
    </message>
    <message>
        <source>--distance must be a number</source>
        <translation>--distance muss eine Zahl sein</translation>
    </message>
    <message>
        <source>--distance-unit must be m or ft</source>
        <translation>--distance-unit muss m oder ft sein</translation>
    </message>
    <message>
        <source>--distance must be from 0 to 215000 ft</source>
        <translation>--distance muss zwischen 0 und 215000 ft liegen</translation>
    </message>
    <message>
        <source>--distance must be from 0 to 65535 m</source>
        <translation>--distance muss zwischen 0 und 65535 m liegen</translation>
    </message>
</context>
<context>
    <name>InspectCommand</name>
    <message>
        <source>The file is damaged at byte offset %1.</source>
        <translation>Die Datei ist an Byte-Position %1 beschädigt.</translation>
    </message>
    <message>
        <source>This is not a .gpi file.</source>
        <translation>Dies ist keine .gpi-Datei.</translation>
    </message>
    <message>
        <source>list the categories of a .gpi file</source>
        <translation>die Kategorien einer .gpi-Datei auflisten</translation>
    </message>
    <message>
        <source>Usage: marklode-cli inspect FILE.gpi [--pois] [--json]

Reads a .gpi file back and lists its categories with their POI counts.
FILE.gpi - is standard input; a pipe, such as &lt;(command), is read to its end.
  --pois  also list each category&apos;s POIs, with their addresses and phone numbers
  --json  print {&quot;categories&quot;:[{&quot;name&quot;:...,&quot;poiCount&quot;:N}],&quot;poiCount&quot;:N};
          with --pois each category also has &quot;pois&quot;:[...] as import prints
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Aufruf: marklode-cli inspect DATEI.gpi [--pois] [--json]

Liest eine .gpi-Datei zurück und listet ihre Kategorien mit der Anzahl ihrer POIs.
DATEI.gpi - ist die Standardeingabe; eine Pipe wie &lt;(Befehl) wird bis zum Ende
gelesen.
  --pois  auch die POIs jeder Kategorie auflisten, mit Adressen und Telefonnummern
  --json  {&quot;categories&quot;:[{&quot;name&quot;:...,&quot;poiCount&quot;:N}],&quot;poiCount&quot;:N} ausgeben;
          mit --pois hat jede Kategorie auch &quot;pois&quot;:[...] wie bei import
</translation>
    </message>
    <message>
        <source>inspect takes exactly one FILE.gpi</source>
        <translation>inspect erwartet genau eine DATEI.gpi</translation>
    </message>
</context>
<context>
    <name>LibraryMessages</name>
    <message>
        <source>Only .csv and .gpx files can be added. Ignored: %1.</source>
        <extracomment>%1 lists the names of the files, separated by commas.</extracomment>
        <translation>Nur .csv- und .gpx-Dateien können hinzugefügt werden. Ignoriert: %1.</translation>
    </message>
    <message>
        <source>No .csv or .gpx files were found in the folder.</source>
        <translation>Im Ordner wurden keine .csv- oder .gpx-Dateien gefunden.</translation>
    </message>
    <message>
        <source>One distance for all</source>
        <extracomment>The name of the choice in the list of proximity alerts, which the sentences below quote.</extracomment>
        <translation>Eine Entfernung für alle</translation>
    </message>
    <message>
        <source>The distance for %1 must be from 0 to 215,000 ft.</source>
        <translation>Die Entfernung für %1 muss zwischen 0 und 215.000 ft liegen.</translation>
    </message>
    <message>
        <source>The distance for %1 must be from 0 to 65,535 m.</source>
        <translation>Die Entfernung für %1 muss zwischen 0 und 65.535 m liegen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 what went wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files.</source>
        <translation>
            <numerusform>%n Datei gespeichert.</numerusform>
            <numerusform>%n Dateien gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n.</source>
        <extracomment>The number of files not saved, after &quot;Saved %n files.&quot; when some were.</extracomment>
        <translation>
            <numerusform>%n übersprungen.</numerusform>
            <numerusform>%n übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Some files could not be saved:

%1</source>
        <translation>Einige Dateien konnten nicht gespeichert werden:

%1</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Do you want to replace it? This can&apos;t be undone.</source>
        <translation>Möchten Sie die Datei ersetzen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Stop Saving</source>
        <translation>Speichern beenden</translation>
    </message>
    <message>
        <source>Can&apos;t Read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Found %1 next to the file</source>
        <extracomment>%1 is the name of the image file the icon was taken from.</extracomment>
        <translation>%1 neben der Datei gefunden</translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2 POIs on the map.</source>
        <extracomment>%1 is the number of POIs shown, %2 the number of all the file&apos;s POIs.</extracomment>
        <translation>
            <numerusform>%1 von %2 POI werden auf der Karte angezeigt.</numerusform>
            <numerusform>%1 von %2 POIs werden auf der Karte angezeigt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MapOverlays</name>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© OpenStreetMap-Mitwirkende</translation>
    </message>
</context>
<context>
    <name>POIStore</name>
    <message>
        <source>A POI&apos;s text is longer than 4 GiB.</source>
        <translation>Ein Text eines POIs ist länger als 4 GiB.</translation>
    </message>
    <message>
        <source>Too many POIs with details.</source>
        <translation>Zu viele POIs mit Details.</translation>
    </message>
    <message>
        <source>Too many POIs with alerts.</source>
        <translation>Zu viele POIs mit Annäherungsalarmen.</translation>
    </message>
    <message>
        <source>Too many POIs with alerts or details.</source>
        <translation>Zu viele POIs mit Annäherungsalarmen oder Details.</translation>
    </message>
</context>
<context>
    <name>ScaleBar</name>
    <message>
        <source>%1 mi</source>
        <translation>%1 mi</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation>%1 ft</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
</context>
<context>
    <name>TextSearch</name>
    <message>
        <source>Too many POIs to search.</source>
        <translation>Zu viele POIs zum Durchsuchen.</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message numerus="yes">
        <source>Sent %1 POIs in %n categories to %2. The file was read back and checked.</source>
        <extracomment>%1 is the number of POIs, %2 the device&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 POIs in %n Kategorie an %2 gesendet. Die Datei wurde zurückgelesen und geprüft.</numerusform>
            <numerusform>%1 POIs in %n Kategorien an %2 gesendet. Die Datei wurde zurückgelesen und geprüft.</numerusform>
        </translation>
    </message>
    <message>
        <source>The previous custom POIs were backed up to:
%1</source>
        <translation>Die bisherigen eigenen POIs wurden gesichert in:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Restored the backup of %1 to %2: %3 POIs. The file was read back and checked.</source>
        <extracomment>%1 is the date and time of the backup, %2 the device&apos;s name, %3 the number of POIs.</extracomment>
        <translation>
            <numerusform>Die Sicherung vom %1 wurde auf %2 wiederhergestellt: %3 POI. Die Datei wurde zurückgelesen und geprüft.</numerusform>
            <numerusform>Die Sicherung vom %1 wurde auf %2 wiederhergestellt: %3 POIs. Die Datei wurde zurückgelesen und geprüft.</numerusform>
        </translation>
    </message>
    <message>
        <source>The custom POIs it replaced were backed up to:
%1</source>
        <translation>Die eigenen POIs, die sie ersetzt hat, wurden gesichert in:
%1</translation>
    </message>
    <message>
        <source>Marklode has no backups of %1.</source>
        <translation>Marklode hat keine Sicherungen von %1.</translation>
    </message>
    <message>
        <source>Restore the backup to %1?</source>
        <translation>Sicherung auf %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>The custom POIs now on this device will be replaced. Marklode backs them up first.</source>
        <translation>Die eigenen POIs, die sich jetzt auf diesem Gerät befinden, werden ersetzt. Marklode sichert sie vorher.</translation>
    </message>
    <message>
        <source>This device has no custom POIs now.</source>
        <translation>Auf diesem Gerät befinden sich derzeit keine eigenen POIs.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>%1 is damaged or not a Garmin POI file, so nothing was written.</source>
        <translation>%1 ist beschädigt oder keine Garmin-POI-Datei, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Removed the custom POIs from %1.</source>
        <translation>Die eigenen POIs wurden von %1 entfernt.</translation>
    </message>
    <message>
        <source>A backup was saved to:
%1</source>
        <translation>Eine Sicherung wurde gespeichert in:
%1</translation>
    </message>
    <message>
        <source>%1 is being ejected, so its POIs can&apos;t be changed now.</source>
        <translation>%1 wird gerade ausgeworfen, daher können seine POIs jetzt nicht geändert werden.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be ejected. Close any files open on it and try again.</source>
        <translation>%1 konnte nicht ausgeworfen werden. Schließen Sie alle darauf geöffneten Dateien und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is no longer connected.</source>
        <translation>%1 ist nicht mehr verbunden.</translation>
    </message>
    <message>
        <source>Remove custom POIs from %1?</source>
        <translation>Eigene POIs von %1 entfernen?</translation>
    </message>
    <message>
        <source>Marklode copies Garmin/POI/poi.gpi to a backup, then deletes it from the device. No other files are changed.</source>
        <extracomment>Garmin/POI/poi.gpi is the path of the file on the device; it stays as it is.</extracomment>
        <translation>Marklode kopiert Garmin/POI/poi.gpi in eine Sicherung und löscht die Datei dann vom Gerät. Andere Dateien werden nicht geändert.</translation>
    </message>
    <message>
        <source>Back Up and Remove</source>
        <translation>Sichern und entfernen</translation>
    </message>
    <message>
        <source>Add at least one file with POIs first.</source>
        <translation>Fügen Sie zuerst mindestens eine Datei mit POIs hinzu.</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>The update feed is not an https address, so it was not read.</source>
        <translation>Der Aktualisierungs-Feed hat keine https-Adresse und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>This copy of Marklode has no valid release key, so no download could be verified.</source>
        <translation>Diese Kopie von Marklode hat keinen gültigen Veröffentlichungsschlüssel, daher konnte kein Download überprüft werden.</translation>
    </message>
    <message>
        <source>The update server couldn&apos;t be reached.</source>
        <translation>Der Aktualisierungsserver war nicht erreichbar.</translation>
    </message>
    <message>
        <source>The update server couldn&apos;t be reached (%1).</source>
        <extracomment>%1 is the network&apos;s own description of the fault.</extracomment>
        <translation>Der Aktualisierungsserver war nicht erreichbar (%1).</translation>
    </message>
    <message>
        <source>The update server didn&apos;t answer in time. Try again later.</source>
        <translation>Der Aktualisierungsserver hat nicht rechtzeitig geantwortet. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The update feed is too large to be a real one, so it was not read.</source>
        <translation>Der Aktualisierungs-Feed ist zu groß, um echt zu sein, und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The update feed couldn&apos;t be read.</source>
        <translation>Der Aktualisierungs-Feed konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The update feed couldn&apos;t be read (%1).</source>
        <extracomment>%1 says what in the feed could not be read.</extracomment>
        <translation>Der Aktualisierungs-Feed konnte nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The download was not the size the update feed announced, so it was deleted. Nothing was installed.</source>
        <translation>Der Download hatte nicht die im Aktualisierungs-Feed angekündigte Größe und wurde daher gelöscht. Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>The download is not signed with Marklode&apos;s release key, so it was deleted. Nothing was installed.</source>
        <translation>Der Download ist nicht mit dem Veröffentlichungsschlüssel von Marklode signiert und wurde daher gelöscht. Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved.</source>
        <translation>Der Download konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved (%1).</source>
        <extracomment>%1 is the file system&apos;s own description of the fault.</extracomment>
        <translation>Der Download konnte nicht gespeichert werden (%1).</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Aktualisierungen …</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Sie sind auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>%1 is the newest version available.</source>
        <extracomment>%1 is the product&apos;s name and version, e.g. &quot;Marklode 1.4&quot;.</extracomment>
        <translation>%1 ist die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>%1 is available</source>
        <translation>%1 ist verfügbar</translation>
    </message>
    <message>
        <source>You have %1. The download is checked against Marklode&apos;s release key before it is kept.</source>
        <translation>Sie haben %1. Der Download wird mit dem Veröffentlichungsschlüssel von Marklode geprüft, bevor er behalten wird.</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>%1 wird heruntergeladen …</translation>
    </message>
    <message>
        <source>%1 is ready to install</source>
        <translation>%1 kann installiert werden</translation>
    </message>
    <message>
        <source>The download was verified and saved as %1 in %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the folder it was saved in.</extracomment>
        <translation>Der Download wurde überprüft und in %2 als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Es konnte nicht nach Aktualisierungen gesucht werden</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be verified</source>
        <translation>Die Aktualisierung konnte nicht überprüft werden</translation>
    </message>
    <message>
        <source>Couldn&apos;t download the update</source>
        <translation>Die Aktualisierung konnte nicht heruntergeladen werden</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open with Package Installer</source>
        <translation>Mit Paketinstallation öffnen</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Versionshinweise</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>This GPX file is damaged or not valid XML (problem near line %1).</source>
        <translation>Diese GPX-Datei ist beschädigt oder kein gültiges XML (Problem bei Zeile %1).</translation>
    </message>
    <message>
        <source>This KML file is damaged or not valid XML (problem near line %1).</source>
        <translation>Diese KML-Datei ist beschädigt oder kein gültiges XML (Problem bei Zeile %1).</translation>
    </message>
    <message>
        <source>The KML document inside this KMZ file is damaged or not valid XML (problem near line %1).</source>
        <translation>Das KML-Dokument in dieser KMZ-Datei ist beschädigt oder kein gültiges XML (Problem bei Zeile %1).</translation>
    </message>
    <message>
        <source>This KMZ file is damaged or not a zip archive. Save or export it again and try again.</source>
        <translation>Diese KMZ-Datei ist beschädigt oder kein ZIP-Archiv. Speichern oder exportieren Sie sie erneut und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>This KMZ file holds no KML document, so it has no places to import.</source>
        <translation>Diese KMZ-Datei enthält kein KML-Dokument und damit keine Orte zum Importieren.</translation>
    </message>
    <message>
        <source>The KML document inside this KMZ file unpacks to more than %1, more than Marklode reads. Split it into smaller files.</source>
        <translation>Das KML-Dokument in dieser KMZ-Datei ist entpackt größer als %1 und damit zu groß für Marklode. Teilen Sie es in kleinere Dateien auf.</translation>
    </message>
    <message>
        <source>This GeoJSON file is damaged or not valid JSON (problem near line %1).</source>
        <translation>Diese GeoJSON-Datei ist beschädigt oder kein gültiges JSON (Problem bei Zeile %1).</translation>
    </message>
    <message>
        <source>This GeoJSON file is damaged or not valid JSON.</source>
        <translation>Diese GeoJSON-Datei ist beschädigt oder kein gültiges JSON.</translation>
    </message>
    <message>
        <source>This GeoJSON file&apos;s text is not UTF-8, as JSON must be. Save it as UTF-8 and try again.</source>
        <translation>Der Text dieser GeoJSON-Datei ist nicht in UTF-8 kodiert, wie es JSON verlangt. Speichern Sie sie als UTF-8 und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This file is not GeoJSON. Marklode reads a GeoJSON FeatureCollection or a single Feature.</source>
        <translation>Diese Datei ist kein GeoJSON. Marklode liest eine GeoJSON-FeatureCollection oder ein einzelnes Feature.</translation>
    </message>
    <message>
        <source>This GeoJSON FeatureCollection has no list of features.</source>
        <translation>Diese GeoJSON-FeatureCollection hat keine Liste von Features.</translation>
    </message>
    <message>
        <source>This file holds a %1, but Marklode reads only a GeoJSON FeatureCollection or a single Feature.</source>
        <extracomment>%1 is the GeoJSON type the file holds, such as &quot;Point&quot;.</extracomment>
        <translation>Diese Datei enthält den Typ %1, Marklode liest aber nur eine GeoJSON-FeatureCollection oder ein einzelnes Feature.</translation>
    </message>
    <message>
        <source>The file&apos;s text could not be read. Save it as UTF-8 or Windows-1252 and try again.</source>
        <translation>Der Text der Datei konnte nicht gelesen werden. Speichern Sie sie als UTF-8 oder Windows-1252 und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 has an invalid position (%2, %3).</source>
        <extracomment>%1 is the POI&apos;s name, %2 and %3 its latitude and longitude.</extracomment>
        <translation>%1 hat eine ungültige Position (%2, %3).</translation>
    </message>
    <message>
        <source>A name or comment is too long to store in a Garmin file.</source>
        <translation>Ein Name oder Kommentar ist zu lang, um in einer Garmin-Datei gespeichert zu werden.</translation>
    </message>
    <message>
        <source>%1 has a speed or distance that is too large or negative.</source>
        <translation>%1 hat eine Geschwindigkeit oder Entfernung, die zu groß oder negativ ist.</translation>
    </message>
    <message>
        <source>A Garmin file can hold at most %1 categories, but this one would have %2. Use fewer files.</source>
        <translation>Eine Garmin-Datei kann höchstens %1 Kategorien enthalten, diese hätte aber %2. Verwenden Sie weniger Dateien.</translation>
    </message>
    <message>
        <source>%1 would take %2 in a Garmin file, but a category can take at most %3. Split its POIs into smaller files.</source>
        <extracomment>%1 is the category&apos;s name, %2 and %3 sizes such as &quot;1.2 MB&quot;.</extracomment>
        <translation>%1 würde in einer Garmin-Datei %2 belegen, eine Kategorie darf aber höchstens %3 belegen. Teilen Sie ihre POIs auf kleinere Dateien auf.</translation>
    </message>
    <message>
        <source>Enter a category name before saving.</source>
        <translation>Geben Sie vor dem Speichern einen Kategorienamen ein.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged or not a Garmin POI file, so nothing was changed on the device.</source>
        <translation>Die Sicherung %1 ist beschädigt oder keine Garmin-POI-Datei, daher wurde auf dem Gerät nichts geändert.</translation>
    </message>
    <message>
        <source>The backup %1 couldn&apos;t be read, so nothing was changed on the device. %2</source>
        <extracomment>%2 is the system&apos;s own description of the error.</extracomment>
        <translation>Die Sicherung %1 konnte nicht gelesen werden, daher wurde auf dem Gerät nichts geändert. %2</translation>
    </message>
    <message>
        <source>%1 is not one of the backups of %2.</source>
        <extracomment>%1 is the name of a backup, %2 the device&apos;s name.</extracomment>
        <translation>%1 ist keine der Sicherungen von %2.</translation>
    </message>
    <message>
        <source>Use a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Verwenden Sie ein 24-Bit-BMP mit höchstens 24×24 Pixeln.</translation>
    </message>
    <message>
        <source>Use a smaller image.</source>
        <translation>Verwenden Sie ein kleineres Bild.</translation>
    </message>
    <message>
        <source>Save it again from an image editor, or use another image.</source>
        <translation>Speichern Sie es erneut aus einem Bildbearbeitungsprogramm oder verwenden Sie ein anderes Bild.</translation>
    </message>
    <message>
        <source>Use a PNG or JPEG image, or a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Verwenden Sie ein PNG- oder JPEG-Bild oder ein 24-Bit-BMP mit höchstens 24×24 Pixeln.</translation>
    </message>
    <message>
        <source>Marklode reads only regular files, not pipes, devices or sockets.</source>
        <translation>Marklode liest nur reguläre Dateien, keine Pipes, Gerätedateien oder Sockets.</translation>
    </message>
    <message>
        <source>The file is too large for Marklode to read.</source>
        <translation>Die Datei ist zu groß, als dass Marklode sie lesen könnte.</translation>
    </message>
    <message>
        <source>Marklode doesn&apos;t have permission to read this file.</source>
        <translation>Marklode hat keine Berechtigung, diese Datei zu lesen.</translation>
    </message>
    <message>
        <source>Marklode doesn&apos;t have permission to save there. Choose another folder.</source>
        <translation>Marklode hat keine Berechtigung, dort zu speichern. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>Die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Something went wrong: %1.</source>
        <extracomment>%1 is the system&apos;s own description of the error.</extracomment>
        <translation>Etwas ist schiefgelaufen: %1.</translation>
    </message>
    <message>
        <source>The icon can&apos;t be used. %1 %2</source>
        <extracomment>%1 says what is wrong with the icon, %2 what to use instead.</extracomment>
        <translation>Das Symbol kann nicht verwendet werden. %1 %2</translation>
    </message>
    <message>
        <source>The Garmin file Marklode built is damaged, so nothing was written. Please report this.</source>
        <translation>Die von Marklode erstellte Garmin-Datei ist beschädigt, daher wurde nichts geschrieben. Bitte melden Sie diesen Fehler.</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <extracomment>%1 is the program&apos;s own description of the error.</extracomment>
        <translation>Etwas ist schiefgelaufen: %1</translation>
    </message>
    <message>
        <source>Something went wrong: an unknown error occurred.</source>
        <translation>Etwas ist schiefgelaufen: Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>marklode::AboutWindow</name>
    <message>
        <source>Version Info Copied</source>
        <translation>Versionsinfo kopiert</translation>
    </message>
    <message>
        <source>Copy Version Info</source>
        <translation>Versionsinfo kopieren</translation>
    </message>
    <message>
        <source>Marklode is free software under the %1, version 3 or later.</source>
        <translation>Marklode ist freie Software unter der %1, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <translation>GNU General Public License</translation>
    </message>
    <message>
        <source>Map tiles © %1. Built-in map outlines from %2 (public domain).</source>
        <translation>Kartenkacheln © %1. Mitgelieferte Kartenumrisse von %2 (gemeinfrei).</translation>
    </message>
    <message>
        <source>OpenStreetMap contributors</source>
        <translation>OpenStreetMap-Mitwirkende</translation>
    </message>
    <message>
        <source>Made with Qt (LGPL-3.0), expat (MIT), utf8proc (MIT), libsodium (ISC), libzip (BSD-3-Clause), simdjson (Apache-2.0), libpng (libpng-2.0) and libjpeg-turbo (IJG, BSD-3-Clause).</source>
        <translation>Erstellt mit Qt (LGPL-3.0), expat (MIT), utf8proc (MIT), libsodium (ISC), libzip (BSD-3-Clause), simdjson (Apache-2.0), libpng (libpng-2.0) und libjpeg-turbo (IJG, BSD-3-Clause).</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <extracomment>The version the user knows, then the build number.</extracomment>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>About Marklode</source>
        <translation>Über Marklode</translation>
    </message>
    <message>
        <source>Marklode icon</source>
        <translation>Marklode-Symbol</translation>
    </message>
    <message>
        <source>Converts CSV and GPX points of interest to Garmin .gpi files.</source>
        <translation>Wandelt POIs aus CSV- und GPX-Dateien in .gpi-Dateien für Garmin um.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>E-Mail-Support</translation>
    </message>
    <message>
        <source>Not affiliated with Garmin Ltd. Garmin is a trademark of Garmin Ltd.</source>
        <translation>Nicht mit Garmin Ltd. verbunden. Garmin ist eine Marke von Garmin Ltd.</translation>
    </message>
</context>
<context>
    <name>marklode::CategoryList</name>
    <message>
        <source>Categories in the file</source>
        <translation>Kategorien in der Datei</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>marklode::ConfirmationSheet</name>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>POIs</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Don&apos;t disconnect the device until Marklode says it&apos;s done.</source>
        <translation>Trennen Sie das Gerät erst, wenn Marklode meldet, dass es fertig ist.</translation>
    </message>
</context>
<context>
    <name>marklode::DeviceActionBar</name>
    <message>
        <source>Send to Device…</source>
        <translation>An Gerät senden …</translation>
    </message>
    <message>
        <source>Writing to device…</source>
        <translation>Wird auf das Gerät geschrieben …</translation>
    </message>
    <message>
        <source>Write all files to %1 as one poi.gpi.</source>
        <translation>Alle Dateien als eine poi.gpi auf %1 schreiben.</translation>
    </message>
    <message>
        <source>Connect a Garmin device or SD card first.</source>
        <translation>Schließen Sie zuerst ein Garmin-Gerät oder eine SD-Karte an.</translation>
    </message>
</context>
<context>
    <name>marklode::DeviceActions</name>
    <message>
        <source>Remove Custom POIs…</source>
        <translation>Eigene POIs entfernen …</translation>
    </message>
    <message>
        <source>Show Backups in File Manager</source>
        <translation>Sicherungen im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Send to Device…</source>
        <translation>An Gerät senden …</translation>
    </message>
    <message>
        <source>Remove Custom POIs from Device…</source>
        <translation>Eigene POIs vom Gerät entfernen …</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Sicherung wiederherstellen …</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Auswerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Eject %1</source>
        <translation>%1 auswerfen</translation>
    </message>
    <message>
        <source>Show Backup in File Manager</source>
        <translation>Sicherung im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>marklode::DropZone</name>
    <message>
        <source>Drop .csv or .gpx files here</source>
        <translation>Ziehen Sie .csv- oder .gpx-Dateien hierher</translation>
    </message>
    <message>
        <source>You can drop several files at once, or a folder that contains them.</source>
        <translation>Sie können mehrere Dateien auf einmal ablegen oder einen Ordner, der sie enthält.</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
</context>
<context>
    <name>marklode::FileDetailView</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>Under the file&apos;s name in the window&apos;s title bar: how many POIs the file has.</extracomment>
        <translation>
            <numerusform>%1 POI</numerusform>
            <numerusform>%1 POIs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marklode::IconPreview</name>
    <message>
        <source>Icon preview</source>
        <translation>Symbolvorschau</translation>
    </message>
</context>
<context>
    <name>marklode::IssuesPopover</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy every skipped row with its line to the clipboard</source>
        <translation>Jede übersprungene Zeile mit ihrer Zeilennummer in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Skipped rows in %1</source>
        <translation>Übersprungene Zeilen in %1</translation>
    </message>
    <message>
        <source>These rows were not imported. Fix them in the file and add it again.</source>
        <translation>Diese Zeilen wurden nicht importiert. Korrigieren Sie sie in der Datei und fügen Sie die Datei erneut hinzu.</translation>
    </message>
    <message>
        <source>Skipped rows</source>
        <translation>Übersprungene Zeilen</translation>
    </message>
</context>
<context>
    <name>marklode::LibraryUndo</name>
    <message>
        <source>Change Category Name</source>
        <translation>Kategoriename ändern</translation>
    </message>
    <message>
        <source>Change Categories</source>
        <translation>Kategorien ändern</translation>
    </message>
    <message>
        <source>Change Speed Unit</source>
        <translation>Geschwindigkeitseinheit ändern</translation>
    </message>
    <message>
        <source>Change Proximity Alerts</source>
        <translation>Annäherungsalarme ändern</translation>
    </message>
    <message>
        <source>Change Distance Unit</source>
        <translation>Entfernungseinheit ändern</translation>
    </message>
    <message>
        <source>Change Distance</source>
        <translation>Entfernung ändern</translation>
    </message>
    <message>
        <source>Change Icon</source>
        <translation>Symbol ändern</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Alle schließen</translation>
    </message>
</context>
<context>
    <name>marklode::MainWindow</name>
    <message>
        <source>Save as One File…</source>
        <translation>Als eine Datei speichern …</translation>
    </message>
    <message>
        <source>Save one .gpi file with a category for each input file, as a device gets it</source>
        <translation>Eine .gpi-Datei mit einer Kategorie je Eingabedatei speichern, so wie das Gerät sie erhält</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Read the selected file again from the disk</source>
        <translation>Die ausgewählte Datei erneut vom Datenträger lesen</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Alle schließen</translation>
    </message>
    <message>
        <source>Take every file off the list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Quit while writing to the device?</source>
        <translation>Beenden, während auf das Gerät geschrieben wird?</translation>
    </message>
    <message>
        <source>Marklode is still writing to the device. Quitting now could leave its custom POIs damaged.</source>
        <translation>Marklode schreibt noch auf das Gerät. Wenn Sie jetzt beenden, können die eigenen POIs darauf beschädigt werden.</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation>Weiterschreiben</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Menü leeren</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
    <message>
        <source>Add .csv or .gpx files, or a folder</source>
        <translation>.csv- oder .gpx-Dateien oder einen Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Save .gpi…</source>
        <translation>Als .gpi speichern …</translation>
    </message>
    <message>
        <source>Save the selected file as a .gpi file</source>
        <translation>Die ausgewählte Datei als .gpi-Datei speichern</translation>
    </message>
    <message>
        <source>Save All…</source>
        <translation>Alle speichern …</translation>
    </message>
    <message>
        <source>Save one .gpi file per input file into a folder</source>
        <translation>Je Eingabedatei eine .gpi-Datei in einem Ordner speichern</translation>
    </message>
    <message>
        <source>File actions</source>
        <translation>Dateiaktionen</translation>
    </message>
    <message>
        <source>More file actions</source>
        <translation>Weitere Dateiaktionen</translation>
    </message>
    <message>
        <source>Search POIs</source>
        <translation>POIs durchsuchen</translation>
    </message>
</context>
<context>
    <name>marklode::MarklodeApp</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>Running tests</source>
        <translation>Tests laufen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Marklode</source>
        <translation>Über Marklode</translation>
    </message>
</context>
<context>
    <name>marklode::NoDeviceHelp</name>
    <message>
        <source>No Garmin found</source>
        <translation>Kein Garmin gefunden</translation>
    </message>
    <message>
        <source>Why isn&apos;t my Garmin shown?</source>
        <translation>Warum wird mein Garmin nicht angezeigt?</translation>
    </message>
    <message>
        <source>Your Garmin may use MTP mode</source>
        <translation>Ihr Garmin verwendet möglicherweise den MTP-Modus</translation>
    </message>
    <message>
        <source>Your Garmin may use MTP mode. Save the .gpi file and copy it with your file manager into Garmin/POI/.</source>
        <translation>Ihr Garmin verwendet möglicherweise den MTP-Modus. Speichern Sie die .gpi-Datei und kopieren Sie sie mit Ihrem Dateimanager nach Garmin/POI/.</translation>
    </message>
    <message>
        <source>Older Garmin devices and SD cards appear here as soon as they are connected and mounted.</source>
        <translation>Ältere Garmin-Geräte und SD-Karten erscheinen hier, sobald sie angeschlossen und eingehängt sind.</translation>
    </message>
</context>
<context>
    <name>marklode::POITable</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>POIs</translation>
    </message>
</context>
<context>
    <name>marklode::POITableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>marklode::RestoreBackupDialog</name>
    <message>
        <source>Restore Backup to %1</source>
        <translation>Sicherung auf %1 wiederherstellen</translation>
    </message>
    <message>
        <source>Choose the backup to put back on %1. Newest first.</source>
        <translation>Wählen Sie die Sicherung, die auf %1 zurückgespielt werden soll. Die neueste steht oben.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>POIs</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Beschädigt</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen …</translation>
    </message>
</context>
<context>
    <name>marklode::SearchField</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Search POIs</source>
        <translation>POIs durchsuchen</translation>
    </message>
</context>
<context>
    <name>marklode::SendConfirmationSheet</name>
    <message>
        <source>Send to %1?</source>
        <translation>An %1 senden?</translation>
    </message>
    <message>
        <source>The custom POIs already on this device will be replaced. Marklode backs them up first.</source>
        <translation>Die eigenen POIs auf diesem Gerät werden ersetzt. Marklode sichert sie vorher.</translation>
    </message>
    <message>
        <source>This device has no custom POIs yet.</source>
        <translation>Auf diesem Gerät sind noch keine eigenen POIs.</translation>
    </message>
    <message>
        <source>Back Up and Replace</source>
        <translation>Sichern und ersetzen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>marklode::SettingsForm</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>One for the file</source>
        <translation>Eine für die Datei</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Aus der Datei</translation>
    </message>
    <message>
        <source>Choose Icon…</source>
        <translation>Symbol wählen …</translation>
    </message>
    <message>
        <source>Category shown on the device</source>
        <translation>Kategorie, wie sie das Gerät anzeigt</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>Speed in names (“@50”)</source>
        <extracomment>The speed limit written after a POI&apos;s name, e.g. &quot;Radar @50&quot;.</extracomment>
        <translation>Geschwindigkeit in Namen („@50“)</translation>
    </message>
    <message>
        <source>Proximity alerts</source>
        <translation>Annäherungsalarme</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Proximity alerts: none.</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Use values from file</source>
        <translation>Werte aus der Datei verwenden</translation>
    </message>
    <message>
        <source>One distance for all</source>
        <translation>Eine Entfernung für alle</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Use Default</source>
        <translation>Standard verwenden</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Marklode default</source>
        <translation>Marklode-Standard</translation>
    </message>
</context>
<context>
    <name>marklode::ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Files and devices</source>
        <translation>Dateien und Geräte</translation>
    </message>
    <message>
        <source>Remove the selected file from the list</source>
        <translation>Die ausgewählte Datei aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Open the menu of the selected file or device</source>
        <translation>Das Menü der ausgewählten Datei oder des ausgewählten Geräts öffnen</translation>
    </message>
    <message>
        <source>Show the skipped rows of the selected file</source>
        <translation>Die übersprungenen Zeilen der ausgewählten Datei anzeigen</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Move the map</source>
        <translation>Karte verschieben</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
</context>
<context>
    <name>marklode::Sidebar</name>
    <message>
        <source>Wait until writing has finished.</source>
        <translation>Warten Sie, bis der Schreibvorgang abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Eject %1</source>
        <translation>%1 auswerfen</translation>
    </message>
    <message>
        <source>Files and devices</source>
        <translation>Dateien und Geräte</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
</context>
<context>
    <name>marklode::SidebarModel</name>
    <message>
        <source>No longer on disk</source>
        <translation>Nicht mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>%1 · deleted on disk</source>
        <extracomment>A file&apos;s POI count, then that the file is gone from the disk: &quot;12 POIs · deleted on disk&quot;.</extracomment>
        <translation>%1 · auf dem Datenträger gelöscht</translation>
    </message>
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
            <numerusform>%n Zeile wurde übersprungen. Klicken Sie, um den Grund zu sehen.</numerusform>
            <numerusform>%n Zeilen wurden übersprungen. Klicken Sie, um die Gründe zu sehen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Drop .csv or .gpx files to begin.</source>
        <translation>Ziehen Sie .csv- oder .gpx-Dateien hierher, um zu beginnen.</translation>
    </message>
    <message>
        <source>No Garmin found</source>
        <translation>Kein Garmin gefunden</translation>
    </message>
    <message>
        <source>Why isn&apos;t my Garmin shown?</source>
        <translation>Warum wird mein Garmin nicht angezeigt?</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Wird gelesen …</translation>
    </message>
    <message>
        <source>Could not read file</source>
        <translation>Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>SD card · %1</source>
        <extracomment>A memory card in a device, then its volume&apos;s name.</extracomment>
        <translation>SD-Karte · %1</translation>
    </message>
</context>
<context>
    <name>marklode::SkippedRowsModel</name>
    <message numerus="yes">
        <source>%1 rows</source>
        <extracomment>How many rows were skipped for one reason, the number grouped as the locale groups it.</extracomment>
        <translation>
            <numerusform>%1 Zeile</numerusform>
            <numerusform>%1 Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>feature %1</source>
        <translation>Feature %1</translation>
    </message>
    <message>
        <source>features %1 and %2</source>
        <extracomment>The positions of two skipped features of a GeoJSON file.</extracomment>
        <translation>Features %1 und %2</translation>
    </message>
    <message>
        <source>features %1, %2 and %3</source>
        <translation>Features %1, %2 und %3</translation>
    </message>
    <message numerus="yes">
        <source>features %1, %2, %3 and %4 more</source>
        <translation>
            <numerusform>Features %1, %2, %3 und %4 weiteres</numerusform>
            <numerusform>Features %1, %2, %3 und %4 weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <extracomment>The lines of two skipped rows.</extracomment>
        <translation>Zeilen %1 und %2</translation>
    </message>
    <message>
        <source>lines %1, %2 and %3</source>
        <translation>Zeilen %1, %2 und %3</translation>
    </message>
    <message numerus="yes">
        <source>lines %1, %2, %3 and %4 more</source>
        <extracomment>The first three lines of the skipped rows, then how many more there are.</extracomment>
        <translation>
            <numerusform>Zeilen %1, %2, %3 und %4 weitere</numerusform>
            <numerusform>Zeilen %1, %2, %3 und %4 weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, %3.</source>
        <extracomment>A reason rows were skipped for, how many, and their lines, as a screen reader says it: &quot;Missing name. 3 rows, lines 4, 9 and 12.&quot;</extracomment>
        <translation>%1 %2, %3.</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>Under a reason rows were skipped for: how many, and their lines: &quot;3 rows · lines 4, 9 and 12&quot;.</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Feature %1</source>
        <translation>Feature %1</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Skipped rows</source>
        <translation>Übersprungene Zeilen</translation>
    </message>
</context>
<context>
    <name>marklode::map::MapControls</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle zeigen</translation>
    </message>
</context>
<context>
    <name>marklode::map::MapView</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
</context>
</TS>
