<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AtomicFile</name>
    <message>
        <source>le disque est plein (%1).</source>
        <translation>the disk is full (%1).</translation>
    </message>
    <message>
        <source>le dossier ou le fichier est protégé en écriture (%1).</source>
        <translation>the folder or the file is write-protected (%1).</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture inconnue.</source>
        <translation>unknown write error.</translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres).</source>
        <translation>the disk is full (%1 bytes free).</translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source> Utc</source>
        <translation> UTC</translation>
    </message>
    <message>
        <source> Loc</source>
        <translation> loc.</translation>
    </message>
</context>
<context>
    <name>Cp1252</name>
    <message>
        <source>« %1 » (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>Le caractère %1 ne peut pas être enregistré dans le log : le journal et les listes sont en Windows-1252, qui ne connaît pas ce caractère.<byte value="xd"/>
Remplacez-le par un caractère sans signe particulier ou supprimez-le.</source>
        <translation>The character %1 cannot be saved in the log: the log and the lists are in Windows-1252, which does not know this character.<byte value="xd"/>
Replace it with a plain character or delete it.</translation>
    </message>
    <message>
        <source>Le caractère de contrôle %1 ne peut pas être enregistré dans le log.<byte value="xd"/>
Supprimez-le.</source>
        <translation>The control character %1 cannot be saved in the log.<byte value="xd"/>
Delete it.</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <source>Entrez un indicatif</source>
        <translation>Enter a callsign</translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <translation>12 characters at most for the callsign</translation>
    </message>
    <message>
        <source>15 caracteres maxi pour le Prenom</source>
        <translation>15 characters at most for the name</translation>
    </message>
    <message>
        <source>Entrez une Reference</source>
        <translation>Enter a reference</translation>
    </message>
    <message>
        <source>6 caracteres pour la reference</source>
        <translation>6 characters for the reference</translation>
    </message>
    <message>
        <source>4 caracteres pour le Locator ou rien</source>
        <translation>4 characters for the locator, or none</translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <translation>Enter a date</translation>
    </message>
    <message>
        <source>Le format de la date doit etre JJ/MM/AA</source>
        <translation>The date must be written DD/MM/YY</translation>
    </message>
    <message>
        <source>Entrez une Heure</source>
        <translation>Enter a time</translation>
    </message>
    <message>
        <source>Le format de l&apos;heure doit etre HH:MM</source>
        <translation>The time must be written HH:MM</translation>
    </message>
    <message>
        <source>Entrez un Mode</source>
        <translation>Enter a mode</translation>
    </message>
    <message>
        <source>6 caracteres maxi pour le Mode</source>
        <translation>6 characters at most for the mode</translation>
    </message>
    <message>
        <source>Le log ne garde que 3 caractères pour le Mode : choisissez SSB, CW ou FM, ou un mode de 3 caractères au plus</source>
        <translation>The log keeps only 3 characters for the mode: choose SSB, CW or FM, or a mode of 3 characters at most</translation>
    </message>
    <message>
        <source>Entrez une QRG</source>
        <translation>Enter a QRG</translation>
    </message>
    <message>
        <source>7 caracteres maxi pour la QRG</source>
        <translation>7 characters at most for the QRG</translation>
    </message>
    <message>
        <source>Entrez un Report</source>
        <translation>Enter a report</translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Report</source>
        <translation>3 characters at most for the report</translation>
    </message>
    <message>
        <source>R (de RST)doit etre compris entre 0 et 5</source>
        <translation>R (of RST) must be between 0 and 5</translation>
    </message>
    <message>
        <source>60 caracteres maxi pour le nom de l&apos;Abbaye</source>
        <translation>60 characters at most for the abbey name</translation>
    </message>
    <message>
        <source><byte value="xd"/>
         Premiere installation, vous devez entrer votre Indicatif<byte value="xd"/>
<byte value="xd"/>
Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.</source>
        <translation><byte value="xd"/>
         First installation: you must enter your callsign<byte value="xd"/>
<byte value="xd"/>
To do so, in the menu bar go to Station, then New callsign.</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>le fichier est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>the file is being changed by another copy of KVR_ZEL.</translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé : le dossier %2 est protégé en écriture (%3).</source>
        <translation>the lock file %1 cannot be created: the folder %2 is write-protected (%3).</translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé : le disque est plein (%2).</source>
        <translation>the lock file %1 cannot be created: the disk is full (%2).</translation>
    </message>
    <message>
        <source>le fichier de verrou %1 est un lien symbolique ou n&apos;est pas un fichier ordinaire ; KVR_ZEL n&apos;écrit pas à travers un lien. Supprimez %1 du dossier %2, puis recommencez.</source>
        <translation>the lock file %1 is a symbolic link or not a regular file; KVR_ZEL does not write through a link. Delete %1 from the folder %2, then try again.</translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé ni verrouillé (%2).</source>
        <translation>the lock file %1 can be neither created nor locked (%2).</translation>
    </message>
    <message>
        <source>erreur inconnue</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>HostName</name>
    <message>
        <source>Hôte introuvable : « %1 » n&apos;est ni un nom ni une adresse</source>
        <translation>Host not found: “%1” is neither a name nor an address</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>La langue choisie sera utilisée au prochain démarrage du programme.</source>
        <translation>The chosen language will be used the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (un tube, un périphérique ou un dossier porte ce nom) : il n&apos;a pas été lu.</source>
        <translation>it is not a regular file (a pipe, a device or a folder has this name): it was not read.</translation>
    </message>
</context>
<context>
    <name>LogProblems</name>
    <message>
        <source>Le journal %1 ne peut pas être lu :<byte value="xd"/>
%2</source>
        <translation>The log %1 cannot be read:<byte value="xd"/>
%2</translation>
    </message>
    <message numerus="yes">
        <source>Le journal %1 contient %n ligne(s) qui ne sont pas des QSO tels que KVR_ZEL les écrit (138 caractères, sans caractère de contrôle) : ligne(s) %2.</source>
        <translation>
            <numerusform>The log %1 holds %n line that is not a QSO as KVR_ZEL writes them (138 characters, no control character): line %2.</numerusform>
            <numerusform>The log %1 holds %n lines that are not QSOs as KVR_ZEL writes them (138 characters, no control character): lines %2.</numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Ce fichier semble être en UTF-8 (converti par un autre programme) et non en Windows-1252 : ses lettres accentuées y occupent deux caractères, ce qui décale les colonnes. Enregistré à nouveau en Windows-1252, il redeviendrait lisible.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
This file seems to be in UTF-8 (converted by another program) rather than Windows-1252: its accented letters take two characters there, which shifts the columns. Saved again in Windows-1252, it would be readable again.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Elles sont affichées dans la liste et conservées telles quelles.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
They are shown in the list and kept as they are.</translation>
    </message>
</context>
<context>
    <name>LogRewriter</name>
    <message>
        <source>Impossible d&apos;enregistrer le journal %1 :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le journal n&apos;a pas été modifié et la saisie est conservée.</source>
        <translation>The log %1 could not be saved:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The log was not changed and the entry is kept.</translation>
    </message>
    <message>
        <source>le journal est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>the log is being changed by another copy of KVR_ZEL.</translation>
    </message>
    <message>
        <source>ce QSO a été modifié entre-temps dans le journal (par une autre copie de KVR_ZEL ou un autre programme) et n&apos;y est plus tel qu&apos;il était affiché.<byte value="xd"/>
La liste montre maintenant le journal tel qu&apos;il est ; sélectionnez de nouveau le QSO.</source>
        <translation>this QSO was changed in the log meanwhile (by another copy of KVR_ZEL or another program) and is no longer as it was shown.<byte value="xd"/>
The list now shows the log as it is; select the QSO again.</translation>
    </message>
    <message>
        <source>demande de réécriture incohérente.</source>
        <translation>inconsistent rewrite request.</translation>
    </message>
    <message>
        <source>le journal a été modifié entre-temps (par une autre copie de KVR_ZEL ou un autre programme) ; recommencez.</source>
        <translation>the log was changed meanwhile (by another copy of KVR_ZEL or another program); try again.</translation>
    </message>
    <message>
        <source>l&apos;abbaye %1 est déjà dans le journal (il a été modifié entre-temps ?) ; relancez l&apos;importation.</source>
        <translation>the abbey %1 is already in the log (was it changed meanwhile?); run the import again.</translation>
    </message>
    <message>
        <source>le journal a été modifié entre-temps ; %1</source>
        <translation>the log was changed meanwhile; %1</translation>
    </message>
    <message>
        <source>relancez la recherche.</source>
        <translation>run the search again.</translation>
    </message>
    <message numerus="yes">
        <source>le journal sur le disque compte %n QSO de moins que celui affiché : une autre copie de KVR_ZEL ou un autre programme l&apos;a modifié, tronqué ou remplacé entre-temps.<byte value="xd"/>
La liste montre maintenant le journal tel qu&apos;il est ; vérifiez-le, puis validez de nouveau.</source>
        <translation>
            <numerusform>the log on the disk holds %n QSO fewer than the one shown: another copy of KVR_ZEL or another program has changed, cut or replaced it meanwhile.<byte value="xd"/>
The list now shows the log as it is; check it, then log the QSO again.</numerusform>
            <numerusform>the log on the disk holds %n QSOs fewer than the one shown: another copy of KVR_ZEL or another program has changed, cut or replaced it meanwhile.<byte value="xd"/>
The list now shows the log as it is; check it, then log the QSO again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogSession</name>
    <message>
        <source>Aucune station n&apos;est encore choisie : le QSO n&apos;a pas été enregistré.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>No station has been chosen yet: the QSO was not saved.<byte value="xd"/>
<byte value="xd"/>
Create the station first (Station menu, New callsign).</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>INDICATIF DE LA STATION  : </source>
        <translation>STATION CALLSIGN  : </translation>
    </message>
    <message>
        <source>Mode de saisie</source>
        <translation>Entry mode</translation>
    </message>
    <message>
        <source>Date UTC</source>
        <translation>UTC date</translation>
    </message>
    <message>
        <source>Heure UTC</source>
        <translation>UTC time</translation>
    </message>
    <message>
        <source>Heure locale</source>
        <translation>Local time</translation>
    </message>
    <message>
        <source>Saisie ou modification d&apos;un QSO</source>
        <translation>Enter or edit a QSO</translation>
    </message>
    <message>
        <source>&amp;QSL</source>
        <translation>&amp;QSL</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Prenom (optionel)</source>
        <translation>Name (optional)</translation>
    </message>
    <message>
        <source>Ref Abbaye </source>
        <translation>Abbey ref. </translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>QRG</source>
        <translation>QRG</translation>
    </message>
    <message>
        <source>RST R</source>
        <translation>RST Rx</translation>
    </message>
    <message>
        <source>RST E</source>
        <translation>RST Tx</translation>
    </message>
    <message>
        <source>Mom de l&apos;Abbaye</source>
        <translation>Abbey name</translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation>Abbey name</translation>
    </message>
    <message>
        <source>QSL reçue</source>
        <translation>QSL received</translation>
    </message>
    <message>
        <source>&amp;Valider le QSO</source>
        <translation>&amp;Log the QSO</translation>
    </message>
    <message>
        <source>Validation de la saisie en cours</source>
        <translation>Logs the QSO being entered</translation>
    </message>
    <message>
        <source>&amp;Effacer saisie en cours</source>
        <translation>&amp;Clear current entry</translation>
    </message>
    <message>
        <source>Annulation de la saisie en cours</source>
        <translation>Drops the QSO being entered</translation>
    </message>
    <message>
        <source>S&amp;upprimer un QSO</source>
        <translation>&amp;Delete a QSO</translation>
    </message>
    <message>
        <source>Permet de supprimer un QSO</source>
        <translation>Deletes a QSO</translation>
    </message>
    <message>
        <source>&amp;Inserer un QSO</source>
        <translation>&amp;Insert a QSO</translation>
    </message>
    <message>
        <source>Permet d&apos;insérer un QSO</source>
        <translation>Inserts a QSO</translation>
    </message>
    <message>
        <source>&amp;Rechercher un QSO</source>
        <translation>Sea&amp;rch for a QSO</translation>
    </message>
    <message>
        <source>Permet la recherche d&apos;un QSO</source>
        <translation>Searches for a QSO</translation>
    </message>
    <message>
        <source>&amp;Gestion des QSL</source>
        <translation>QSL mana&amp;gement</translation>
    </message>
    <message>
        <source>Un click sur un QSO pour l&apos;afficher ou le supprimer, un double click pour l&apos;éditer</source>
        <translation>Click a QSO to show or delete it, double-click it to edit it</translation>
    </message>
    <message>
        <source>Liste des QSO</source>
        <translation>QSO list</translation>
    </message>
    <message>
        <source>&amp;Ouvrir le dossier des fichiers</source>
        <translation>&amp;Open the files folder</translation>
    </message>
    <message>
        <source>S&amp;tatistiques</source>
        <translation>S&amp;tatistics</translation>
    </message>
    <message>
        <source>des &amp;Regions contactées</source>
        <translation>&amp;Worked regions</translation>
    </message>
    <message>
        <source>&amp;Diplome ZEL</source>
        <translation>&amp;ZEL award</translation>
    </message>
    <message>
        <source>R&amp;eglement</source>
        <translation>&amp;Rules</translation>
    </message>
    <message>
        <source>&amp;Liste des Abbayes contactées</source>
        <translation>&amp;List of worked abbeys</translation>
    </message>
    <message>
        <source>&amp;Scores ZEL</source>
        <translation>ZEL &amp;scores</translation>
    </message>
    <message>
        <source>&amp;QSL à recevoir</source>
        <translation>&amp;QSLs to receive</translation>
    </message>
    <message>
        <source>Abbayes sur l&apos;&amp;air (cluster)</source>
        <translation>&amp;Abbeys on the air (cluster)</translation>
    </message>
    <message>
        <source>&amp;Télécharger les confirmations…</source>
        <translation>&amp;Download confirmations…</translation>
    </message>
    <message>
        <source>&amp;Mettre à jour la liste des abbayes</source>
        <translation>&amp;Update the abbey list</translation>
    </message>
    <message>
        <source>Re&amp;venir à la liste précédente</source>
        <translation>Go &amp;back to the previous list</translation>
    </message>
    <message>
        <source>&amp;Poste radio (CAT)</source>
        <translation>&amp;Transceiver (CAT)</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>     N°   Indicatif    Locator Prenom                  Ref       Date       QTR  Mode   QRG  RSTR RSTE                   Mom de l&apos;Abbaye                                                    QSL</source>
        <translation>     No.  Callsign     Locator Name                    Ref.      Date       Time Mode   QRG  RSTRx RSTTx                 Abbey name                                                         QSL</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quitter KVR_ZEL</source>
        <translation>&amp;Quit KVR_ZEL</translation>
    </message>
    <message>
        <source>&amp;Importer un fichier ADIF</source>
        <translation>&amp;Import an ADIF file</translation>
    </message>
    <message>
        <source>&amp;Exporter le log au format ADIF</source>
        <translation>&amp;Export the log as ADIF</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Station</translation>
    </message>
    <message>
        <source>&amp;Nouvel Indicatif</source>
        <translation>&amp;New callsign</translation>
    </message>
    <message>
        <source>Affic&amp;her</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>les &amp;Abbayes contactées</source>
        <translation>&amp;Worked abbeys</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>A &amp;propos</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Mode d&apos;emploi</source>
        <translation>&amp;User guide</translation>
    </message>
    <message>
        <source>&amp;Historique</source>
        <translation>Version &amp;history</translation>
    </message>
    <message>
        <source>&amp;Carte</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>des &amp;regions contactées</source>
        <translation>&amp;Worked regions</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enregistrement du log en cours…</source>
        <translation>Saving the log…</translation>
    </message>
    <message>
        <source>Le dossier des fichiers n&apos;a pas pu être ouvert :<byte value="xd"/>
%1</source>
        <translation>The files folder could not be opened:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>  KVR_ZEL    Revision %1</source>
        <translation>  KVR_ZEL    Version %1</translation>
    </message>
</context>
<context>
    <name>QsoEntry</name>
    <message>
        <source>Modification QSO</source>
        <translation>Editing QSO</translation>
    </message>
    <message>
        <source>Insertion QSO</source>
        <translation>Inserting QSO</translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <translation>New QSO</translation>
    </message>
    <message>
        <source>%1 Abbaye deja contacté le %2</source>
        <translation>%1 Abbey already worked on %2</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer</source>
        <translation>Click a line to edit it</translation>
    </message>
    <message>
        <source>Voulez vous enregistrer ces données ?</source>
        <translation>Do you want to save this data?</translation>
    </message>
    <message>
        <source>La liste des prénoms n&apos;a pas pu être mise à jour :<byte value="xd"/>
%1</source>
        <translation>The list of names could not be updated:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Une saisie est en cours : elle sera perdue.<byte value="xd"/>
Quitter KVR_ZEL quand même ?</source>
        <translation>A QSO is being entered: it will be lost.<byte value="xd"/>
Quit KVR_ZEL anyway?</translation>
    </message>
    <message>
        <source>Une saisie est en cours : elle sera perdue.<byte value="xd"/>
Commencer un nouveau QSO avec %1 ?</source>
        <translation>A QSO is being entered: it will be lost.<byte value="xd"/>
Start a new QSO with %1?</translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;effacerer</source>
        <translation>Click a line to delete it</translation>
    </message>
    <message>
        <source>Voulez vous Supprimer ce QSO ?</source>
        <translation>Do you want to delete this QSO?</translation>
    </message>
</context>
<context>
    <name>QsoListModel</name>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>Prenom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ref</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>QTR</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>QRG</source>
        <translation>QRG</translation>
    </message>
    <message>
        <source>RSTR</source>
        <translation>RST Rx</translation>
    </message>
    <message>
        <source>RSTE</source>
        <translation>RST Tx</translation>
    </message>
    <message>
        <source>Mom de l&apos;Abbaye</source>
        <translation>Abbey name</translation>
    </message>
    <message>
        <source>QSL</source>
        <translation>QSL</translation>
    </message>
    <message>
        <source>Ligne %1 du journal mal formée : elle est conservée telle quelle.</source>
        <translation>Line %1 of the log is malformed: it is kept as it is.</translation>
    </message>
</context>
<context>
    <name>QsoRecord</name>
    <message>
        <source>la ligne du QSO compte %1 caractères au lieu de %2.</source>
        <translation>the QSO line has %1 characters instead of %2.</translation>
    </message>
    <message>
        <source>la ligne du QSO contient un caractère que le journal (Windows-1252) ne peut pas contenir.</source>
        <translation>the QSO line holds a character that the log (Windows-1252) cannot hold.</translation>
    </message>
    <message>
        <source>la ligne du QSO contient un caractère de contrôle (code %1).</source>
        <translation>the QSO line holds a control character (code %1).</translation>
    </message>
</context>
<context>
    <name>QsoRowsModel</name>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>Prénom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>RST reçu</source>
        <translation>RST rcvd</translation>
    </message>
    <message>
        <source>RST envoyé</source>
        <translation>RST sent</translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation>Abbey name</translation>
    </message>
    <message>
        <source>QSL</source>
        <translation>QSL</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Le fichier de réglages %1 est endommagé (%2 octets, bien plus que des réglages n&apos;en occupent) : il n&apos;a pas été lu.</source>
        <translation>The settings file %1 is damaged (%2 bytes, far more than settings take): it was not read.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Il est gardé sous le nom %1 et KVR_ZEL démarre comme à sa première installation.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
It is kept under the name %1 and KVR_ZEL starts as at its first installation.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Il n&apos;a pas pu être mis de côté : KVR_ZEL démarre comme à sa première installation et ne garde ses réglages que jusqu&apos;à sa fermeture.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
It could not be set aside: KVR_ZEL starts as at its first installation and keeps its settings only until it closes.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le fichier endommagé n&apos;a pas pu être mis de côté.</source>
        <translation>The settings could not be saved in %1: the damaged file could not be set aside.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le disque est plein.</source>
        <translation>The settings could not be saved in %1: the disk is full.</translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le fichier ou son dossier est protégé en écriture.</source>
        <translation>The settings could not be saved in %1: the file or its folder is write-protected.</translation>
    </message>
</context>
<context>
    <name>WaitNotice</name>
    <message>
        <source>Veuillez patienter</source>
        <translation>Please wait</translation>
    </message>
</context>
</TS>
