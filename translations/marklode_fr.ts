<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Appcast</name>
    <message>
        <source>document type declarations are not allowed</source>
        <translation>les déclarations de type de document ne sont pas autorisées</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>Where the update feed stopped making sense, then the reader&apos;s own description.</extracomment>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the feed is empty</source>
        <translation>le flux est vide</translation>
    </message>
    <message>
        <source>not an RSS feed</source>
        <translation>ce n&apos;est pas un flux RSS</translation>
    </message>
    <message>
        <source>line %1: elements nested deeper than %2</source>
        <translation>ligne %1 : éléments imbriqués sur plus de %2 niveaux</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>list a device&apos;s backups</source>
        <translation>lister les sauvegardes d&apos;un appareil</translation>
    </message>
    <message>
        <source>Usage: marklode-cli backups [--device VOLUME_DIR] [--backup-root DIR] [--json]

Lists the backups Marklode made of the device&apos;s custom POIs, newest first, with
their time and POI count; a backup whose file can&apos;t be read is listed as
damaged. Without --device the one connected Garmin is used.
  --json  print [{&quot;folder&quot;:...,&quot;time&quot;:...,&quot;poiCount&quot;:N or null,&quot;damaged&quot;:false}]
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Utilisation : marklode-cli backups [--device VOLUME] [--backup-root DOSSIER] [--json]

Liste les sauvegardes que Marklode a faites des points d&apos;intérêt personnalisés de
l&apos;appareil, de la plus récente à la plus ancienne, avec leur date et leur nombre
de points d&apos;intérêt ; une sauvegarde dont le fichier est illisible est indiquée
comme endommagée. Sans --device, l&apos;unique appareil Garmin connecté est utilisé.
  --json  afficher [{&quot;folder&quot;:...,&quot;time&quot;:...,&quot;poiCount&quot;:N ou null,&quot;damaged&quot;:false}]
</translation>
    </message>
    <message>
        <source>backups takes no arguments; name the device with --device</source>
        <translation>backups n&apos;accepte aucun argument ; indiquez l&apos;appareil avec --device</translation>
    </message>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>The POI count of a backup, grouped as the locale groups numbers.</extracomment>
        <translation>
            <numerusform>%1 point d&apos;intérêt</numerusform>
            <numerusform>%1 points d&apos;intérêt</numerusform>
        </translation>
    </message>
    <message>
        <source>put a backup back on a device</source>
        <translation>restaurer une sauvegarde sur un appareil</translation>
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
        <translation>Utilisation : marklode-cli restore [SAUVEGARDE] [--device VOLUME] [--backup-root DOSSIER]

Remet le poi.gpi d&apos;une sauvegarde sur l&apos;appareil, la sauvegarde la plus récente
si SAUVEGARDE n&apos;est pas indiquée. SAUVEGARDE est un nom tel que le liste
marklode-cli backups, ou le chemin d&apos;un dossier de sauvegarde. Comme avec send,
le fichier actuel de l&apos;appareil est d&apos;abord sauvegardé, le nouveau est installé
de façon atomique puis relu pour le vérifier. Une sauvegarde endommagée est
refusée avant que l&apos;appareil ne soit touché.
</translation>
    </message>
    <message>
        <source>restore takes at most one BACKUP</source>
        <translation>restore attend au plus une SAUVEGARDE</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The backup copy didn&apos;t match the original.</source>
        <translation>La copie de sauvegarde ne correspondait pas à l&apos;original.</translation>
    </message>
</context>
<context>
    <name>ByteCount</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>option --%1 takes no value</source>
        <translation>l&apos;option --%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>option --%1 needs a value</source>
        <translation>l&apos;option --%1 nécessite une valeur</translation>
    </message>
</context>
<context>
    <name>CliDeviceMessages</name>
    <message>
        <source>%1 is not a Garmin device: it has no Garmin folder.</source>
        <translation>%1 n&apos;est pas un appareil Garmin : il ne contient aucun dossier Garmin.</translation>
    </message>
    <message>
        <source>No Garmin device is connected. Connect one, or name its folder with --device.</source>
        <extracomment>--device is the name of an option and stays as it is.</extracomment>
        <translation>Aucun appareil Garmin n&apos;est connecté. Connectez-en un ou indiquez son dossier avec --device.</translation>
    </message>
    <message>
        <source>Several Garmin devices are connected; choose one with --device:</source>
        <extracomment>--device is the name of an option and stays as it is.</extracomment>
        <translation>Plusieurs appareils Garmin sont connectés ; choisissez-en un avec --device :</translation>
    </message>
    <message>
        <source>No Garmin devices found.</source>
        <translation>Aucun appareil Garmin trouvé.</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Envoi vers %1…</translation>
    </message>
    <message>
        <source>Restoring to %1…</source>
        <translation>Restauration sur %1…</translation>
    </message>
    <message>
        <source>Backups of %1, newest first, in %2:</source>
        <extracomment>%1 is the device&apos;s name, %2 the folder that holds its backups.</extracomment>
        <translation>Sauvegardes de %1, les plus récentes en premier, dans %2 :</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>Stands in a list of backups where others show their number of POIs.</extracomment>
        <translation>endommagée</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>Usage: marklode-cli COMMAND [OPTIONS]</source>
        <extracomment>The words in capitals stand for what the user types; the command and option names stay.</extracomment>
        <translation>Utilisation : marklode-cli COMMANDE [OPTIONS]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>Run marklode-cli COMMAND --help for the options of one command,
marklode-cli --version for the version.</source>
        <translation>Lancez marklode-cli COMMANDE --help pour les options d&apos;une commande,
marklode-cli --version pour la version.</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Run marklode-cli %1 --help for its options.</source>
        <translation>Lancez marklode-cli %1 --help pour voir ses options.</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>--speed-unit must be kmh or mph</source>
        <translation>--speed-unit doit valoir kmh ou mph</translation>
    </message>
    <message>
        <source>--format must be csv, gpx, kml, kmz or geojson</source>
        <translation>--format doit valoir csv, gpx, kml, kmz ou geojson</translation>
    </message>
    <message>
        <source>--categories must be one or from-file</source>
        <translation>--categories doit valoir one ou from-file</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
</context>
<context>
    <name>CliPrinting</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <translation>
            <numerusform>%1 point d&apos;intérêt</numerusform>
            <numerusform>%1 points d&apos;intérêt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n categories</source>
        <extracomment>%1 is a count of POIs (&quot;1 POI&quot;, &quot;12 POIs&quot;).</extracomment>
        <translation>
            <numerusform>%1 dans %n catégorie</numerusform>
            <numerusform>%1 dans %n catégories</numerusform>
        </translation>
    </message>
    <message>
        <source>[speed %1 km/h]</source>
        <extracomment>A POI&apos;s speed limit in a line that describes the POI.</extracomment>
        <translation>[vitesse %1 km/h]</translation>
    </message>
    <message>
        <source>[proximity %1 m]</source>
        <extracomment>The distance of a POI&apos;s proximity alert, in a line that describes the POI.</extracomment>
        <translation>[alerte de proximité %1 m]</translation>
    </message>
    <message>
        <source>[address %1]</source>
        <translation>[adresse %1]</translation>
    </message>
    <message>
        <source>[phone %1]</source>
        <translation>[téléphone %1]</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts CSV and GPX points of interest to Garmin .gpi files.</source>
        <translation>Convertit des points d&apos;intérêt CSV et GPX en fichiers .gpi Garmin.</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <extracomment>What the program takes on its command line, as --help names it.</extracomment>
        <translation>FICHIER|DOSSIER</translation>
    </message>
    <message>
        <source>.csv or .gpx files, or folders that hold them</source>
        <translation>fichiers .csv ou .gpx, ou dossiers qui en contiennent</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>%1 already exists. Use --force to replace it.</source>
        <translation>%1 existe déjà. Utilisez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>write .gpi files from CSV, GPX, KML, KMZ and GeoJSON files</source>
        <translation>écrire des fichiers .gpi à partir de fichiers CSV, GPX, KML, KMZ et GeoJSON</translation>
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
        <translation>Utilisation : marklode-cli convert ENTRÉE -o SORTIE.gpi [options]
              marklode-cli convert ENTRÉE... -d DOSSIER [--force] [options]
              marklode-cli convert ENTRÉE... --combined -o SORTIE.gpi [options]

Une entrée avec -o : le .gpi propre à l&apos;entrée (catégorie = nom du fichier sans
  extension).
Plusieurs entrées avec -d : un .gpi par entrée dans DOSSIER, nommé NOM.gpi,
  NOM 2.gpi, ... ; un fichier existant n&apos;est remplacé qu&apos;avec --force.
--combined : un seul fichier avec les catégories de chaque entrée qui ont des
  points d&apos;intérêt, dans l&apos;ordre.
Une ENTRÉE - est l&apos;entrée standard ; un tube, tel que &lt;(commande), est lu
jusqu&apos;au bout.

  --format csv|gpx|kml|kmz|geojson
                               format de chaque entrée (par défaut : selon son
                               extension, sinon CSV)
  --category NOM               nom de la catégorie (une seule entrée uniquement)
  --categories one|from-file   une catégorie pour le fichier, ou une par catégorie
                               que le fichier donne à ses points d&apos;intérêt (par
                               défaut : one pour CSV et GPX)
  --icon FICHIER               un PNG ou un JPEG, réduit à 24x24 au plus, ou un
                               BMP 24 bits de 24x24 au plus (par défaut : une image
                               nommée comme l&apos;entrée, à côté d&apos;elle, BMP avant PNG
                               avant JPEG, sinon l&apos;icône intégrée)
  --speed-unit kmh|mph         unité des vitesses « @ » dans les noms CSV (par
                               défaut selon les paramètres régionaux)
  --proximity off|file|fixed   alertes de proximité (par défaut : file pour GPX,
                               sinon off)
  --distance N                 distance pour --proximity fixed (par défaut 300)
  --distance-unit m|ft         unité de --distance (par défaut selon les
                               paramètres régionaux)
  --timestamp SECONDES_UNIX    date de création dans le fichier (par défaut :
                               SOURCE_DATE_EPOCH s&apos;il est défini, sinon
                               maintenant)
</translation>
    </message>
    <message>
        <source>convert needs at least one INPUT</source>
        <translation>convert nécessite au moins une ENTRÉE</translation>
    </message>
    <message>
        <source>give either -o OUT.gpi or -d DIR</source>
        <translation>indiquez soit -o SORTIE.gpi, soit -d DOSSIER</translation>
    </message>
    <message>
        <source>--category works with a single input only</source>
        <translation>--category ne fonctionne qu&apos;avec une seule entrée</translation>
    </message>
    <message>
        <source>--combined writes one file: give -o OUT.gpi</source>
        <translation>--combined écrit un seul fichier : indiquez -o SORTIE.gpi</translation>
    </message>
    <message>
        <source>several inputs need -d DIR or --combined</source>
        <translation>plusieurs entrées nécessitent -d DOSSIER ou --combined</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>list the connected Garmin devices</source>
        <translation>lister les appareils Garmin connectés</translation>
    </message>
    <message>
        <source>Usage: marklode-cli devices [--volume DIR]... [--json]

Lists the Garmin devices among the mounted volumes, or among the given folders.
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Utilisation : marklode-cli devices [--volume DOSSIER]... [--json]

Liste les appareils Garmin parmi les volumes montés, ou parmi les dossiers
indiqués.
</translation>
    </message>
    <message>
        <source>devices takes no arguments; name folders with --volume</source>
        <translation>devices n&apos;accepte aucun argument ; indiquez les dossiers avec --volume</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>volume:      %1 at %2</source>
        <extracomment>The labels of a device&apos;s details; the values start in one column.</extracomment>
        <translation>volume :                         %1 monté sur %2</translation>
    </message>
    <message>
        <source>Garmin folder: %1</source>
        <translation>dossier Garmin :                 %1</translation>
    </message>
    <message>
        <source>model:       %1</source>
        <translation>modèle :                         %1</translation>
    </message>
    <message>
        <source>model:       %1 (no description file)</source>
        <translation>modèle :                         %1 (pas de fichier de description)</translation>
    </message>
    <message>
        <source>custom POIs: yes</source>
        <translation>points d&apos;intérêt personnalisés : oui</translation>
    </message>
    <message>
        <source>custom POIs: no</source>
        <translation>points d&apos;intérêt personnalisés : non</translation>
    </message>
    <message>
        <source>install POIs on a Garmin device</source>
        <translation>installer des points d&apos;intérêt sur un appareil Garmin</translation>
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
        <translation>Utilisation : marklode-cli send ENTRÉE... [--device VOLUME] [--backup-root DOSSIER]
                                [options de convert]

Crée un poi.gpi avec les catégories de chaque entrée qui ont des points
d&apos;intérêt, les entrées dans l&apos;ordre (ou prend tel quel un seul .gpi déjà prêt),
sauvegarde le fichier précédent de l&apos;appareil, installe le nouveau de façon
atomique et le relit pour le vérifier. Sans --device, l&apos;unique appareil Garmin
connecté est utilisé. Une ENTRÉE - est l&apos;entrée standard ; un tube est lu jusqu&apos;au
bout. Options de convert (dont --format et --categories) : voir
marklode-cli convert --help.
</translation>
    </message>
    <message>
        <source>send needs at least one INPUT</source>
        <translation>send nécessite au moins une ENTRÉE</translation>
    </message>
    <message>
        <source>--category is not used by send: each input is its own category</source>
        <translation>--category n&apos;est pas utilisé par send : chaque entrée est sa propre catégorie</translation>
    </message>
    <message>
        <source>back up and remove a device&apos;s custom POIs</source>
        <translation>sauvegarder et supprimer les points d&apos;intérêt personnalisés d&apos;un appareil</translation>
    </message>
    <message>
        <source>Usage: marklode-cli remove [--device VOLUME_DIR] [--backup-root DIR]

Backs up the device&apos;s custom POI file, then deletes it.
</source>
        <extracomment>Keep the command and option names and the layout: the descriptions start in one column and lines stay within 80 characters. The words in capitals stand for what the user types.</extracomment>
        <translation>Utilisation : marklode-cli remove [--device VOLUME] [--backup-root DOSSIER]

Sauvegarde le fichier des points d&apos;intérêt personnalisés de l&apos;appareil, puis le
supprime.
</translation>
    </message>
    <message>
        <source>remove takes no arguments; name the device with --device</source>
        <translation>remove n&apos;accepte aucun argument ; indiquez l&apos;appareil avec --device</translation>
    </message>
</context>
<context>
    <name>DeviceTransferError</name>
    <message>
        <source>%1 is read-only, so Marklode can&apos;t write to it. If it&apos;s an SD card, check its lock switch.</source>
        <translation>%1 est en lecture seule, Marklode ne peut donc pas y écrire. S&apos;il s&apos;agit d&apos;une carte SD, vérifiez son verrou de protection en écriture.</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t have enough free space. Marklode needs %2, but only %3 is free.</source>
        <translation>%1 n&apos;a pas assez d&apos;espace libre. Marklode a besoin de %2, mais il ne reste que %3 d&apos;espace libre.</translation>
    </message>
    <message>
        <source>Marklode couldn&apos;t back up the POIs already on the device, so nothing was changed. %1</source>
        <translation>Marklode n&apos;a pas pu sauvegarder les points d&apos;intérêt déjà présents sur l&apos;appareil, rien n&apos;a donc été modifié. %1</translation>
    </message>
    <message numerus="yes">
        <source>The file on the device has %1 POIs, but %2 were written. Try again, or restore the backup.</source>
        <extracomment>%1 is the count of POIs found in the file, %2 the count written.</extracomment>
        <translation>
            <numerusform>Le fichier sur l&apos;appareil contient %1 point d&apos;intérêt, alors que %2 ont été écrits. Réessayez ou restaurez la sauvegarde.</numerusform>
            <numerusform>Le fichier sur l&apos;appareil contient %1 points d&apos;intérêt, alors que %2 ont été écrits. Réessayez ou restaurez la sauvegarde.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file on the device couldn&apos;t be read back after writing. Try again, or restore the backup. %1</source>
        <translation>Le fichier sur l&apos;appareil n&apos;a pas pu être relu après l&apos;écriture. Réessayez ou restaurez la sauvegarde. %1</translation>
    </message>
    <message>
        <source>Writing to the device failed. The POIs already on the device were not changed. %1</source>
        <translation>L&apos;écriture sur l&apos;appareil a échoué. Les points d&apos;intérêt déjà présents sur l&apos;appareil n&apos;ont pas été modifiés. %1</translation>
    </message>
    <message>
        <source>There are no custom POIs (Garmin/POI/poi.gpi) on this device.</source>
        <translation>Il n&apos;y a aucun point d&apos;intérêt personnalisé (Garmin/POI/poi.gpi) sur cet appareil.</translation>
    </message>
    <message>
        <source>%1 has a symbolic link at %2, so Marklode won&apos;t change its POIs. Replace the link with a real folder or file and try again.</source>
        <translation>%1 contient un lien symbolique à l&apos;emplacement %2, Marklode ne modifiera donc pas ses points d&apos;intérêt. Remplacez le lien par un vrai dossier ou fichier et réessayez.</translation>
    </message>
    <message>
        <source>%1 is busy with another Marklode transfer, so nothing was changed. Try again when it has finished.</source>
        <translation>%1 est occupé par un autre transfert Marklode, rien n&apos;a donc été modifié. Réessayez une fois celui-ci terminé.</translation>
    </message>
</context>
<context>
    <name>ErrorDescription</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>The file is damaged at byte %1.</source>
        <translation>Le fichier est endommagé à l&apos;octet %1.</translation>
    </message>
    <message>
        <source>The file is not a Garmin POI file.</source>
        <translation>Le fichier n&apos;est pas un fichier de points d&apos;intérêt Garmin.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Add the folders instead of the files chosen in them</source>
        <translation>Ajouter les dossiers plutôt que les fichiers choisis qu&apos;ils contiennent</translation>
    </message>
    <message>
        <source>Save as One File</source>
        <translation>Enregistrer en un seul fichier</translation>
    </message>
    <message>
        <source>Garmin POI files</source>
        <translation>Fichiers de points d&apos;intérêt Garmin</translation>
    </message>
    <message>
        <source>Choose .csv, .gpx, .kml, .kmz or .geojson files, or a folder that contains them.</source>
        <translation>Choisissez des fichiers .csv, .gpx, .kml, .kmz ou .geojson, ou un dossier qui en contient.</translation>
    </message>
    <message>
        <source>CSV, GPX, KML, KMZ or GeoJSON files</source>
        <translation>Fichiers CSV, GPX, KML, KMZ ou GeoJSON</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Save .gpi</source>
        <translation>Enregistrer le fichier .gpi</translation>
    </message>
    <message>
        <source>Choose a folder. Marklode writes one .gpi file per input file.</source>
        <translation>Choisissez un dossier. Marklode y écrit un fichier .gpi par fichier d&apos;entrée.</translation>
    </message>
    <message>
        <source>Save Here</source>
        <translation>Enregistrer ici</translation>
    </message>
    <message>
        <source>Choose a PNG or JPEG icon, or a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Choisissez une icône PNG ou JPEG, ou une image BMP 24 bits d&apos;au plus 24×24 pixels.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
</context>
<context>
    <name>GPIIconError</name>
    <message>
        <source>Unsupported BMP header (size %1).</source>
        <translation>En-tête BMP non pris en charge (taille %1).</translation>
    </message>
    <message>
        <source>The icon must be a 24-bit BMP; this one is %1-bit.</source>
        <translation>L&apos;icône doit être un BMP 24 bits&#xa0;; celle-ci est en %1 bits.</translation>
    </message>
    <message>
        <source>The icon must be at most 24x24 pixels; this one is %1x%2.</source>
        <translation>L&apos;icône doit mesurer au plus 24x24 pixels&#xa0;; celle-ci mesure %1x%2.</translation>
    </message>
    <message>
        <source>The icon is not a BMP file.</source>
        <translation>L&apos;icône n&apos;est pas un fichier BMP.</translation>
    </message>
    <message>
        <source>Compressed BMP files are not supported.</source>
        <translation>Les fichiers BMP compressés ne sont pas pris en charge.</translation>
    </message>
    <message>
        <source>The BMP file is incomplete.</source>
        <translation>Le fichier BMP est incomplet.</translation>
    </message>
    <message>
        <source>The icon is not a PNG, JPEG or BMP file.</source>
        <translation>L&apos;icône n&apos;est pas un fichier PNG, JPEG ou BMP.</translation>
    </message>
    <message>
        <source>The %1 file is damaged or incomplete.</source>
        <extracomment>%1 is the name of an image format: BMP, PNG or JPEG.</extracomment>
        <translation>Le fichier %1 est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>The image must be at most %1x%2 pixels; this one is %3x%4.</source>
        <translation>L&apos;image doit mesurer au plus %1x%2 pixels&#xa0;; celle-ci mesure %3x%4.</translation>
    </message>
</context>
<context>
    <name>IconCommand</name>
    <message>
        <source>check an image file as a category icon</source>
        <translation>vérifier un fichier image comme icône de catégorie</translation>
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
        <translation>Utilisation : marklode-cli icon FICHIER [--json]

Vérifie que FICHIER peut servir d&apos;icône de catégorie : un PNG ou un JPEG (réduit
à 24x24 pixels au plus, transparence sur fond blanc) ou un BMP 24 bits non
compressé de 24x24 pixels au plus, reconnu à son contenu, quel que soit son nom.
  --json  afficher {&quot;width&quot;:W,&quot;height&quot;:H,&quot;pixelsBGR&quot;:&quot;HEX&quot;} (octets bleu, vert,
          rouge, de haut en bas) ou {&quot;error&quot;:DESCRIPTION}
</translation>
    </message>
    <message>
        <source>icon takes exactly one FILE</source>
        <translation>icon attend exactement un FICHIER</translation>
    </message>
    <message>
        <source>%1x%2 pixels, usable as an icon</source>
        <translation>%1x%2 pixels, utilisable comme icône</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message numerus="yes">
        <source>%1, %n skipped rows</source>
        <extracomment>%1 is a count of POIs (&quot;1 POI&quot;, &quot;12 POIs&quot;).</extracomment>
        <translation>
            <numerusform>%1, %n ligne ignorée</numerusform>
            <numerusform>%1, %n lignes ignorées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>read one CSV, GPX, KML, KMZ or GeoJSON file and show its POIs</source>
        <translation>lire un fichier CSV, GPX, KML, KMZ ou GeoJSON et afficher ses points d&apos;intérêt</translation>
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
        <translation>Utilisation : marklode-cli import FICHIER [--format csv|gpx|kml|kmz|geojson]
                                  [--speed-unit kmh|mph] [--categories one|from-file]
                                  [--json]

Lit FICHIER selon son extension : .gpx comme GPX, .kml comme KML, .kmz comme KMZ,
.geojson et .json comme GeoJSON, sinon comme CSV.
Le FICHIER - est l&apos;entrée standard ; un tube, tel que &lt;(commande), est lu jusqu&apos;au
bout.
Les lignes inutilisables sont listées sur la sortie d&apos;erreur standard sous la forme
FICHIER: Ligne N: MESSAGE (les entités GeoJSON sous la forme
FICHIER: Entité N: MESSAGE, comptées à partir de 1).

  --format csv|gpx|kml|kmz|geojson
                            lire FICHIER dans ce format, quel que soit son nom
  --speed-unit kmh|mph      unité des vitesses « @ » dans les noms CSV (par défaut
                            selon les paramètres régionaux)
  --categories one|from-file
                            une catégorie pour le fichier, ou une par catégorie
                            que le fichier donne à ses points d&apos;intérêt (par
                            défaut : one pour CSV et GPX, from-file pour KML, KMZ
                            et GeoJSON) ; le JSON n&apos;indique la « category » d&apos;un
                            point d&apos;intérêt qu&apos;avec from-file
  --json                    afficher {&quot;pois&quot;:[...],&quot;issues&quot;:[...]} sur la sortie
                            standard
</translation>
    </message>
    <message>
        <source>import takes exactly one FILE</source>
        <translation>import attend exactement un FICHIER</translation>
    </message>
</context>
<context>
    <name>ImportIssue</name>
    <message>
        <source>Expected at least %1 fields, found %2.</source>
        <translation>Au moins %1 champs attendus, %2 trouvés.</translation>
    </message>
    <message>
        <source>Invalid longitude %1.</source>
        <translation>Longitude %1 non valide.</translation>
    </message>
    <message>
        <source>Invalid latitude %1.</source>
        <translation>Latitude %1 non valide.</translation>
    </message>
    <message>
        <source>Missing name.</source>
        <translation>Nom manquant.</translation>
    </message>
    <message>
        <source>Waypoint has invalid lat/lon.</source>
        <translation>Le point de cheminement a des valeurs lat/lon non valides.</translation>
    </message>
    <message>
        <source>Waypoint has no name.</source>
        <translation>Le point de cheminement n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>Invalid proximity %1.</source>
        <translation>Distance d&apos;alerte de proximité non valide&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Not a feature.</source>
        <translation>Ce n&apos;est pas un objet Feature.</translation>
    </message>
    <message>
        <source>Invalid coordinates.</source>
        <translation>Coordonnées non valides.</translation>
    </message>
    <message>
        <source>Missing geometry.</source>
        <translation>Géométrie manquante.</translation>
    </message>
    <message>
        <source>Not a point.</source>
        <translation>Ce n&apos;est pas un point.</translation>
    </message>
    <message>
        <source>Missing points.</source>
        <translation>Points manquants.</translation>
    </message>
    <message>
        <source>Feature %1: %2</source>
        <translation>Entité %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>A text is longer than 1 MB.</source>
        <translation>Un texte dépasse 1 MB.</translation>
    </message>
    <message>
        <source>Invalid coordinates %1.</source>
        <translation>Coordonnées %1 non valides.</translation>
    </message>
    <message>
        <source>Missing coordinates.</source>
        <translation>Coordonnées manquantes.</translation>
    </message>
</context>
<context>
    <name>InputPreparation</name>
    <message>
        <source>%1 must be a whole number of seconds since 1970</source>
        <extracomment>%1 is --timestamp or SOURCE_DATE_EPOCH, where the value came from.</extracomment>
        <translation>%1 doit être un nombre entier de secondes depuis 1970</translation>
    </message>
    <message>
        <source>--proximity must be off, file or fixed</source>
        <translation>--proximity doit valoir off, file ou fixed</translation>
    </message>
    <message>
        <source>--distance must be a number</source>
        <translation>--distance doit être un nombre</translation>
    </message>
    <message>
        <source>--distance-unit must be m or ft</source>
        <translation>--distance-unit doit valoir m ou ft</translation>
    </message>
    <message>
        <source>--distance must be from 0 to 215000 ft</source>
        <translation>--distance doit être comprise entre 0 et 215000 ft</translation>
    </message>
    <message>
        <source>--distance must be from 0 to 65535 m</source>
        <translation>--distance doit être comprise entre 0 et 65535 m</translation>
    </message>
</context>
<context>
    <name>InspectCommand</name>
    <message>
        <source>The file is damaged at byte offset %1.</source>
        <translation>Le fichier est endommagé à l&apos;octet %1.</translation>
    </message>
    <message>
        <source>This is not a .gpi file.</source>
        <translation>Ce n&apos;est pas un fichier .gpi.</translation>
    </message>
    <message>
        <source>list the categories of a .gpi file</source>
        <translation>lister les catégories d&apos;un fichier .gpi</translation>
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
        <translation>Utilisation : marklode-cli inspect FICHIER.gpi [--pois] [--json]

Relit un fichier .gpi et liste ses catégories avec leur nombre de points d&apos;intérêt.
Le FICHIER.gpi - est l&apos;entrée standard ; un tube, tel que &lt;(commande), est lu
jusqu&apos;au bout.
  --pois  lister aussi les points d&apos;intérêt de chaque catégorie, avec leurs
          adresses et numéros de téléphone
  --json  afficher {&quot;categories&quot;:[{&quot;name&quot;:...,&quot;poiCount&quot;:N}],&quot;poiCount&quot;:N} ;
          avec --pois, chaque catégorie a aussi &quot;pois&quot;:[...] comme l&apos;affiche import
</translation>
    </message>
    <message>
        <source>inspect takes exactly one FILE.gpi</source>
        <translation>inspect attend exactement un FICHIER.gpi</translation>
    </message>
</context>
<context>
    <name>LibraryMessages</name>
    <message>
        <source>Only .csv and .gpx files can be added. Ignored: %1.</source>
        <extracomment>%1 lists the names of the files, separated by commas.</extracomment>
        <translation>Seuls les fichiers .csv et .gpx peuvent être ajoutés. Ignorés : %1.</translation>
    </message>
    <message>
        <source>No .csv or .gpx files were found in the folder.</source>
        <translation>Aucun fichier .csv ou .gpx n&apos;a été trouvé dans le dossier.</translation>
    </message>
    <message>
        <source>One distance for all</source>
        <extracomment>The name of the choice in the list of proximity alerts, which the sentences below quote.</extracomment>
        <translation>Une distance pour tous</translation>
    </message>
    <message>
        <source>The distance for %1 must be from 0 to 215,000 ft.</source>
        <translation>La distance pour %1 doit être comprise entre 0 et 215&#xa0;000 ft.</translation>
    </message>
    <message>
        <source>The distance for %1 must be from 0 to 65,535 m.</source>
        <translation>La distance pour %1 doit être comprise entre 0 et 65&#xa0;535 m.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s name, %2 what went wrong with it.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n files.</source>
        <translation>
            <numerusform>%n fichier enregistré.</numerusform>
            <numerusform>%n fichiers enregistrés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n.</source>
        <extracomment>The number of files not saved, after &quot;Saved %n files.&quot; when some were.</extracomment>
        <translation>
            <numerusform>%n ignoré.</numerusform>
            <numerusform>%n ignorés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Some files could not be saved:

%1</source>
        <translation>Certains fichiers n&apos;ont pas pu être enregistrés :

%1</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>Do you want to replace it? This can&apos;t be undone.</source>
        <translation>Voulez-vous le remplacer ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Stop Saving</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Can&apos;t Read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Found %1 next to the file</source>
        <extracomment>%1 is the name of the image file the icon was taken from.</extracomment>
        <translation>%1 trouvé à côté du fichier</translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2 POIs on the map.</source>
        <extracomment>%1 is the number of POIs shown, %2 the number of all the file&apos;s POIs.</extracomment>
        <translation>
            <numerusform>Affichage de %1 sur %2 point d&apos;intérêt sur la carte.</numerusform>
            <numerusform>Affichage de %1 sur %2 points d&apos;intérêt sur la carte.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MapOverlays</name>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© les contributeurs d&apos;OpenStreetMap</translation>
    </message>
</context>
<context>
    <name>POIStore</name>
    <message>
        <source>A POI&apos;s text is longer than 4 GiB.</source>
        <translation>Un texte d&apos;un point d&apos;intérêt dépasse 4 GiB.</translation>
    </message>
    <message>
        <source>Too many POIs with details.</source>
        <translation>Trop de points d&apos;intérêt avec des détails.</translation>
    </message>
    <message>
        <source>Too many POIs with alerts.</source>
        <translation>Trop de points d&apos;intérêt avec des alertes de proximité.</translation>
    </message>
    <message>
        <source>Too many POIs with alerts or details.</source>
        <translation>Trop de points d&apos;intérêt avec des alertes de proximité ou des détails.</translation>
    </message>
</context>
<context>
    <name>ScaleBar</name>
    <message>
        <source>%1 mi</source>
        <translation>%1&#xa0;mi</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation>%1&#xa0;ft</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1&#xa0;km</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1&#xa0;m</translation>
    </message>
</context>
<context>
    <name>TextSearch</name>
    <message>
        <source>Too many POIs to search.</source>
        <translation>Trop de points d&apos;intérêt à rechercher.</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message numerus="yes">
        <source>Sent %1 POIs in %n categories to %2. The file was read back and checked.</source>
        <extracomment>%1 is the number of POIs, %2 the device&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 points d&apos;intérêt ont été envoyés vers %2 dans %n catégorie. Le fichier a été relu et vérifié.</numerusform>
            <numerusform>%1 points d&apos;intérêt ont été envoyés vers %2 dans %n catégories. Le fichier a été relu et vérifié.</numerusform>
        </translation>
    </message>
    <message>
        <source>The previous custom POIs were backed up to:
%1</source>
        <translation>Les points d&apos;intérêt personnalisés précédents ont été sauvegardés dans :
%1</translation>
    </message>
    <message numerus="yes">
        <source>Restored the backup of %1 to %2: %3 POIs. The file was read back and checked.</source>
        <extracomment>%1 is the date and time of the backup, %2 the device&apos;s name, %3 the number of POIs.</extracomment>
        <translation>
            <numerusform>La sauvegarde du %1 a été restaurée sur %2 : %3 point d&apos;intérêt. Le fichier a été relu et vérifié.</numerusform>
            <numerusform>La sauvegarde du %1 a été restaurée sur %2 : %3 points d&apos;intérêt. Le fichier a été relu et vérifié.</numerusform>
        </translation>
    </message>
    <message>
        <source>The custom POIs it replaced were backed up to:
%1</source>
        <translation>Les points d&apos;intérêt personnalisés qu&apos;elle a remplacés ont été sauvegardés dans :
%1</translation>
    </message>
    <message>
        <source>Marklode has no backups of %1.</source>
        <translation>Marklode n&apos;a aucune sauvegarde de %1.</translation>
    </message>
    <message>
        <source>Restore the backup to %1?</source>
        <translation>Restaurer la sauvegarde sur %1 ?</translation>
    </message>
    <message>
        <source>The custom POIs now on this device will be replaced. Marklode backs them up first.</source>
        <translation>Les points d&apos;intérêt personnalisés présents sur cet appareil seront remplacés. Marklode les sauvegarde d&apos;abord.</translation>
    </message>
    <message>
        <source>This device has no custom POIs now.</source>
        <translation>Cet appareil ne contient actuellement aucun point d&apos;intérêt personnalisé.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>%1 is damaged or not a Garmin POI file, so nothing was written.</source>
        <translation>%1 est endommagé ou n&apos;est pas un fichier de points d&apos;intérêt Garmin ; rien n&apos;a donc été écrit.</translation>
    </message>
    <message>
        <source>Removed the custom POIs from %1.</source>
        <translation>Les points d&apos;intérêt personnalisés ont été supprimés de %1.</translation>
    </message>
    <message>
        <source>A backup was saved to:
%1</source>
        <translation>Une sauvegarde a été enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>%1 is being ejected, so its POIs can&apos;t be changed now.</source>
        <translation>%1 est en cours d&apos;éjection ; ses points d&apos;intérêt ne peuvent pas être modifiés pour le moment.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be ejected. Close any files open on it and try again.</source>
        <translation>Impossible d&apos;éjecter %1. Fermez les fichiers qui y sont ouverts et réessayez.</translation>
    </message>
    <message>
        <source>%1 is no longer connected.</source>
        <translation>%1 n&apos;est plus connecté.</translation>
    </message>
    <message>
        <source>Remove custom POIs from %1?</source>
        <translation>Supprimer les points d&apos;intérêt personnalisés de %1 ?</translation>
    </message>
    <message>
        <source>Marklode copies Garmin/POI/poi.gpi to a backup, then deletes it from the device. No other files are changed.</source>
        <extracomment>Garmin/POI/poi.gpi is the path of the file on the device; it stays as it is.</extracomment>
        <translation>Marklode copie Garmin/POI/poi.gpi dans une sauvegarde, puis le supprime de l&apos;appareil. Aucun autre fichier n&apos;est modifié.</translation>
    </message>
    <message>
        <source>Back Up and Remove</source>
        <translation>Sauvegarder et supprimer</translation>
    </message>
    <message>
        <source>Add at least one file with POIs first.</source>
        <translation>Ajoutez d&apos;abord au moins un fichier contenant des points d&apos;intérêt.</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>The update feed is not an https address, so it was not read.</source>
        <translation>Le flux de mises à jour n&apos;est pas une adresse https ; il n&apos;a donc pas été lu.</translation>
    </message>
    <message>
        <source>This copy of Marklode has no valid release key, so no download could be verified.</source>
        <translation>Cet exemplaire de Marklode n&apos;a pas de clé de publication valide ; aucun téléchargement n&apos;a donc pu être vérifié.</translation>
    </message>
    <message>
        <source>The update server couldn&apos;t be reached.</source>
        <translation>Impossible de joindre le serveur de mises à jour.</translation>
    </message>
    <message>
        <source>The update server couldn&apos;t be reached (%1).</source>
        <extracomment>%1 is the network&apos;s own description of the fault.</extracomment>
        <translation>Impossible de joindre le serveur de mises à jour (%1).</translation>
    </message>
    <message>
        <source>The update server didn&apos;t answer in time. Try again later.</source>
        <translation>Le serveur de mises à jour n&apos;a pas répondu à temps. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The update feed is too large to be a real one, so it was not read.</source>
        <translation>Le flux de mises à jour est trop volumineux pour être authentique ; il n&apos;a donc pas été lu.</translation>
    </message>
    <message>
        <source>The update feed couldn&apos;t be read.</source>
        <translation>Impossible de lire le flux de mises à jour.</translation>
    </message>
    <message>
        <source>The update feed couldn&apos;t be read (%1).</source>
        <extracomment>%1 says what in the feed could not be read.</extracomment>
        <translation>Impossible de lire le flux de mises à jour (%1).</translation>
    </message>
    <message>
        <source>The download was not the size the update feed announced, so it was deleted. Nothing was installed.</source>
        <translation>Le téléchargement n&apos;avait pas la taille annoncée par le flux de mises à jour ; il a donc été supprimé. Rien n&apos;a été installé.</translation>
    </message>
    <message>
        <source>The download is not signed with Marklode&apos;s release key, so it was deleted. Nothing was installed.</source>
        <translation>Le téléchargement n&apos;est pas signé avec la clé de publication de Marklode ; il a donc été supprimé. Rien n&apos;a été installé.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved.</source>
        <translation>Impossible d&apos;enregistrer le téléchargement.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved (%1).</source>
        <extracomment>%1 is the file system&apos;s own description of the fault.</extracomment>
        <translation>Impossible d&apos;enregistrer le téléchargement (%1).</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Vous êtes à jour</translation>
    </message>
    <message>
        <source>%1 is the newest version available.</source>
        <extracomment>%1 is the product&apos;s name and version, e.g. &quot;Marklode 1.4&quot;.</extracomment>
        <translation>%1 est la dernière version disponible.</translation>
    </message>
    <message>
        <source>%1 is available</source>
        <translation>%1 est disponible</translation>
    </message>
    <message>
        <source>You have %1. The download is checked against Marklode&apos;s release key before it is kept.</source>
        <translation>Vous avez %1. Le téléchargement est vérifié avec la clé de publication de Marklode avant d&apos;être conservé.</translation>
    </message>
    <message>
        <source>Downloading %1…</source>
        <translation>Téléchargement de %1…</translation>
    </message>
    <message>
        <source>%1 is ready to install</source>
        <translation>%1 est prêt à être installé</translation>
    </message>
    <message>
        <source>The download was verified and saved as %1 in %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the folder it was saved in.</extracomment>
        <translation>Le téléchargement a été vérifié et enregistré sous %1 dans %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Impossible de rechercher des mises à jour</translation>
    </message>
    <message>
        <source>The update couldn&apos;t be verified</source>
        <translation>Impossible de vérifier la mise à jour</translation>
    </message>
    <message>
        <source>Couldn&apos;t download the update</source>
        <translation>Impossible de télécharger la mise à jour</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open with Package Installer</source>
        <translation>Ouvrir avec l&apos;installateur de paquets</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notes de version</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>This GPX file is damaged or not valid XML (problem near line %1).</source>
        <translation>Ce fichier GPX est endommagé ou n&apos;est pas un XML valide (problème vers la ligne %1).</translation>
    </message>
    <message>
        <source>This KML file is damaged or not valid XML (problem near line %1).</source>
        <translation>Ce fichier KML est endommagé ou n&apos;est pas un XML valide (problème vers la ligne %1).</translation>
    </message>
    <message>
        <source>The KML document inside this KMZ file is damaged or not valid XML (problem near line %1).</source>
        <translation>Le document KML contenu dans ce fichier KMZ est endommagé ou n&apos;est pas un XML valide (problème vers la ligne %1).</translation>
    </message>
    <message>
        <source>This KMZ file is damaged or not a zip archive. Save or export it again and try again.</source>
        <translation>Ce fichier KMZ est endommagé ou n&apos;est pas une archive ZIP. Enregistrez-le ou exportez-le à nouveau, puis réessayez.</translation>
    </message>
    <message>
        <source>This KMZ file holds no KML document, so it has no places to import.</source>
        <translation>Ce fichier KMZ ne contient aucun document KML, il n&apos;y a donc aucun lieu à importer.</translation>
    </message>
    <message>
        <source>The KML document inside this KMZ file unpacks to more than %1, more than Marklode reads. Split it into smaller files.</source>
        <translation>Une fois décompressé, le document KML contenu dans ce fichier KMZ dépasse %1, soit plus que ce que Marklode peut lire. Divisez-le en fichiers plus petits.</translation>
    </message>
    <message>
        <source>This GeoJSON file is damaged or not valid JSON (problem near line %1).</source>
        <translation>Ce fichier GeoJSON est endommagé ou n&apos;est pas un JSON valide (problème vers la ligne %1).</translation>
    </message>
    <message>
        <source>This GeoJSON file is damaged or not valid JSON.</source>
        <translation>Ce fichier GeoJSON est endommagé ou n&apos;est pas un JSON valide.</translation>
    </message>
    <message>
        <source>This GeoJSON file&apos;s text is not UTF-8, as JSON must be. Save it as UTF-8 and try again.</source>
        <translation>Le texte de ce fichier GeoJSON n&apos;est pas en UTF-8, comme l&apos;exige JSON. Enregistrez-le en UTF-8 et réessayez.</translation>
    </message>
    <message>
        <source>This file is not GeoJSON. Marklode reads a GeoJSON FeatureCollection or a single Feature.</source>
        <translation>Ce fichier n&apos;est pas au format GeoJSON. Marklode lit une FeatureCollection GeoJSON ou une Feature unique.</translation>
    </message>
    <message>
        <source>This GeoJSON FeatureCollection has no list of features.</source>
        <translation>Cette FeatureCollection GeoJSON ne contient pas de liste d&apos;entités.</translation>
    </message>
    <message>
        <source>This file holds a %1, but Marklode reads only a GeoJSON FeatureCollection or a single Feature.</source>
        <extracomment>%1 is the GeoJSON type the file holds, such as &quot;Point&quot;.</extracomment>
        <translation>Ce fichier contient le type %1, mais Marklode ne lit qu&apos;une FeatureCollection GeoJSON ou une Feature unique.</translation>
    </message>
    <message>
        <source>The file&apos;s text could not be read. Save it as UTF-8 or Windows-1252 and try again.</source>
        <translation>Le texte du fichier n&apos;a pas pu être lu. Enregistrez-le en UTF-8 ou Windows-1252 et réessayez.</translation>
    </message>
    <message>
        <source>%1 has an invalid position (%2, %3).</source>
        <extracomment>%1 is the POI&apos;s name, %2 and %3 its latitude and longitude.</extracomment>
        <translation>%1 a une position non valide (%2, %3).</translation>
    </message>
    <message>
        <source>A name or comment is too long to store in a Garmin file.</source>
        <translation>Un nom ou un commentaire est trop long pour être enregistré dans un fichier Garmin.</translation>
    </message>
    <message>
        <source>%1 has a speed or distance that is too large or negative.</source>
        <translation>%1 a une vitesse ou une distance trop grande ou négative.</translation>
    </message>
    <message>
        <source>A Garmin file can hold at most %1 categories, but this one would have %2. Use fewer files.</source>
        <translation>Un fichier Garmin peut contenir au plus %1 catégories, mais celui-ci en aurait %2. Utilisez moins de fichiers.</translation>
    </message>
    <message>
        <source>%1 would take %2 in a Garmin file, but a category can take at most %3. Split its POIs into smaller files.</source>
        <extracomment>%1 is the category&apos;s name, %2 and %3 sizes such as &quot;1.2 MB&quot;.</extracomment>
        <translation>%1 occuperait %2 dans un fichier Garmin, mais une catégorie peut occuper au plus %3. Répartissez ses points d&apos;intérêt dans des fichiers plus petits.</translation>
    </message>
    <message>
        <source>Enter a category name before saving.</source>
        <translation>Saisissez un nom de catégorie avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged or not a Garmin POI file, so nothing was changed on the device.</source>
        <translation>La sauvegarde %1 est endommagée ou n&apos;est pas un fichier de points d&apos;intérêt Garmin, rien n&apos;a donc été modifié sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>The backup %1 couldn&apos;t be read, so nothing was changed on the device. %2</source>
        <extracomment>%2 is the system&apos;s own description of the error.</extracomment>
        <translation>La sauvegarde %1 n&apos;a pas pu être lue, rien n&apos;a donc été modifié sur l&apos;appareil. %2</translation>
    </message>
    <message>
        <source>%1 is not one of the backups of %2.</source>
        <extracomment>%1 is the name of a backup, %2 the device&apos;s name.</extracomment>
        <translation>%1 ne fait pas partie des sauvegardes de %2.</translation>
    </message>
    <message>
        <source>Use a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Utilisez un BMP 24 bits d&apos;au plus 24×24 pixels.</translation>
    </message>
    <message>
        <source>Use a smaller image.</source>
        <translation>Utilisez une image plus petite.</translation>
    </message>
    <message>
        <source>Save it again from an image editor, or use another image.</source>
        <translation>Enregistrez-la à nouveau depuis un éditeur d&apos;images ou utilisez une autre image.</translation>
    </message>
    <message>
        <source>Use a PNG or JPEG image, or a 24-bit BMP of at most 24×24 pixels.</source>
        <translation>Utilisez une image PNG ou JPEG, ou un BMP 24 bits d&apos;au plus 24×24 pixels.</translation>
    </message>
    <message>
        <source>Marklode reads only regular files, not pipes, devices or sockets.</source>
        <translation>Marklode ne lit que des fichiers ordinaires, pas des tubes, des périphériques ni des sockets.</translation>
    </message>
    <message>
        <source>The file is too large for Marklode to read.</source>
        <translation>Le fichier est trop volumineux pour que Marklode puisse le lire.</translation>
    </message>
    <message>
        <source>Marklode doesn&apos;t have permission to read this file.</source>
        <translation>Marklode n&apos;a pas l&apos;autorisation de lire ce fichier.</translation>
    </message>
    <message>
        <source>Marklode doesn&apos;t have permission to save there. Choose another folder.</source>
        <translation>Marklode n&apos;a pas l&apos;autorisation d&apos;enregistrer à cet emplacement. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>Le fichier n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Something went wrong: %1.</source>
        <extracomment>%1 is the system&apos;s own description of the error.</extracomment>
        <translation>Une erreur s&apos;est produite&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The icon can&apos;t be used. %1 %2</source>
        <extracomment>%1 says what is wrong with the icon, %2 what to use instead.</extracomment>
        <translation>L&apos;icône ne peut pas être utilisée. %1 %2</translation>
    </message>
    <message>
        <source>The Garmin file Marklode built is damaged, so nothing was written. Please report this.</source>
        <translation>Le fichier Garmin créé par Marklode est endommagé, rien n&apos;a donc été écrit. Veuillez signaler ce problème.</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <extracomment>%1 is the program&apos;s own description of the error.</extracomment>
        <translation>Une erreur s&apos;est produite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Something went wrong: an unknown error occurred.</source>
        <translation>Une erreur s&apos;est produite&#xa0;: erreur inconnue.</translation>
    </message>
</context>
<context>
    <name>marklode::AboutWindow</name>
    <message>
        <source>Version Info Copied</source>
        <translation>Informations de version copiées</translation>
    </message>
    <message>
        <source>Copy Version Info</source>
        <translation>Copier les informations de version</translation>
    </message>
    <message>
        <source>Marklode is free software under the %1, version 3 or later.</source>
        <translation>Marklode est un logiciel libre distribué sous la %1, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <translation>Licence publique générale GNU</translation>
    </message>
    <message>
        <source>Map tiles © %1. Built-in map outlines from %2 (public domain).</source>
        <translation>Tuiles de carte © %1. Contours de carte intégrés issus de %2 (domaine public).</translation>
    </message>
    <message>
        <source>OpenStreetMap contributors</source>
        <translation>contributeurs d&apos;OpenStreetMap</translation>
    </message>
    <message>
        <source>Made with Qt (LGPL-3.0), expat (MIT), utf8proc (MIT), libsodium (ISC), libzip (BSD-3-Clause), simdjson (Apache-2.0), libpng (libpng-2.0) and libjpeg-turbo (IJG, BSD-3-Clause).</source>
        <translation>Réalisé avec Qt (LGPL-3.0), expat (MIT), utf8proc (MIT), libsodium (ISC), libzip (BSD-3-Clause), simdjson (Apache-2.0), libpng (libpng-2.0) et libjpeg-turbo (IJG, BSD-3-Clause).</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <extracomment>The version the user knows, then the build number.</extracomment>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>About Marklode</source>
        <translation>À propos de Marklode</translation>
    </message>
    <message>
        <source>Marklode icon</source>
        <translation>Icône de Marklode</translation>
    </message>
    <message>
        <source>Converts CSV and GPX points of interest to Garmin .gpi files.</source>
        <translation>Convertit des points d&apos;intérêt CSV et GPX en fichiers .gpi Garmin.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>Assistance par e-mail</translation>
    </message>
    <message>
        <source>Not affiliated with Garmin Ltd. Garmin is a trademark of Garmin Ltd.</source>
        <translation>Non affilié à Garmin Ltd. Garmin est une marque de Garmin Ltd.</translation>
    </message>
</context>
<context>
    <name>marklode::CategoryList</name>
    <message>
        <source>Categories in the file</source>
        <translation>Catégories du fichier</translation>
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
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>Points d&apos;intérêt</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Don&apos;t disconnect the device until Marklode says it&apos;s done.</source>
        <translation>Ne déconnectez pas l&apos;appareil avant que Marklode indique que c&apos;est terminé.</translation>
    </message>
</context>
<context>
    <name>marklode::DeviceActionBar</name>
    <message>
        <source>Send to Device…</source>
        <translation>Envoyer vers l&apos;appareil…</translation>
    </message>
    <message>
        <source>Writing to device…</source>
        <translation>Écriture sur l&apos;appareil…</translation>
    </message>
    <message>
        <source>Write all files to %1 as one poi.gpi.</source>
        <translation>Écrire tous les fichiers sur %1 en un seul poi.gpi.</translation>
    </message>
    <message>
        <source>Connect a Garmin device or SD card first.</source>
        <translation>Connectez d&apos;abord un appareil Garmin ou une carte SD.</translation>
    </message>
</context>
<context>
    <name>marklode::DeviceActions</name>
    <message>
        <source>Remove Custom POIs…</source>
        <translation>Supprimer les points d&apos;intérêt personnalisés…</translation>
    </message>
    <message>
        <source>Show Backups in File Manager</source>
        <translation>Afficher les sauvegardes dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Send to Device…</source>
        <translation>Envoyer vers l&apos;appareil…</translation>
    </message>
    <message>
        <source>Remove Custom POIs from Device…</source>
        <translation>Supprimer les points d&apos;intérêt personnalisés de l&apos;appareil…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Restaurer une sauvegarde…</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Éjecter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Eject %1</source>
        <translation>Éjecter %1</translation>
    </message>
    <message>
        <source>Show Backup in File Manager</source>
        <translation>Afficher la sauvegarde dans le gestionnaire de fichiers</translation>
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
        <translation>Déposez des fichiers .csv ou .gpx ici</translation>
    </message>
    <message>
        <source>You can drop several files at once, or a folder that contains them.</source>
        <translation>Vous pouvez déposer plusieurs fichiers à la fois, ou un dossier qui les contient.</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
</context>
<context>
    <name>marklode::FileDetailView</name>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>Under the file&apos;s name in the window&apos;s title bar: how many POIs the file has.</extracomment>
        <translation>
            <numerusform>%1 point d&apos;intérêt</numerusform>
            <numerusform>%1 points d&apos;intérêt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marklode::IconPreview</name>
    <message>
        <source>Icon preview</source>
        <translation>Aperçu de l&apos;icône</translation>
    </message>
</context>
<context>
    <name>marklode::IssuesPopover</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy every skipped row with its line to the clipboard</source>
        <translation>Copier chaque ligne ignorée avec son numéro de ligne dans le presse-papiers</translation>
    </message>
    <message>
        <source>Skipped rows in %1</source>
        <translation>Lignes ignorées dans %1</translation>
    </message>
    <message>
        <source>These rows were not imported. Fix them in the file and add it again.</source>
        <translation>Ces lignes n&apos;ont pas été importées. Corrigez-les dans le fichier, puis ajoutez-le à nouveau.</translation>
    </message>
    <message>
        <source>Skipped rows</source>
        <translation>Lignes ignorées</translation>
    </message>
</context>
<context>
    <name>marklode::LibraryUndo</name>
    <message>
        <source>Change Category Name</source>
        <translation>Modifier le nom de la catégorie</translation>
    </message>
    <message>
        <source>Change Categories</source>
        <translation>Modifier les catégories</translation>
    </message>
    <message>
        <source>Change Speed Unit</source>
        <translation>Modifier l&apos;unité de vitesse</translation>
    </message>
    <message>
        <source>Change Proximity Alerts</source>
        <translation>Modifier les alertes de proximité</translation>
    </message>
    <message>
        <source>Change Distance Unit</source>
        <translation>Modifier l&apos;unité de distance</translation>
    </message>
    <message>
        <source>Change Distance</source>
        <translation>Modifier la distance</translation>
    </message>
    <message>
        <source>Change Icon</source>
        <translation>Modifier l&apos;icône</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Supprimer de la liste</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Tout fermer</translation>
    </message>
</context>
<context>
    <name>marklode::MainWindow</name>
    <message>
        <source>Save as One File…</source>
        <translation>Enregistrer en un seul fichier…</translation>
    </message>
    <message>
        <source>Save one .gpi file with a category for each input file, as a device gets it</source>
        <translation>Enregistrer un seul fichier .gpi avec une catégorie par fichier d&apos;entrée, tel que l&apos;appareil le reçoit</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Read the selected file again from the disk</source>
        <translation>Relire le fichier sélectionné depuis le disque</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Tout fermer</translation>
    </message>
    <message>
        <source>Take every file off the list</source>
        <translation>Supprimer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Quit while writing to the device?</source>
        <translation>Quitter pendant l&apos;écriture sur l&apos;appareil ?</translation>
    </message>
    <message>
        <source>Marklode is still writing to the device. Quitting now could leave its custom POIs damaged.</source>
        <translation>Marklode écrit encore sur l&apos;appareil. Quitter maintenant pourrait endommager ses points d&apos;intérêt personnalisés.</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Quitter quand même</translation>
    </message>
    <message>
        <source>Keep Writing</source>
        <translation>Continuer l&apos;écriture</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Effacer le menu</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message>
        <source>Add .csv or .gpx files, or a folder</source>
        <translation>Ajouter des fichiers .csv ou .gpx, ou un dossier</translation>
    </message>
    <message>
        <source>Save .gpi…</source>
        <translation>Enregistrer en .gpi…</translation>
    </message>
    <message>
        <source>Save the selected file as a .gpi file</source>
        <translation>Enregistrer le fichier sélectionné en fichier .gpi</translation>
    </message>
    <message>
        <source>Save All…</source>
        <translation>Tout enregistrer…</translation>
    </message>
    <message>
        <source>Save one .gpi file per input file into a folder</source>
        <translation>Enregistrer un fichier .gpi par fichier d&apos;entrée dans un dossier</translation>
    </message>
    <message>
        <source>File actions</source>
        <translation>Actions sur les fichiers</translation>
    </message>
    <message>
        <source>More file actions</source>
        <translation>Autres actions sur les fichiers</translation>
    </message>
    <message>
        <source>Search POIs</source>
        <translation>Rechercher des points d&apos;intérêt</translation>
    </message>
</context>
<context>
    <name>marklode::MarklodeApp</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>A&amp;ppareil</translation>
    </message>
    <message>
        <source>Running tests</source>
        <translation>Tests en cours</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About Marklode</source>
        <translation>À propos de Marklode</translation>
    </message>
</context>
<context>
    <name>marklode::NoDeviceHelp</name>
    <message>
        <source>No Garmin found</source>
        <translation>Aucun Garmin trouvé</translation>
    </message>
    <message>
        <source>Why isn&apos;t my Garmin shown?</source>
        <translation>Pourquoi mon Garmin n&apos;apparaît-il pas&#xa0;?</translation>
    </message>
    <message>
        <source>Your Garmin may use MTP mode</source>
        <translation>Votre Garmin utilise peut-être le mode MTP</translation>
    </message>
    <message>
        <source>Your Garmin may use MTP mode. Save the .gpi file and copy it with your file manager into Garmin/POI/.</source>
        <translation>Votre Garmin utilise peut-être le mode MTP. Enregistrez le fichier .gpi et copiez-le dans Garmin/POI/ avec votre gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>Older Garmin devices and SD cards appear here as soon as they are connected and mounted.</source>
        <translation>Les appareils Garmin plus anciens et les cartes SD apparaissent ici dès qu&apos;ils sont connectés et montés.</translation>
    </message>
</context>
<context>
    <name>marklode::POITable</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>Points d&apos;intérêt</translation>
    </message>
</context>
<context>
    <name>marklode::POITableModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
</context>
<context>
    <name>marklode::RestoreBackupDialog</name>
    <message>
        <source>Restore Backup to %1</source>
        <translation>Restaurer une sauvegarde sur %1</translation>
    </message>
    <message>
        <source>Choose the backup to put back on %1. Newest first.</source>
        <translation>Choisissez la sauvegarde à remettre sur %1. Les plus récentes d&apos;abord.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>POIs</source>
        <translation>Points d&apos;intérêt</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Endommagée</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restaurer…</translation>
    </message>
</context>
<context>
    <name>marklode::SearchField</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Search POIs</source>
        <translation>Rechercher des points d&apos;intérêt</translation>
    </message>
</context>
<context>
    <name>marklode::SendConfirmationSheet</name>
    <message>
        <source>Send to %1?</source>
        <translation>Envoyer vers %1&#xa0;?</translation>
    </message>
    <message>
        <source>The custom POIs already on this device will be replaced. Marklode backs them up first.</source>
        <translation>Les points d&apos;intérêt personnalisés déjà présents sur cet appareil seront remplacés. Marklode les sauvegarde d&apos;abord.</translation>
    </message>
    <message>
        <source>This device has no custom POIs yet.</source>
        <translation>Cet appareil n&apos;a pas encore de points d&apos;intérêt personnalisés.</translation>
    </message>
    <message>
        <source>Back Up and Replace</source>
        <translation>Sauvegarder et remplacer</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>marklode::SettingsForm</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>One for the file</source>
        <translation>Une pour le fichier</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Celles du fichier</translation>
    </message>
    <message>
        <source>Choose Icon…</source>
        <translation>Choisir une icône…</translation>
    </message>
    <message>
        <source>Category shown on the device</source>
        <translation>Catégorie affichée sur l&apos;appareil</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>Speed in names (“@50”)</source>
        <extracomment>The speed limit written after a POI&apos;s name, e.g. &quot;Radar @50&quot;.</extracomment>
        <translation>Vitesse dans les noms («&#xa0;@50&#xa0;»)</translation>
    </message>
    <message>
        <source>Proximity alerts</source>
        <translation>Alertes de proximité</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Proximity alerts: none.</extracomment>
        <translation>Désactivées</translation>
    </message>
    <message>
        <source>Use values from file</source>
        <translation>Utiliser les valeurs du fichier</translation>
    </message>
    <message>
        <source>One distance for all</source>
        <translation>Une distance pour tous</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Use Default</source>
        <translation>Utiliser l&apos;icône par défaut</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Marklode default</source>
        <translation>Icône par défaut de Marklode</translation>
    </message>
</context>
<context>
    <name>marklode::ShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Files and devices</source>
        <translation>Fichiers et appareils</translation>
    </message>
    <message>
        <source>Remove the selected file from the list</source>
        <translation>Supprimer le fichier sélectionné de la liste</translation>
    </message>
    <message>
        <source>Open the menu of the selected file or device</source>
        <translation>Ouvrir le menu du fichier ou de l&apos;appareil sélectionné</translation>
    </message>
    <message>
        <source>Show the skipped rows of the selected file</source>
        <translation>Afficher les lignes ignorées du fichier sélectionné</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Move the map</source>
        <translation>Déplacer la carte</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
</context>
<context>
    <name>marklode::Sidebar</name>
    <message>
        <source>Wait until writing has finished.</source>
        <translation>Attendez la fin de l&apos;écriture.</translation>
    </message>
    <message>
        <source>Eject %1</source>
        <translation>Éjecter %1</translation>
    </message>
    <message>
        <source>Files and devices</source>
        <translation>Fichiers et appareils</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Supprimer de la liste</translation>
    </message>
</context>
<context>
    <name>marklode::SidebarModel</name>
    <message>
        <source>No longer on disk</source>
        <translation>N&apos;est plus sur le disque</translation>
    </message>
    <message>
        <source>%1 · deleted on disk</source>
        <extracomment>A file&apos;s POI count, then that the file is gone from the disk: &quot;12 POIs · deleted on disk&quot;.</extracomment>
        <translation>%1 · supprimé du disque</translation>
    </message>
    <message numerus="yes">
        <source>%1 POIs</source>
        <extracomment>A file&apos;s POI count, the number grouped as the locale groups it: &quot;1,204 POIs&quot;.</extracomment>
        <translation>
            <numerusform>%1 point d&apos;intérêt</numerusform>
            <numerusform>%1 points d&apos;intérêt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows were skipped. Click to see why.</source>
        <translation>
            <numerusform>%n ligne a été ignorée. Cliquez pour savoir pourquoi.</numerusform>
            <numerusform>%n lignes ont été ignorées. Cliquez pour savoir pourquoi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Drop .csv or .gpx files to begin.</source>
        <translation>Déposez des fichiers .csv ou .gpx pour commencer.</translation>
    </message>
    <message>
        <source>No Garmin found</source>
        <translation>Aucun Garmin trouvé</translation>
    </message>
    <message>
        <source>Why isn&apos;t my Garmin shown?</source>
        <translation>Pourquoi mon Garmin n&apos;apparaît-il pas ?</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lecture…</translation>
    </message>
    <message>
        <source>Could not read file</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>SD card · %1</source>
        <extracomment>A memory card in a device, then its volume&apos;s name.</extracomment>
        <translation>Carte SD · %1</translation>
    </message>
</context>
<context>
    <name>marklode::SkippedRowsModel</name>
    <message numerus="yes">
        <source>%1 rows</source>
        <extracomment>How many rows were skipped for one reason, the number grouped as the locale groups it.</extracomment>
        <translation>
            <numerusform>%1 ligne</numerusform>
            <numerusform>%1 lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>feature %1</source>
        <translation>entité %1</translation>
    </message>
    <message>
        <source>features %1 and %2</source>
        <extracomment>The positions of two skipped features of a GeoJSON file.</extracomment>
        <translation>entités %1 et %2</translation>
    </message>
    <message>
        <source>features %1, %2 and %3</source>
        <translation>entités %1, %2 et %3</translation>
    </message>
    <message numerus="yes">
        <source>features %1, %2, %3 and %4 more</source>
        <translation>
            <numerusform>entités %1, %2, %3 et %4 autre</numerusform>
            <numerusform>entités %1, %2, %3 et %4 autres</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <extracomment>The lines of two skipped rows.</extracomment>
        <translation>lignes %1 et %2</translation>
    </message>
    <message>
        <source>lines %1, %2 and %3</source>
        <translation>lignes %1, %2 et %3</translation>
    </message>
    <message numerus="yes">
        <source>lines %1, %2, %3 and %4 more</source>
        <extracomment>The first three lines of the skipped rows, then how many more there are.</extracomment>
        <translation>
            <numerusform>lignes %1, %2, %3 et %4 autre</numerusform>
            <numerusform>lignes %1, %2, %3 et %4 autres</numerusform>
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
        <translation>Entité %1</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Skipped rows</source>
        <translation>Lignes ignorées</translation>
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
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
</context>
<context>
    <name>marklode::map::MapView</name>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
</context>
</TS>
