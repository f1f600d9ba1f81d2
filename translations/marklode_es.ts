<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Appcast</name>
    <message>
        <source>document type declarations are not allowed</source>
        <translation>no se permiten declaraciones de tipo de documento</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where the update feed stopped making sense, then the reader&apos;s own description.</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the feed is empty</source>
        <translation>la fuente está vacía</translation>
    </message>
    <message>
        <source>not an RSS feed</source>
        <translation>no es una fuente RSS</translation>
    </message>
    <message>
        <source>line %1: elements nested deeper than %2</source>
        <translation>línea %1: elementos anidados en más de %2 niveles</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>list a device&apos;s backups</source>
        <translation>listar las copias de seguridad de un dispositivo</translation>
    </message>
    <message>
        <source>Usage: marklode-cli backups [--device VOLUME_DIR] [--backup-root DIR] [--json]

Lists the backups Marklode made of the device&apos;s custom POIs, newest first, with
their time and POI count; a backup whose file can&apos;t be read is listed as
damaged. Without --device the one connected Garmin is used.
  --json  print [{&quot;folder&quot;:...,&quot;time&quot;:...,&quot;poiCount&quot;:N or null,&quot;damaged&quot;:false}]
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Uso: marklode-cli backups [--device VOLUMEN] [--backup-root CARPETA] [--json]

Lista las copias de seguridad que Marklode hizo de los puntos de interés
personalizados del dispositivo, de la más reciente a la más antigua, con su hora y
su número de puntos de interés; una copia cuyo archivo no se puede leer aparece
como dañada. Sin --device se usa el único dispositivo Garmin conectado.
  --json  mostrar [{&quot;folder&quot;:...,&quot;time&quot;:...,&quot;poiCount&quot;:N o null,&quot;damaged&quot;:false}]
</translation>
    </message>
    <message>
        <source>backups takes no arguments; name the device with --device</source>
        <translation>backups no admite argumentos; indique el dispositivo con --device</translation>
    </message>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>The POI count of a backup, grouped as the locale groups numbers.</extracomment>
        <translation>
            <numerusform>%1 punto de interés</numerusform>
            <numerusform>%1 puntos de interés</numerusform>
        </translation>
    </message>
    <message>
        <source>put a backup back on a device</source>
        <translation>restaurar una copia de seguridad en un dispositivo</translation>
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
        <translation>Uso: marklode-cli restore [COPIA] [--device VOLUMEN] [--backup-root CARPETA]

Vuelve a poner en el dispositivo el poi.gpi de una copia de seguridad, la más
reciente si no se indica COPIA. COPIA es un nombre tal como lo lista
marklode-cli backups, o la ruta de una carpeta de copia de seguridad. Como con
send, primero se hace una copia de seguridad del archivo actual del dispositivo,
el nuevo se instala de forma atómica y se vuelve a leer para verificarlo. Una
copia dañada se rechaza antes de tocar el dispositivo.
</translation>
    </message>
    <message>
        <source>restore takes at most one BACKUP</source>
        <translation>restore espera como máximo una COPIA</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The backup copy didn&apos;t match the original.</source>
        <translation>La copia de seguridad no coincidía con el original.</translation>
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
    <name>CliArguments</name>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>option --%1 takes no value</source>
        <translation>la opción --%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>option --%1 needs a value</source>
        <translation>la opción --%1 necesita un valor</translation>
    </message>
</context>
<context>
    <name>CliDeviceMessages</name>
    <message>
        <source>%1 is not a Garmin device: it has no Garmin folder.</source>
        <translation>%1 no es un dispositivo Garmin: no tiene ninguna carpeta Garmin.</translation>
    </message>
    <message>
        <source>No Garmin device is connected. Connect one, or name its folder with --device.</source>
        <extracomment>--device is the name of an option and stays as it is.</extracomment>
        <translation>No hay ningún dispositivo Garmin conectado. Conecte uno o indique su carpeta con --device.</translation>
    </message>
    <message>
        <source>Several Garmin devices are connected; choose one with --device:</source>
        <extracomment>--device is the name of an option and stays as it is.</extracomment>
        <translation>Hay varios dispositivos Garmin conectados; elija uno con --device:</translation>
    </message>
    <message>
        <source>No Garmin devices found.</source>
        <translation>No se encontraron dispositivos Garmin.</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Enviando a %1…</translation>
    </message>
    <message>
        <source>Restoring to %1…</source>
        <translation>Restaurando en %1…</translation>
    </message>
    <message>
        <source>Backups of %1, newest first, in %2:</source>
        <extracomment>%1 is the device&apos;s name, %2 the folder that holds its backups.</extracomment>
        <translation>Copias de seguridad de %1, las más recientes primero, en %2:</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Stands in a list of backups where others show their number of POIs.</extracomment>
        <translation>dañada</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>Usage: marklode-cli COMMAND [OPTIONS]</source>
        <extracomment>The words in capitals stand for what the user types; the command and option names stay.</extracomment>
        <translation>Uso: marklode-cli COMANDO [OPCIONES]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Run marklode-cli COMMAND --help for the options of one command,
marklode-cli --version for the version.</source>
        <translation>Ejecute marklode-cli COMANDO --help para ver las opciones de un comando
y marklode-cli --version para ver la versión.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Run marklode-cli %1 --help for its options.</source>
        <translation>Ejecute marklode-cli %1 --help para ver sus opciones.</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>--speed-unit must be kmh or mph</source>
        <translation>--speed-unit debe ser kmh o mph</translation>
    </message>
    <message>
        <source>--format must be csv, gpx, kml, kmz or geojson</source>
        <translation>--format debe ser csv, gpx, kml, kmz o geojson</translation>
    </message>
    <message>
        <source>--categories must be one or from-file</source>
        <translation>--categories debe ser one o from-file</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Leyendo %1…</translation>
    </message>
</context>
<context>
    <name>CliPrinting</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <translation>
            <numerusform>%1 punto de interés</numerusform>
            <numerusform>%1 puntos de interés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n categories</source>
        <extracomment>%1 is a count of POIs (&quot;1 POI&quot;, &quot;12 POIs&quot;).</extracomment>
        <translation>
            <numerusform>%1 en %n categoría</numerusform>
            <numerusform>%1 en %n categorías</numerusform>
        </translation>
    </message>
    <message>
        <source>[speed %1 km/h]</source>
        <extracomment>A POI&apos;s speed limit in a line that describes the POI.</extracomment>
        <translation>[velocidad %1 km/h]</translation>
    </message>
    <message>
        <source>[proximity %1 m]</source>
        <extracomment>The distance of a POI&apos;s proximity alert, in a line that describes the POI.</extracomment>
        <translation>[alerta de proximidad %1 m]</translation>
    </message>
    <message>
        <source>[address %1]</source>
        <translation>[dirección %1]</translation>
    </message>
    <message>
        <source>[phone %1]</source>
        <translation>[teléfono %1]</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts CSV and GPX points of interest to Garmin .gpi files.</source>
        <translation>Convierte puntos de interés CSV y GPX en archivos .gpi de Garmin.</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <extracomment>What the program takes on its command line, as --help names it.</extracomment>
        <translation>ARCHIVO|CARPETA</translation>
    </message>
    <message>
        <source>.csv or .gpx files, or folders that hold them</source>
        <translation>archivos .csv o .gpx, o carpetas que los contengan</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>%1 already exists. Use --force to replace it.</source>
        <translation>%1 ya existe. Use --force para reemplazarlo.</translation>
    </message>
    <message>
        <source>write .gpi files from CSV, GPX, KML, KMZ and GeoJSON files</source>
        <translation>escribir archivos .gpi a partir de archivos CSV, GPX, KML, KMZ y GeoJSON</translation>
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
        <translation>Uso: marklode-cli convert ENTRADA -o SALIDA.gpi [opciones]
     marklode-cli convert ENTRADA... -d CARPETA [--force] [opciones]
     marklode-cli convert ENTRADA... --combined -o SALIDA.gpi [opciones]

Una entrada con -o: el .gpi propio de la entrada (categoría = nombre del archivo
  sin extensión).
Varias entradas con -d: un .gpi por entrada en CARPETA, con el nombre NOMBRE.gpi,
  NOMBRE 2.gpi, ...; un archivo existente solo se reemplaza con --force.
--combined: un único archivo con las categorías de cada entrada que tienen puntos
  de interés, en orden.
Una ENTRADA - es la entrada estándar; una tubería, como &lt;(comando), se lee hasta
el final.

  --format csv|gpx|kml|kmz|geojson
                               formato de cada entrada (por defecto: según su
                               extensión y, si no, CSV)
  --category NOMBRE            nombre de la categoría (solo con una única entrada)
  --categories one|from-file   una categoría para el archivo, o una por cada
                               categoría que el archivo da a sus puntos de interés
                               (por defecto: one para CSV y GPX)
  --icon ARCHIVO               un PNG o JPEG, reducido a 24x24 como máximo, o un
                               BMP de 24 bits de 24x24 como máximo (por defecto:
                               una imagen junto a la entrada con su mismo nombre,
                               BMP antes que PNG antes que JPEG y, si no, el icono
                               integrado)
  --speed-unit kmh|mph         unidad de las velocidades &quot;@&quot; en los nombres CSV
                               (por defecto según la configuración regional)
  --proximity off|file|fixed   alertas de proximidad (por defecto: file para GPX
                               y, si no, off)
  --distance N                 distancia para --proximity fixed (por defecto 300)
  --distance-unit m|ft         unidad de --distance (por defecto según la
                               configuración regional)
  --timestamp SEGUNDOS_UNIX    hora de creación en el archivo (por defecto:
                               SOURCE_DATE_EPOCH si está definida y, si no, ahora)
</translation>
    </message>
    <message>
        <source>convert needs at least one INPUT</source>
        <translation>convert necesita al menos una ENTRADA</translation>
    </message>
    <message>
        <source>give either -o OUT.gpi or -d DIR</source>
        <translation>indique -o SALIDA.gpi o bien -d CARPETA</translation>
    </message>
    <message>
        <source>--category works with a single input only</source>
        <translation>--category solo funciona con una única entrada</translation>
    </message>
    <message>
        <source>--combined writes one file: give -o OUT.gpi</source>
        <translation>--combined escribe un único archivo: indique -o SALIDA.gpi</translation>
    </message>
    <message>
        <source>several inputs need -d DIR or --combined</source>
        <translation>varias entradas necesitan -d CARPETA o --combined</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>list the connected Garmin devices</source>
        <translation>listar los dispositivos Garmin conectados</translation>
    </message>
    <message>
        <source>Usage: marklode-cli devices [--volume DIR]... [--json]

Lists the Garmin devices among the mounted volumes, or among the given folders.
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Uso: marklode-cli devices [--volume CARPETA]... [--json]

Lista los dispositivos Garmin entre los volúmenes montados o entre las carpetas
indicadas.
</translation>
    </message>
    <message>
        <source>devices takes no arguments; name folders with --volume</source>
        <translation>devices no admite argumentos; indique las carpetas con --volume</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>volume:      %1 at %2</source>
        <extracomment>The labels of a device&apos;s details; the values start in one column.</extracomment>
        <translation>volumen:                          %1 en %2</translation>
    </message>
    <message>
        <source>Garmin folder: %1</source>
        <translation>carpeta Garmin:                   %1</translation>
    </message>
    <message>
        <source>model:       %1</source>
        <translation>modelo:                           %1</translation>
    </message>
    <message>
        <source>model:       %1 (no description file)</source>
        <translation>modelo:                           %1 (sin archivo de descripción)</translation>
    </message>
    <message>
        <source>custom POIs: yes</source>
        <translation>puntos de interés personalizados: sí</translation>
    </message>
    <message>
        <source>custom POIs: no</source>
        <translation>puntos de interés personalizados: no</translation>
    </message>
    <message>
        <source>install POIs on a Garmin device</source>
        <translation>instalar puntos de interés en un dispositivo Garmin</translation>
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
        <translation>Uso: marklode-cli send ENTRADA... [--device VOLUMEN] [--backup-root CARPETA]
                        [opciones de convert]

Crea un poi.gpi con las categorías de cada entrada que tienen puntos de interés,
con las entradas en orden (o toma tal cual un único .gpi ya preparado), hace una
copia de seguridad del archivo anterior del dispositivo, instala el nuevo de forma
atómica y lo vuelve a leer para verificarlo. Sin --device se usa el único
dispositivo Garmin conectado. Una ENTRADA - es la entrada estándar; una tubería se
lee hasta el final. Opciones de convert (entre ellas --format y --categories):
consulte marklode-cli convert --help.
</translation>
    </message>
    <message>
        <source>send needs at least one INPUT</source>
        <translation>send necesita al menos una ENTRADA</translation>
    </message>
    <message>
        <source>--category is not used by send: each input is its own category</source>
        <translation>send no usa --category: cada entrada es su propia categoría</translation>
    </message>
    <message>
        <source>back up and remove a device&apos;s custom POIs</source>
        <translation>hacer una copia de seguridad de los puntos de interés personalizados de un dispositivo y quitarlos</translation>
    </message>
    <message>
        <source>Usage: marklode-cli remove [--device VOLUME_DIR] [--backup-root DIR]

Backs up the device&apos;s custom POI file, then deletes it.
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Uso: marklode-cli remove [--device VOLUMEN] [--backup-root CARPETA]

Hace una copia de seguridad del archivo de puntos de interés personalizados del
dispositivo y después lo elimina.
</translation>
    </message>
    <message>
        <source>remove takes no arguments; name the device with --device</source>
        <translation>remove no admite argumentos; indique el dispositivo con --device</translation>
    </message>
</context>
<context>
    <name>DeviceTransferError</name>
    <message>
        <source>%1 is read-only, so Marklode can&apos;t write to it. If it&apos;s an SD card, check its lock switch.</source>
        <translation>%1 es de solo lectura, así que Marklode no puede escribir en él. Si es una tarjeta SD, compruebe su interruptor de bloqueo.</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have enough free space. Marklode needs %2, but only %3 is free.</source>
        <translation>%1 no tiene suficiente espacio libre. Marklode necesita %2, pero solo hay %3 de espacio libre.</translation>
    </message>
    <message>
        <source>Marklode couldn&apos;t back up the POIs already on the device, so nothing was changed. %1</source>
        <translation>Marklode no pudo hacer una copia de seguridad de los puntos de interés que ya había en el dispositivo, así que no se ha cambiado nada. %1</translation>
    </message>
    <message numerus="yes">
        <source>The file on the device has %1 POIs, but %2 were written. Try again, or restore the backup.</source>
        <extracomment>%1 is the count of POIs found in the file, %2 the count written.</extracomment>
        <translation>
            <numerusform>El archivo del dispositivo contiene %1 punto de interés, pero se escribieron %2. Vuelva a intentarlo o restaure la copia de seguridad.</numerusform>
            <numerusform>El archivo del dispositivo contiene %1 puntos de interés, pero se escribieron %2. Vuelva a intentarlo o restaure la copia de seguridad.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file on the device couldn&apos;t be read back after writing. Try again, or restore the backup. %1</source>
        <translation>No se pudo volver a leer el archivo del dispositivo después de escribirlo. Vuelva a intentarlo o restaure la copia de seguridad. %1</translation>
    </message>
    <message>
        <source>Writing to the device failed. The POIs already on the device were not changed. %1</source>
        <translation>No se pudo escribir en el dispositivo. Los puntos de interés que ya había en el dispositivo no se han modificado. %1</translation>
    </message>
    <message>
        <source>There are no custom POIs (Garmin/POI/poi.gpi) on this device.</source>
        <translation>No hay puntos de interés personalizados (Garmin/POI/poi.gpi) en este dispositivo.</translation>
    </message>
    <message>
        <source>%1 has a symbolic link at %2, so Marklode won&apos;t change its POIs. Replace the link with a real folder or file and try again.</source>
        <translation>%1 tiene un enlace simbólico en %2, así que Marklode no cambiará sus puntos de interés. Sustituya el enlace por una carpeta o un archivo reales y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is busy with another Marklode transfer, so nothing was changed. Try again when it has finished.</source>
        <translation>%1 está ocupado con otra transferencia de Marklode, así que no se ha cambiado nada. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
</context>
<context>
    <name>ErrorDescription</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>The file is damaged at byte %1.</source>
        <translation>El archivo está dañado en el byte %1.</translation>
    </message>
    <message>
        <source>The file is not a Garmin POI file.</source>
        <translation>El archivo no es un archivo de puntos de interés de Garmin.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Se produjo un error desconocido.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Add the folders instead of the files chosen in them</source>
        <translation>Añadir las carpetas en lugar de los archivos elegidos en ellas</translation>
    </message>
    <message>
        <source>Save as One File</source>
        <translation>Guardar como un solo archivo</translation>
    </message>
    <message>
        <source>Garmin POI files</source>
        <translation>Archivos de puntos de interés de Garmin</translation>
    </message>
    <message>
        <source>Choose .csv, .gpx, .kml, .kmz or .geojson files, or a folder that contains them.</source>
        <translation>Elija archivos .csv, .gpx, .kml, .kmz o .geojson, o una carpeta que los contenga.</translation>
    </message>
    <message>
        <source>CSV, GPX, KML, KMZ or GeoJSON files</source>
        <translation>Archivos CSV, GPX, KML, KMZ o GeoJSON</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Save .gpi</source>
        <translation>Guardar archivo .gpi</translation>
    </message>
    <message>
        <source>Choose a folder. Marklode writes one .gpi file per input file.</source>
        <translation>Elija una carpeta. Marklode escribe un archivo .gpi por cada archivo de entrada.</translation>
    </message>
    <message>
        <source>Save Here</source>
        <translation>Guardar aquí</translation>
    </message>
    <message>
        <source>Choose a PNG or JPEG icon, or a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Elija un icono PNG o JPEG, o un BMP de 24 bits de 24×24 píxeles como máximo.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
</context>
<context>
    <name>GPIIconError</name>
    <message>
        <source>Unsupported BMP header (size %1).</source>
        <translation>Encabezado BMP no compatible (tamaño %1).</translation>
    </message>
    <message>
        <source>The icon must be a 24-bit BMP; this one is %1-bit.</source>
        <translation>El icono debe ser un BMP de 24 bits; este es de %1 bits.</translation>
    </message>
    <message>
        <source>The icon must be at most 24x24 pixels; this one is %1x%2.</source>
        <translation>El icono debe medir como máximo 24x24 píxeles; este mide %1x%2.</translation>
    </message>
    <message>
        <source>The icon is not a BMP file.</source>
        <translation>El icono no es un archivo BMP.</translation>
    </message>
    <message>
        <source>Compressed BMP files are not supported.</source>
        <translation>No se admiten archivos BMP comprimidos.</translation>
    </message>
    <message>
        <source>The BMP file is incomplete.</source>
        <translation>El archivo BMP está incompleto.</translation>
    </message>
    <message>
        <source>The icon is not a PNG, JPEG or BMP file.</source>
        <translation>El icono no es un archivo PNG, JPEG ni BMP.</translation>
    </message>
    <message>
        <source>The %1 file is damaged or incomplete.</source>
        <extracomment>%1 is the name of an image format: BMP, PNG or JPEG.</extracomment>
        <translation>El archivo %1 está dañado o incompleto.</translation>
    </message>
    <message>
        <source>The image must be at most %1x%2 pixels; this one is %3x%4.</source>
        <translation>La imagen debe medir como máximo %1x%2 píxeles; esta mide %3x%4.</translation>
    </message>
</context>
<context>
    <name>IconCommand</name>
    <message>
        <source>check an image file as a category icon</source>
        <translation>comprobar un archivo de imagen como icono de categoría</translation>
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
        <translation>Uso: marklode-cli icon ARCHIVO [--json]

Comprueba que ARCHIVO puede ser un icono de categoría: un PNG o JPEG (reducido a
24x24 píxeles como máximo, transparencia sobre blanco) o un BMP de 24 bits sin
comprimir de 24x24 píxeles como máximo, reconocido por su contenido, se llame
como se llame.
  --json  mostrar {&quot;width&quot;:W,&quot;height&quot;:H,&quot;pixelsBGR&quot;:&quot;HEX&quot;} (bytes azul, verde y
          rojo, de arriba abajo) o {&quot;error&quot;:DESCRIPCIÓN}
</translation>
    </message>
    <message>
        <source>icon takes exactly one FILE</source>
        <translation>icon espera exactamente un ARCHIVO</translation>
    </message>
    <message>
        <source>%1x%2 pixels, usable as an icon</source>
        <translation>%1x%2 píxeles, utilizable como icono</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message numerus="yes">
        <source>%1, %n skipped rows</source>
        <extracomment>%1 is a count of POIs (&quot;1 POI&quot;, &quot;12 POIs&quot;).</extracomment>
        <translation>
            <numerusform>%1, %n fila omitida</numerusform>
            <numerusform>%1, %n filas omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>read one CSV, GPX, KML, KMZ or GeoJSON file and show its POIs</source>
        <translation>leer un archivo CSV, GPX, KML, KMZ o GeoJSON y mostrar sus puntos de interés</translation>
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
        <translation>Uso: marklode-cli import ARCHIVO [--format csv|gpx|kml|kmz|geojson]
                         [--speed-unit kmh|mph] [--categories one|from-file] [--json]

Lee ARCHIVO según su extensión: .gpx como GPX, .kml como KML, .kmz como KMZ,
.geojson y .json como GeoJSON y, si no, como CSV.
El ARCHIVO - es la entrada estándar; una tubería, como &lt;(comando), se lee hasta
el final.
Las filas que no se pueden usar se listan en la salida de error estándar como
ARCHIVO: Línea N: MENSAJE (las entidades GeoJSON como ARCHIVO: Entidad N: MENSAJE,
contadas desde 1).

  --format csv|gpx|kml|kmz|geojson
                            leer ARCHIVO en este formato, se llame como se llame
  --speed-unit kmh|mph      unidad de las velocidades &quot;@&quot; en los nombres CSV (por
                            defecto según la configuración regional)
  --categories one|from-file
                            una categoría para el archivo, o una por cada categoría
                            que el archivo da a sus puntos de interés (por defecto:
                            one para CSV y GPX, from-file para KML, KMZ y GeoJSON);
                            el JSON solo muestra la &quot;category&quot; de un punto de
                            interés con from-file
  --json                    mostrar {&quot;pois&quot;:[...],&quot;issues&quot;:[...]} en la salida
                            estándar
</translation>
    </message>
    <message>
        <source>import takes exactly one FILE</source>
        <translation>import espera exactamente un ARCHIVO</translation>
    </message>
</context>
<context>
    <name>ImportIssue</name>
    <message>
        <source>Expected at least %1 fields, found %2.</source>
        <translation>Se esperaban al menos %1 campos y se encontraron %2.</translation>
    </message>
    <message>
        <source>Invalid longitude %1.</source>
        <translation>Longitud %1 no válida.</translation>
    </message>
    <message>
        <source>Invalid latitude %1.</source>
        <translation>Latitud %1 no válida.</translation>
    </message>
    <message>
        <source>Missing name.</source>
        <translation>Falta el nombre.</translation>
    </message>
    <message>
        <source>Waypoint has invalid lat/lon.</source>
        <translation>El punto de ruta tiene valores de lat/lon no válidos.</translation>
    </message>
    <message>
        <source>Waypoint has no name.</source>
        <translation>El punto de ruta no tiene nombre.</translation>
    </message>
    <message>
        <source>Invalid proximity %1.</source>
        <translation>Distancia de alerta de proximidad no válida: %1.</translation>
    </message>
    <message>
        <source>Not a feature.</source>
        <translation>No es un objeto Feature.</translation>
    </message>
    <message>
        <source>Invalid coordinates.</source>
        <translation>Coordenadas no válidas.</translation>
    </message>
    <message>
        <source>Missing geometry.</source>
        <translation>Falta la geometría.</translation>
    </message>
    <message>
        <source>Not a point.</source>
        <translation>No es un punto.</translation>
    </message>
    <message>
        <source>Missing points.</source>
        <translation>Faltan los puntos.</translation>
    </message>
    <message>
        <source>Feature %1: %2</source>
        <translation>Entidad %1: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>A text is longer than 1 MB.</source>
        <translation>Un texto ocupa más de 1 MB.</translation>
    </message>
    <message>
        <source>Invalid coordinates %1.</source>
        <translation>Coordenadas %1 no válidas.</translation>
    </message>
    <message>
        <source>Missing coordinates.</source>
        <translation>Faltan las coordenadas.</translation>
    </message>
</context>
<context>
    <name>InputPreparation</name>
    <message>
        <source>%1 must be a whole number of seconds since 1970</source>
        <extracomment>%1 is --timestamp or SOURCE_DATE_EPOCH, where the value came from.</extracomment>
        <translation>%1 debe ser un número entero de segundos desde 1970</translation>
    </message>
    <message>
        <source>--proximity must be off, file or fixed</source>
        <translation>--proximity debe ser off, file o fixed</translation>
    </message>
    <message>
        <source>--distance must be a number</source>
        <translation>--distance debe ser un número</translation>
    </message>
    <message>
        <source>--distance-unit must be m or ft</source>
        <translation>--distance-unit debe ser m o ft</translation>
    </message>
    <message>
        <source>--distance must be from 0 to 215000 ft</source>
        <translation>--distance debe estar entre 0 y 215000 ft</translation>
    </message>
    <message>
        <source>--distance must be from 0 to 65535 m</source>
        <translation>--distance debe estar entre 0 y 65535 m</translation>
    </message>
</context>
<context>
    <name>InspectCommand</name>
    <message>
        <source>The file is damaged at byte offset %1.</source>
        <translation>El archivo está dañado en el byte %1.</translation>
    </message>
    <message>
        <source>This is not a .gpi file.</source>
        <translation>No es un archivo .gpi.</translation>
    </message>
    <message>
        <source>list the categories of a .gpi file</source>
        <translation>listar las categorías de un archivo .gpi</translation>
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
        <translation>Uso: marklode-cli inspect ARCHIVO.gpi [--pois] [--json]

Vuelve a leer un archivo .gpi y lista sus categorías con su número de puntos de
interés.
El ARCHIVO.gpi - es la entrada estándar; una tubería, como &lt;(comando), se lee
hasta el final.
  --pois  listar también los puntos de interés de cada categoría, con sus
          direcciones y números de teléfono
  --json  mostrar {&quot;categories&quot;:[{&quot;name&quot;:...,&quot;poiCount&quot;:N}],&quot;poiCount&quot;:N};
          con --pois, cada categoría tiene también &quot;pois&quot;:[...] como lo muestra
          import
</translation>
    </message>
    <message>
        <source>inspect takes exactly one FILE.gpi</source>
        <translation>inspect espera exactamente un ARCHIVO.gpi</translation>
    </message>
</context>
<context>
    <name>LibraryMessages</name>
    <message>
        <source>Only .csv and .gpx files can be added. Ignored: %1.</source>
        <extracomment>%1 lists the names of the files, separated by commas.</extracomment>
        <translation>Solo se pueden añadir archivos .csv y .gpx. Omitidos: %1.</translation>
    </message>
    <message>
        <source>No .csv or .gpx files were found in the folder.</source>
        <translation>No se encontraron archivos .csv ni .gpx en la carpeta.</translation>
    </message>
    <message>
        <source>One distance for all</source>
        <extracomment>The name of the choice in the list of proximity alerts, which the sentences below quote.</extracomment>
        <translation>Una distancia para todos</translation>
    </message>
    <message>
        <source>The distance for %1 must be from 0 to 215,000 ft.</source>
        <translation>La distancia para %1 debe estar entre 0 y 215.000 ft.</translation>
    </message>
    <message>
        <source>The distance for %1 must be from 0 to 65,535 m.</source>
        <translation>La distancia para %1 debe estar entre 0 y 65.535 m.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 what went wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files.</source>
        <translation>
            <numerusform>Se guardó %n archivo.</numerusform>
            <numerusform>Se guardaron %n archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n.</source>
        <extracomment>The number of files not saved, after &quot;Saved %n files.&quot; when some were.</extracomment>
        <translation>
            <numerusform>%n omitido.</numerusform>
            <numerusform>%n omitidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Some files could not be saved:

%1</source>
        <translation>Algunos archivos no se pudieron guardar:

%1</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>Do you want to replace it? This can&apos;t be undone.</source>
        <translation>¿Desea reemplazarlo? Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Stop Saving</source>
        <translation>Detener el guardado</translation>
    </message>
    <message>
        <source>Can&apos;t Read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Found %1 next to the file</source>
        <extracomment>%1 is the name of the image file the icon was taken from.</extracomment>
        <translation>%1 encontrado junto al archivo</translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2 POIs on the map.</source>
        <extracomment>%1 is the number of POIs shown, %2 the number of all the file&apos;s POIs.</extracomment>
        <translation>
            <numerusform>Se muestra %1 de %2 punto de interés en el mapa.</numerusform>
            <numerusform>Se muestran %1 de %2 puntos de interés en el mapa.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MapOverlays</name>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© colaboradores de OpenStreetMap</translation>
    </message>
</context>
<context>
    <name>POIStore</name>
    <message>
        <source>A POI&apos;s text is longer than 4 GiB.</source>
        <translation>Un texto de un punto de interés ocupa más de 4 GiB.</translation>
    </message>
    <message>
        <source>Too many POIs with details.</source>
        <translation>Demasiados puntos de interés con detalles.</translation>
    </message>
    <message>
        <source>Too many POIs with alerts.</source>
        <translation>Demasiados puntos de interés con alertas de proximidad.</translation>
    </message>
    <message>
        <source>Too many POIs with alerts or details.</source>
        <translation>Demasiados puntos de interés con alertas de proximidad o detalles.</translation>
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
        <translation>Demasiados puntos de interés para buscar.</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message numerus="yes">
        <source>Sent %1 POIs in %n categories to %2. The file was read back and checked.</source>
        <extracomment>%1 is the number of POIs, %2 the device&apos;s name.</extracomment>
        <translation>
            <numerusform>Se enviaron %1 puntos de interés en %n categoría a %2. El archivo se volvió a leer y se comprobó.</numerusform>
            <numerusform>Se enviaron %1 puntos de interés en %n categorías a %2. El archivo se volvió a leer y se comprobó.</numerusform>
        </translation>
    </message>
    <message>
        <source>The previous custom POIs were backed up to:
%1</source>
        <translation>Se hizo una copia de seguridad de los puntos de interés personalizados anteriores en:
%1</translation>
    </message>
    <message numerus="yes">
        <source>Restored the backup of %1 to %2: %3 POIs. The file was read back and checked.</source>
        <extracomment>%1 is the date and time of the backup, %2 the device&apos;s name, %3 the number of POIs.</extracomment>
        <translation>
            <numerusform>Se restauró la copia de seguridad del %1 en %2: %3 punto de interés. El archivo se volvió a leer y se comprobó.</numerusform>
            <numerusform>Se restauró la copia de seguridad del %1 en %2: %3 puntos de interés. El archivo se volvió a leer y se comprobó.</numerusform>
        </translation>
    </message>
    <message>
        <source>The custom POIs it replaced were backed up to:
%1</source>
        <translation>Se hizo una copia de seguridad de los puntos de interés personalizados que reemplazó en:
%1</translation>
    </message>
    <message>
        <source>Marklode has no backups of %1.</source>
        <translation>Marklode no tiene copias de seguridad de %1.</translation>
    </message>
    <message>
        <source>Restore the backup to %1?</source>
        <translation>¿Restaurar la copia de seguridad en %1?</translation>
    </message>
    <message>
        <source>The custom POIs now on this device will be replaced. Marklode backs them up first.</source>
        <translation>Se reemplazarán los puntos de interés personalizados que hay ahora en este dispositivo. Marklode hace antes una copia de seguridad de ellos.</translation>
    </message>
    <message>
        <source>This device has no custom POIs now.</source>
        <translation>Este dispositivo no tiene ahora puntos de interés personalizados.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>%1 is damaged or not a Garmin POI file, so nothing was written.</source>
        <translation>%1 está dañado o no es un archivo de puntos de interés de Garmin, así que no se escribió nada.</translation>
    </message>
    <message>
        <source>Removed the custom POIs from %1.</source>
        <translation>Se quitaron los puntos de interés personalizados de %1.</translation>
    </message>
    <message>
        <source>A backup was saved to:
%1</source>
        <translation>Se guardó una copia de seguridad en:
%1</translation>
    </message>
    <message>
        <source>%1 is being ejected, so its POIs can&apos;t be changed now.</source>
        <translation>%1 se está expulsando, así que ahora no se pueden cambiar sus puntos de interés.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be ejected. Close any files open on it and try again.</source>
        <translation>No se pudo expulsar %1. Cierre los archivos que tenga abiertos en él e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 is no longer connected.</source>
        <translation>%1 ya no está conectado.</translation>
    </message>
    <message>
        <source>Remove custom POIs from %1?</source>
        <translation>¿Quitar los puntos de interés personalizados de %1?</translation>
    </message>
    <message>
        <source>Marklode copies Garmin/POI/poi.gpi to a backup, then deletes it from the device. No other files are changed.</source>
        <extracomment>Garmin/POI/poi.gpi is the path of the file on the device; it stays as it is.</extracomment>
        <translation>Marklode copia Garmin/POI/poi.gpi en una copia de seguridad y después lo elimina del dispositivo. No se cambia ningún otro archivo.</translation>
    </message>
    <message>
        <source>Back Up and Remove</source>
        <translation>Hacer copia de seguridad y quitar</translation>
    </message>
    <message>
        <source>Add at least one file with POIs first.</source>
        <translation>Añada primero al menos un archivo con puntos de interés.</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>The update feed is not an https address, so it was not read.</source>
        <translation>El canal de actualizaciones no es una dirección https, así que no se leyó.</translation>
    </message>
    <message>
        <source>This copy of Marklode has no valid release key, so no download could be verified.</source>
        <translation>Esta copia de Marklode no tiene una clave de publicación válida, así que no se pudo verificar ninguna descarga.</translation>
    </message>
    <message>
        <source>The update server couldn&apos;t be reached.</source>
        <translation>No se pudo conectar con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>The update server couldn&apos;t be reached (%1).</source>
        <extracomment>%1 is the network&apos;s own description of the fault.</extracomment>
        <translation>No se pudo conectar con el servidor de actualizaciones (%1).</translation>
    </message>
    <message>
        <source>The update server didn&apos;t answer in time. Try again later.</source>
        <translation>El servidor de actualizaciones no respondió a tiempo. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The update feed is too large to be a real one, so it was not read.</source>
        <translation>El canal de actualizaciones es demasiado grande para ser auténtico, así que no se leyó.</translation>
    </message>
    <message>
        <source>The update feed couldn&apos;t be read.</source>
        <translation>No se pudo leer el canal de actualizaciones.</translation>
    </message>
    <message>
        <source>The update feed couldn&apos;t be read (%1).</source>
        <extracomment>%1 says what in the feed could not be read.</extracomment>
        <translation>No se pudo leer el canal de actualizaciones (%1).</translation>
    </message>
    <message>
        <source>The download was not the size the update feed announced, so it was deleted. Nothing was installed.</source>
        <translation>La descarga no tenía el tamaño que anunciaba el canal de actualizaciones, así que se eliminó. No se instaló nada.</translation>
    </message>
    <message>
        <source>The download is not signed with Marklode&apos;s release key, so it was deleted. Nothing was installed.</source>
        <translation>La descarga no está firmada con la clave de publicación de Marklode, así que se eliminó. No se instaló nada.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved.</source>
        <translation>No se pudo guardar la descarga.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved (%1).</source>
        <extracomment>%1 is the file system&apos;s own description of the fault.</extracomment>
        <translation>No se pudo guardar la descarga (%1).</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Está al día</translation>
    </message>
    <message>
        <source>%1 is the newest version available.</source>
        <extracomment>%1 is the product&apos;s name and version, e.g. &quot;Marklode 1.4&quot;.</extracomment>
        <translation>%1 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>%1 is available</source>
        <translation>%1 está disponible</translation>
    </message>
    <message>
        <source>You have %1. The download is checked against Marklode&apos;s release key before it is kept.</source>
        <translation>Tiene %1. La descarga se comprueba con la clave de publicación de Marklode antes de conservarla.</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Descargando %1…</translation>
    </message>
    <message>
        <source>%1 is ready to install</source>
        <translation>%1 está listo para instalarse</translation>
    </message>
    <message>
        <source>The download was verified and saved as %1 in %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the folder it was saved in.</extracomment>
        <translation>La descarga se verificó y se guardó como %1 en %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>No se pudieron buscar actualizaciones</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be verified</source>
        <translation>No se pudo verificar la actualización</translation>
    </message>
    <message>
        <source>Couldn&apos;t download the update</source>
        <translation>No se pudo descargar la actualización</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Open with Package Installer</source>
        <translation>Abrir con el instalador de paquetes</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notas de la versión</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>This GPX file is damaged or not valid XML (problem near line %1).</source>
        <translation>Este archivo GPX está dañado o no es XML válido (problema cerca de la línea %1).</translation>
    </message>
    <message>
        <source>This KML file is damaged or not valid XML (problem near line %1).</source>
        <translation>Este archivo KML está dañado o no es XML válido (problema cerca de la línea %1).</translation>
    </message>
    <message>
        <source>The KML document inside this KMZ file is damaged or not valid XML (problem near line %1).</source>
        <translation>El documento KML de este archivo KMZ está dañado o no es XML válido (problema cerca de la línea %1).</translation>
    </message>
    <message>
        <source>This KMZ file is damaged or not a zip archive. Save or export it again and try again.</source>
        <translation>Este archivo KMZ está dañado o no es un archivo ZIP. Vuelva a guardarlo o exportarlo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>This KMZ file holds no KML document, so it has no places to import.</source>
        <translation>Este archivo KMZ no contiene ningún documento KML, así que no tiene lugares que importar.</translation>
    </message>
    <message>
        <source>The KML document inside this KMZ file unpacks to more than %1, more than Marklode reads. Split it into smaller files.</source>
        <translation>Una vez descomprimido, el documento KML de este archivo KMZ ocupa más de %1, más de lo que Marklode puede leer. Divídalo en archivos más pequeños.</translation>
    </message>
    <message>
        <source>This GeoJSON file is damaged or not valid JSON (problem near line %1).</source>
        <translation>Este archivo GeoJSON está dañado o no es JSON válido (problema cerca de la línea %1).</translation>
    </message>
    <message>
        <source>This GeoJSON file is damaged or not valid JSON.</source>
        <translation>Este archivo GeoJSON está dañado o no es JSON válido.</translation>
    </message>
    <message>
        <source>This GeoJSON file&apos;s text is not UTF-8, as JSON must be. Save it as UTF-8 and try again.</source>
        <translation>El texto de este archivo GeoJSON no está en UTF-8, como exige JSON. Guárdelo como UTF-8 e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>This file is not GeoJSON. Marklode reads a GeoJSON FeatureCollection or a single Feature.</source>
        <translation>Este archivo no es GeoJSON. Marklode lee una FeatureCollection de GeoJSON o una sola Feature.</translation>
    </message>
    <message>
        <source>This GeoJSON FeatureCollection has no list of features.</source>
        <translation>Esta FeatureCollection de GeoJSON no tiene lista de entidades.</translation>
    </message>
    <message>
        <source>This file holds a %1, but Marklode reads only a GeoJSON FeatureCollection or a single Feature.</source>
        <extracomment>%1 is the GeoJSON type the file holds, such as &quot;Point&quot;.</extracomment>
        <translation>Este archivo contiene el tipo %1, pero Marklode solo lee una FeatureCollection de GeoJSON o una sola Feature.</translation>
    </message>
    <message>
        <source>The file&apos;s text could not be read. Save it as UTF-8 or Windows-1252 and try again.</source>
        <translation>No se pudo leer el texto del archivo. Guárdelo como UTF-8 o Windows-1252 e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 has an invalid position (%2, %3).</source>
        <extracomment>%1 is the POI&apos;s name, %2 and %3 its latitude and longitude.</extracomment>
        <translation>%1 tiene una posición no válida (%2, %3).</translation>
    </message>
    <message>
        <source>A name or comment is too long to store in a Garmin file.</source>
        <translation>Un nombre o comentario es demasiado largo para guardarlo en un archivo Garmin.</translation>
    </message>
    <message>
        <source>%1 has a speed or distance that is too large or negative.</source>
        <translation>%1 tiene una velocidad o distancia demasiado grande o negativa.</translation>
    </message>
    <message>
        <source>A Garmin file can hold at most %1 categories, but this one would have %2. Use fewer files.</source>
        <translation>Un archivo Garmin puede contener como máximo %1 categorías, pero este tendría %2. Use menos archivos.</translation>
    </message>
    <message>
        <source>%1 would take %2 in a Garmin file, but a category can take at most %3. Split its POIs into smaller files.</source>
        <extracomment>%1 is the category&apos;s name, %2 and %3 sizes such as &quot;1.2 MB&quot;.</extracomment>
        <translation>%1 ocuparía %2 en un archivo Garmin, pero una categoría puede ocupar como máximo %3. Divida sus puntos de interés en archivos más pequeños.</translation>
    </message>
    <message>
        <source>Enter a category name before saving.</source>
        <translation>Escriba un nombre de categoría antes de guardar.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged or not a Garmin POI file, so nothing was changed on the device.</source>
        <translation>La copia de seguridad %1 está dañada o no es un archivo de puntos de interés de Garmin, así que no se ha cambiado nada en el dispositivo.</translation>
    </message>
    <message>
        <source>The backup %1 couldn&apos;t be read, so nothing was changed on the device. %2</source>
        <extracomment>%2 is the system&apos;s own description of the error.</extracomment>
        <translation>No se pudo leer la copia de seguridad %1, así que no se ha cambiado nada en el dispositivo. %2</translation>
    </message>
    <message>
        <source>%1 is not one of the backups of %2.</source>
        <extracomment>%1 is the name of a backup, %2 the device&apos;s name.</extracomment>
        <translation>%1 no es una de las copias de seguridad de %2.</translation>
    </message>
    <message>
        <source>Use a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Use un BMP de 24 bits de 24×24 píxeles como máximo.</translation>
    </message>
    <message>
        <source>Use a smaller image.</source>
        <translation>Use una imagen más pequeña.</translation>
    </message>
    <message>
        <source>Save it again from an image editor, or use another image.</source>
        <translation>Vuelva a guardarla desde un editor de imágenes o use otra imagen.</translation>
    </message>
    <message>
        <source>Use a PNG or JPEG image, or a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Use una imagen PNG o JPEG, o un BMP de 24 bits de 24×24 píxeles como máximo.</translation>
    </message>
    <message>
        <source>Marklode reads only regular files, not pipes, devices or sockets.</source>
        <translation>Marklode solo lee archivos normales, no tuberías, dispositivos ni sockets.</translation>
    </message>
    <message>
        <source>The file is too large for Marklode to read.</source>
        <translation>El archivo es demasiado grande para que Marklode lo lea.</translation>
    </message>
    <message>
        <source>Marklode doesn&apos;t have permission to read this file.</source>
        <translation>Marklode no tiene permiso para leer este archivo.</translation>
    </message>
    <message>
        <source>Marklode doesn&apos;t have permission to save there. Choose another folder.</source>
        <translation>Marklode no tiene permiso para guardar ahí. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>El archivo ya no existe.</translation>
    </message>
    <message>
        <source>Something went wrong: %1.</source>
        <extracomment>%1 is the system&apos;s own description of the error.</extracomment>
        <translation>Algo ha salido mal: %1.</translation>
    </message>
    <message>
        <source>The icon can&apos;t be used. %1 %2</source>
        <extracomment>%1 says what is wrong with the icon, %2 what to use instead.</extracomment>
        <translation>No se puede usar el icono. %1 %2</translation>
    </message>
    <message>
        <source>The Garmin file Marklode built is damaged, so nothing was written. Please report this.</source>
        <translation>El archivo Garmin que creó Marklode está dañado, así que no se ha escrito nada. Informe de este problema.</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <extracomment>%1 is the program&apos;s own description of the error.</extracomment>
        <translation>Algo ha salido mal: %1</translation>
    </message>
    <message>
        <source>Something went wrong: an unknown error occurred.</source>
        <translation>Algo ha salido mal: se produjo un error desconocido.</translation>
    </message>
</context>
<context>
    <name>marklode::AboutWindow</name>
    <message>
        <source>Version Info Copied</source>
        <translation>Información de versión copiada</translation>
    </message>
    <message>
        <source>Copy Version Info</source>
        <translation>Copiar información de versión</translation>
    </message>
    <message>
        <source>Marklode is free software under the %1, version 3 or later.</source>
        <translation>Marklode es software libre bajo la %1, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <translation>Licencia Pública General de GNU</translation>
    </message>
    <message>
        <source>Map tiles © %1. Built-in map outlines from %2 (public domain).</source>
        <translation>Teselas del mapa © %1. Contornos de mapa integrados de %2 (dominio público).</translation>
    </message>
    <message>
        <source>OpenStreetMap contributors</source>
        <translation>colaboradores de OpenStreetMap</translation>
    </message>
    <message>
        <source>Made with Qt (LGPL-3.0), expat (MIT), utf8proc (MIT), libsodium (ISC), libzip (BSD-3-Clause), simdjson (Apache-2.0), libpng (libpng-2.0) and libjpeg-turbo (IJG, BSD-3-Clause).</source>
        <translation>Hecho con Qt (LGPL-3.0), expat (MIT), utf8proc (MIT), libsodium (ISC), libzip (BSD-3-Clause), simdjson (Apache-2.0), libpng (libpng-2.0) y libjpeg-turbo (IJG, BSD-3-Clause).</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <extracomment>The version the user knows, then the build number.</extracomment>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <source>About Marklode</source>
        <translation>Acerca de Marklode</translation>
    </message>
    <message>
        <source>Marklode icon</source>
        <translation>Icono de Marklode</translation>
    </message>
    <message>
        <source>Converts CSV and GPX points of interest to Garmin .gpi files.</source>
        <translation>Convierte puntos de interés CSV y GPX en archivos .gpi de Garmin.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>Soporte por correo electrónico</translation>
    </message>
    <message>
        <source>Not affiliated with Garmin Ltd. Garmin is a trademark of Garmin Ltd.</source>
        <translation>Sin afiliación con Garmin Ltd. Garmin es una marca comercial de Garmin Ltd.</translation>
    </message>
</context>
<context>
    <name>marklode::CategoryList</name>
    <message>
        <source>Categories in the file</source>
        <translation>Categorías del archivo</translation>
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
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>Puntos de interés</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Don&apos;t disconnect the device until Marklode says it&apos;s done.</source>
        <translation>No desconecte el dispositivo hasta que Marklode indique que ha terminado.</translation>
    </message>
</context>
<context>
    <name>marklode::DeviceActionBar</name>
    <message>
        <source>Send to Device…</source>
        <translation>Enviar al dispositivo…</translation>
    </message>
    <message>
        <source>Writing to device…</source>
        <translation>Escribiendo en el dispositivo…</translation>
    </message>
    <message>
        <source>Write all files to %1 as one poi.gpi.</source>
        <translation>Escribir todos los archivos en %1 como un solo poi.gpi.</translation>
    </message>
    <message>
        <source>Connect a Garmin device or SD card first.</source>
        <translation>Conecte primero un dispositivo Garmin o una tarjeta SD.</translation>
    </message>
</context>
<context>
    <name>marklode::DeviceActions</name>
    <message>
        <source>Remove Custom POIs…</source>
        <translation>Quitar los puntos de interés personalizados…</translation>
    </message>
    <message>
        <source>Show Backups in File Manager</source>
        <translation>Mostrar las copias de seguridad en el gestor de archivos</translation>
    </message>
    <message>
        <source>Send to Device…</source>
        <translation>Enviar al dispositivo…</translation>
    </message>
    <message>
        <source>Remove Custom POIs from Device…</source>
        <translation>Quitar los puntos de interés personalizados del dispositivo…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Restaurar copia de seguridad…</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Expulsar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Eject %1</source>
        <translation>Expulsar %1</translation>
    </message>
    <message>
        <source>Show Backup in File Manager</source>
        <translation>Mostrar la copia de seguridad en el gestor de archivos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>marklode::DropZone</name>
    <message>
        <source>Drop .csv or .gpx files here</source>
        <translation>Suelte aquí archivos .csv o .gpx</translation>
    </message>
    <message>
        <source>You can drop several files at once, or a folder that contains them.</source>
        <translation>Puede soltar varios archivos a la vez o una carpeta que los contenga.</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Añadir archivos…</translation>
    </message>
</context>
<context>
    <name>marklode::FileDetailView</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>Under the file&apos;s name in the window&apos;s title bar: how many POIs the file has.</extracomment>
        <translation>
            <numerusform>%1 punto de interés</numerusform>
            <numerusform>%1 puntos de interés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marklode::IconPreview</name>
    <message>
        <source>Icon preview</source>
        <translation>Vista previa del icono</translation>
    </message>
</context>
<context>
    <name>marklode::IssuesPopover</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy every skipped row with its line to the clipboard</source>
        <translation>Copiar cada fila omitida con su número de línea al portapapeles</translation>
    </message>
    <message>
        <source>Skipped rows in %1</source>
        <translation>Filas omitidas en %1</translation>
    </message>
    <message>
        <source>These rows were not imported. Fix them in the file and add it again.</source>
        <translation>Estas filas no se importaron. Corríjalas en el archivo y vuelva a añadirlo.</translation>
    </message>
    <message>
        <source>Skipped rows</source>
        <translation>Filas omitidas</translation>
    </message>
</context>
<context>
    <name>marklode::LibraryUndo</name>
    <message>
        <source>Change Category Name</source>
        <translation>Cambiar el nombre de la categoría</translation>
    </message>
    <message>
        <source>Change Categories</source>
        <translation>Cambiar las categorías</translation>
    </message>
    <message>
        <source>Change Speed Unit</source>
        <translation>Cambiar la unidad de velocidad</translation>
    </message>
    <message>
        <source>Change Proximity Alerts</source>
        <translation>Cambiar las alertas de proximidad</translation>
    </message>
    <message>
        <source>Change Distance Unit</source>
        <translation>Cambiar la unidad de distancia</translation>
    </message>
    <message>
        <source>Change Distance</source>
        <translation>Cambiar la distancia</translation>
    </message>
    <message>
        <source>Change Icon</source>
        <translation>Cambiar el icono</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Cerrar todo</translation>
    </message>
</context>
<context>
    <name>marklode::MainWindow</name>
    <message>
        <source>Save as One File…</source>
        <translation>Guardar como un solo archivo…</translation>
    </message>
    <message>
        <source>Save one .gpi file with a category for each input file, as a device gets it</source>
        <translation>Guardar un único archivo .gpi con una categoría por cada archivo de entrada, tal como lo recibe el dispositivo</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Volver a cargar</translation>
    </message>
    <message>
        <source>Read the selected file again from the disk</source>
        <translation>Volver a leer el archivo seleccionado del disco</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Cerrar todo</translation>
    </message>
    <message>
        <source>Take every file off the list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Quit while writing to the device?</source>
        <translation>¿Salir mientras se escribe en el dispositivo?</translation>
    </message>
    <message>
        <source>Marklode is still writing to the device. Quitting now could leave its custom POIs damaged.</source>
        <translation>Marklode todavía está escribiendo en el dispositivo. Si sale ahora, sus puntos de interés personalizados podrían quedar dañados.</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Salir de todos modos</translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation>Seguir escribiendo</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Borrar el menú</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Añadir archivos…</translation>
    </message>
    <message>
        <source>Add .csv or .gpx files, or a folder</source>
        <translation>Añadir archivos .csv o .gpx, o una carpeta</translation>
    </message>
    <message>
        <source>Save .gpi…</source>
        <translation>Guardar como .gpi…</translation>
    </message>
    <message>
        <source>Save the selected file as a .gpi file</source>
        <translation>Guardar el archivo seleccionado como archivo .gpi</translation>
    </message>
    <message>
        <source>Save All…</source>
        <translation>Guardar todo…</translation>
    </message>
    <message>
        <source>Save one .gpi file per input file into a folder</source>
        <translation>Guardar un archivo .gpi por cada archivo de entrada en una carpeta</translation>
    </message>
    <message>
        <source>File actions</source>
        <translation>Acciones de archivo</translation>
    </message>
    <message>
        <source>More file actions</source>
        <translation>Más acciones de archivo</translation>
    </message>
    <message>
        <source>Search POIs</source>
        <translation>Buscar puntos de interés</translation>
    </message>
</context>
<context>
    <name>marklode::MarklodeApp</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Dispositivo</translation>
    </message>
    <message>
        <source>Running tests</source>
        <translation>Ejecutando pruebas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>About Marklode</source>
        <translation>Acerca de Marklode</translation>
    </message>
</context>
<context>
    <name>marklode::NoDeviceHelp</name>
    <message>
        <source>No Garmin found</source>
        <translation>No se encontró ningún Garmin</translation>
    </message>
    <message>
        <source>Why isn&apos;t my Garmin shown?</source>
        <translation>¿Por qué no aparece mi Garmin?</translation>
    </message>
    <message>
        <source>Your Garmin may use MTP mode</source>
        <translation>Es posible que su Garmin use el modo MTP</translation>
    </message>
    <message>
        <source>Your Garmin may use MTP mode. Save the .gpi file and copy it with your file manager into Garmin/POI/.</source>
        <translation>Es posible que su Garmin use el modo MTP. Guarde el archivo .gpi y cópielo con su gestor de archivos en Garmin/POI/.</translation>
    </message>
    <message>
        <source>Older Garmin devices and SD cards appear here as soon as they are connected and mounted.</source>
        <translation>Los dispositivos Garmin más antiguos y las tarjetas SD aparecen aquí en cuanto se conectan y se montan.</translation>
    </message>
</context>
<context>
    <name>marklode::POITable</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>Puntos de interés</translation>
    </message>
</context>
<context>
    <name>marklode::POITableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
</context>
<context>
    <name>marklode::RestoreBackupDialog</name>
    <message>
        <source>Restore Backup to %1</source>
        <translation>Restaurar copia de seguridad en %1</translation>
    </message>
    <message>
        <source>Choose the backup to put back on %1. Newest first.</source>
        <translation>Elija la copia de seguridad que quiere devolver a %1. Las más recientes primero.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>Puntos de interés</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Dañada</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurar…</translation>
    </message>
</context>
<context>
    <name>marklode::SearchField</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Search POIs</source>
        <translation>Buscar puntos de interés</translation>
    </message>
</context>
<context>
    <name>marklode::SendConfirmationSheet</name>
    <message>
        <source>Send to %1?</source>
        <translation>¿Enviar a %1?</translation>
    </message>
    <message>
        <source>The custom POIs already on this device will be replaced. Marklode backs them up first.</source>
        <translation>Los puntos de interés personalizados que ya hay en este dispositivo se reemplazarán. Marklode hace antes una copia de seguridad de ellos.</translation>
    </message>
    <message>
        <source>This device has no custom POIs yet.</source>
        <translation>Este dispositivo aún no tiene puntos de interés personalizados.</translation>
    </message>
    <message>
        <source>Back Up and Replace</source>
        <translation>Hacer copia de seguridad y reemplazar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>marklode::SettingsForm</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>One for the file</source>
        <translation>Una para el archivo</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Las del archivo</translation>
    </message>
    <message>
        <source>Choose Icon…</source>
        <translation>Elegir icono…</translation>
    </message>
    <message>
        <source>Category shown on the device</source>
        <translation>Categoría que muestra el dispositivo</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>Speed in names (“@50”)</source>
        <extracomment>The speed limit written after a POI&apos;s name, e.g. &quot;Radar @50&quot;.</extracomment>
        <translation>Velocidad en los nombres («@50»)</translation>
    </message>
    <message>
        <source>Proximity alerts</source>
        <translation>Alertas de proximidad</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Proximity alerts: none.</extracomment>
        <translation>Desactivadas</translation>
    </message>
    <message>
        <source>Use values from file</source>
        <translation>Usar los valores del archivo</translation>
    </message>
    <message>
        <source>One distance for all</source>
        <translation>Una distancia para todos</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Use Default</source>
        <translation>Usar el predeterminado</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Marklode default</source>
        <translation>Predeterminado de Marklode</translation>
    </message>
</context>
<context>
    <name>marklode::ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Files and devices</source>
        <translation>Archivos y dispositivos</translation>
    </message>
    <message>
        <source>Remove the selected file from the list</source>
        <translation>Quitar el archivo seleccionado de la lista</translation>
    </message>
    <message>
        <source>Open the menu of the selected file or device</source>
        <translation>Abrir el menú del archivo o dispositivo seleccionado</translation>
    </message>
    <message>
        <source>Show the skipped rows of the selected file</source>
        <translation>Mostrar las filas omitidas del archivo seleccionado</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Move the map</source>
        <translation>Mover el mapa</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
</context>
<context>
    <name>marklode::Sidebar</name>
    <message>
        <source>Wait until writing has finished.</source>
        <translation>Espere a que termine la escritura.</translation>
    </message>
    <message>
        <source>Eject %1</source>
        <translation>Expulsar %1</translation>
    </message>
    <message>
        <source>Files and devices</source>
        <translation>Archivos y dispositivos</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Quitar de la lista</translation>
    </message>
</context>
<context>
    <name>marklode::SidebarModel</name>
    <message>
        <source>No longer on disk</source>
        <translation>Ya no está en el disco</translation>
    </message>
    <message>
        <source>%1 · deleted on disk</source>
        <extracomment>A file&apos;s POI count, then that the file is gone from the disk: &quot;12 POIs · deleted on disk&quot;.</extracomment>
        <translation>%1 · eliminado del disco</translation>
    </message>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>A file&apos;s POI count, the number grouped as the locale groups it: &quot;1,204 POIs&quot;.</extracomment>
        <translation>
            <numerusform>%1 punto de interés</numerusform>
            <numerusform>%1 puntos de interés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows were skipped. Click to see why.</source>
        <translation>
            <numerusform>Se omitió %n fila. Haga clic para ver por qué.</numerusform>
            <numerusform>Se omitieron %n filas. Haga clic para ver por qué.</numerusform>
        </translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Drop .csv or .gpx files to begin.</source>
        <translation>Suelte archivos .csv o .gpx para empezar.</translation>
    </message>
    <message>
        <source>No Garmin found</source>
        <translation>No se ha encontrado ningún Garmin</translation>
    </message>
    <message>
        <source>Why isn&apos;t my Garmin shown?</source>
        <translation>¿Por qué no aparece mi Garmin?</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Leyendo…</translation>
    </message>
    <message>
        <source>Could not read file</source>
        <translation>No se pudo leer el archivo</translation>
    </message>
    <message>
        <source>SD card · %1</source>
        <extracomment>A memory card in a device, then its volume&apos;s name.</extracomment>
        <translation>Tarjeta SD · %1</translation>
    </message>
</context>
<context>
    <name>marklode::SkippedRowsModel</name>
    <message numerus="yes">
        <source>%1 rows</source>
        <extracomment>How many rows were skipped for one reason, the number grouped as the locale groups it.</extracomment>
        <translation>
            <numerusform>%1 fila</numerusform>
            <numerusform>%1 filas</numerusform>
        </translation>
    </message>
    <message>
        <source>feature %1</source>
        <translation>entidad %1</translation>
    </message>
    <message>
        <source>features %1 and %2</source>
        <extracomment>The positions of two skipped features of a GeoJSON file.</extracomment>
        <translation>entidades %1 y %2</translation>
    </message>
    <message>
        <source>features %1, %2 and %3</source>
        <translation>entidades %1, %2 y %3</translation>
    </message>
    <message numerus="yes">
        <source>features %1, %2, %3 and %4 more</source>
        <translation>
            <numerusform>entidades %1, %2, %3 y %4 más</numerusform>
            <numerusform>entidades %1, %2, %3 y %4 más</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <extracomment>The lines of two skipped rows.</extracomment>
        <translation>líneas %1 y %2</translation>
    </message>
    <message>
        <source>lines %1, %2 and %3</source>
        <translation>líneas %1, %2 y %3</translation>
    </message>
    <message numerus="yes">
        <source>lines %1, %2, %3 and %4 more</source>
        <extracomment>The first three lines of the skipped rows, then how many more there are.</extracomment>
        <translation>
            <numerusform>líneas %1, %2, %3 y %4 más</numerusform>
            <numerusform>líneas %1, %2, %3 y %4 más</numerusform>
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
        <translation>Entidad %1</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>Skipped rows</source>
        <translation>Filas omitidas</translation>
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
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
</context>
<context>
    <name>marklode::map::MapView</name>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
</context>
</TS>
