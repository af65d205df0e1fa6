<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AbbeyList</name>
    <message>
        <source>ATTENTION la liste des abbayes %1 ne peut pas être lue :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La référence n&apos;a pas pu être vérifiée ; entrez vous-même le locator et le nom de l&apos;abbaye.</source>
        <translation>WARNING: the abbey list %1 cannot be read:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The reference could not be checked; enter the locator and the abbey&apos;s name yourself.</translation>
    </message>
    <message>
        <source>ATTENTION la liste des abbayes %1 est introuvable dans le dossier %2 : la référence n&apos;a pas pu être vérifiée.<byte value="xd"/>
<byte value="xd"/>
La liste sera recréée au prochain démarrage de KVR_ZEL. En attendant, entrez vous-même le locator et le nom de l&apos;abbaye.</source>
        <translation>WARNING: the abbey list %1 cannot be found in the folder %2: the reference could not be checked.<byte value="xd"/>
<byte value="xd"/>
The list will be created again the next time KVR_ZEL starts. Meanwhile, enter the locator and the abbey&apos;s name yourself.</translation>
    </message>
    <message>
        <source>ATTENTION cette Abbaye n&apos;est pas referencée</source>
        <translation>WARNING: this abbey is not listed</translation>
    </message>
</context>
<context>
    <name>AbbeyListController</name>
    <message>
        <source>Nouvelle liste des abbayes</source>
        <translation>New abbey list</translation>
    </message>
    <message>
        <source>Listes des abbayes (*.txt);;Tous les fichiers (*)</source>
        <translation>Abbey lists (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de liste précédente (%1) : la liste des abbayes n&apos;a jamais été remplacée depuis ce dossier.</source>
        <translation>There is no previous list (%1): the abbey list has never been replaced from this folder.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2</source>
        <translation>The file %1 could not be read:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>il n&apos;existe pas.</source>
        <translation>it does not exist.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas une liste des abbayes : %2<byte value="xd"/>
<byte value="xd"/>
La liste en service n&apos;a pas été modifiée.</source>
        <translation>The file %1 is not an abbey list: %2<byte value="xd"/>
<byte value="xd"/>
The list in use has not been changed.</translation>
    </message>
    <message>
        <source>La liste des abbayes en service %1 ne peut pas être lue :<byte value="xd"/>
%2</source>
        <translation>The abbey list in use %1 cannot be read:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>AbbeyListFile</name>
    <message>
        <source>caractère hors Windows-1252 (octet 0x%1)</source>
        <translation>character outside Windows-1252 (byte 0x%1)</translation>
    </message>
    <message>
        <source>caractère de contrôle (%1)</source>
        <translation>control character (%1)</translation>
    </message>
    <message>
        <source>caractère hors Windows-1252 %1</source>
        <translation>character outside Windows-1252 %1</translation>
    </message>
    <message>
        <source>pas de référence de 6 lettres ou chiffres en colonnes 1 à 6</source>
        <translation>no reference of 6 letters or digits in columns 1 to 6</translation>
    </message>
    <message>
        <source>référence de plus de 6 caractères (colonne 7 non vide)</source>
        <translation>reference longer than 6 characters (column 7 not blank)</translation>
    </message>
    <message>
        <source>ses lignes sont des QSO d&apos;un log, pas des abbayes.</source>
        <translation>its lines are a log&apos;s QSOs, not abbeys.</translation>
    </message>
    <message>
        <source>le fichier est vide.</source>
        <translation>the file is empty.</translation>
    </message>
    <message>
        <source>aucune de ses %1 lignes n&apos;est une ligne d&apos;abbaye (référence en colonnes 1 à 6, nom en colonnes 8 à 67, locator en colonnes 69 à 72).</source>
        <translation>none of its %1 lines is an abbey line (reference in columns 1 to 6, name in columns 8 to 67, locator in columns 69 to 72).</translation>
    </message>
    <message>
        <source>%1 de ses %2 lignes sont illisibles ; seules %3 sont des lignes d&apos;abbaye.</source>
        <translation>%1 of its %2 lines are unreadable; only %3 are abbey lines.</translation>
    </message>
</context>
<context>
    <name>AbbeyListSwap</name>
    <message>
        <source>La liste des abbayes n&apos;a pas été remplacée :<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Aucun fichier n&apos;a été modifié.</source>
        <translation>The abbey list has not been replaced:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
No file has been changed.</translation>
    </message>
    <message>
        <source>%1 est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>%1 is being changed by another copy of KVR_ZEL.</translation>
    </message>
    <message>
        <source>%1 est protégé en écriture (%2).</source>
        <translation>%1 is write-protected (%2).</translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres, %2 nécessaires).</source>
        <translation>the disk is full (%1 bytes free, %2 needed).</translation>
    </message>
    <message>
        <source>le disque est plein (un fichier ne peut pas dépasser ici %1 octets, il en faut %2).</source>
        <translation>the disk is full (a file cannot exceed %1 bytes here, %2 are needed).</translation>
    </message>
    <message>
        <source>Le fichier %1, laissé par une mise à jour de la liste des abbayes, est illisible : rien n&apos;en a été repris.<byte value="xd"/>
Supprimez-le pour pouvoir de nouveau mettre la liste à jour.</source>
        <translation>The file %1, left by an update of the abbey list, is unreadable: nothing was taken from it.<byte value="xd"/>
Delete it to be able to update the list again.</translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes avait été interrompue avant de remplacer un fichier : la liste %1, la liste précédente et le log sont restés tels qu&apos;ils étaient.</source>
        <translation>An update of the abbey list was interrupted before it replaced any file: the list %1, the previous list and the log were left as they were.</translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes interrompue n&apos;a pas encore pu être terminée : %1<byte value="xd"/>
Elle le sera au prochain démarrage.</source>
        <translation>An interrupted update of the abbey list could not be finished yet: %1<byte value="xd"/>
It will be at the next start.</translation>
    </message>
    <message>
        <source>le journal %1</source>
        <translation>the log %1</translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes avait été interrompue : elle a été terminée.</source>
        <translation>An update of the abbey list had been interrupted: it has been finished.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La liste %1, modifiée entre-temps par un autre programme, n&apos;a pas été remplacée.</source>
        <translation><byte value="xd"/>
The list %1, changed meanwhile by another program, has not been replaced.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La nouvelle liste %1 est en service ; l&apos;ancienne est gardée sous le nom %2.</source>
        <translation><byte value="xd"/>
The new list %1 is in use; the old one is kept under the name %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La nouvelle liste %1 est en service.</source>
        <translation><byte value="xd"/>
The new list %1 is in use.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Les noms d&apos;abbaye du log %1 ont été mis à jour.</source>
        <translation><byte value="xd"/>
The abbey names of the log %1 have been updated.</translation>
    </message>
    <message>
        <source>la liste %1</source>
        <translation>the list %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ses noms d&apos;abbaye ne pourraient pas être mis à jour.</source>
        <translation><byte value="xd"/>
Its abbey names could not be updated.</translation>
    </message>
    <message>
        <source>la liste a été modifiée sur le disque depuis la comparaison (par un autre programme ou une autre copie de KVR_ZEL).<byte value="xd"/>
La comparaison est refaite : vérifiez-la, puis remplacez de nouveau.</source>
        <translation>the list has been changed on disk since the comparison (by another program or another copy of KVR_ZEL).<byte value="xd"/>
The comparison is made again: check it, then replace again.</translation>
    </message>
    <message>
        <source>La nouvelle liste est identique à la liste en service %1 : rien n&apos;a été remplacé (%2 est gardée telle quelle).</source>
        <translation>The new list is the same as the list in use %1: nothing has been replaced (%2 is kept as it is).</translation>
    </message>
    <message>
        <source>le journal %1 ne peut pas être lu : %2</source>
        <translation>the log %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>il n&apos;existe plus.</source>
        <translation>it no longer exists.</translation>
    </message>
    <message>
        <source>un QSO dont le nom d&apos;abbaye devait suivre la correction a été modifié entre-temps dans le journal %1.<byte value="xd"/>
La comparaison est refaite : vérifiez-la, puis remplacez de nouveau.</source>
        <translation>a QSO whose abbey name was to follow the correction has been changed meanwhile in the log %1.<byte value="xd"/>
The comparison is made again: check it, then replace again.</translation>
    </message>
    <message>
        <source>le dossier de la liste</source>
        <translation>the list&apos;s folder</translation>
    </message>
    <message>
        <source>impossible d&apos;enregistrer %1 : %2</source>
        <translation>cannot save %1: %2</translation>
    </message>
    <message>
        <source>Le remplacement de la liste des abbayes %1 n&apos;a pas pu être achevé : %2<byte value="xd"/>
Il sera terminé au prochain démarrage de KVR_ZEL (ou à la prochaine mise à jour).</source>
        <translation>Replacing the abbey list %1 could not be finished: %2<byte value="xd"/>
It will be finished the next time KVR_ZEL starts (or at the next update).</translation>
    </message>
    <message>
        <source>La liste précédente est de nouveau en service sous le nom %1 ; celle qu&apos;elle remplace est gardée sous le nom %2.</source>
        <translation>The previous list is in use again under the name %1; the one it replaces is kept under the name %2.</translation>
    </message>
    <message>
        <source>La liste des abbayes %1 a été remplacée ; l&apos;ancienne est gardée sous le nom %2.</source>
        <translation>The abbey list %1 has been replaced; the old one is kept under the name %2.</translation>
    </message>
    <message>
        <source>La liste des abbayes %1 a été enregistrée.</source>
        <translation>The abbey list %1 has been saved.</translation>
    </message>
    <message numerus="yes">
        <source><byte value="xd"/>
Le nom d&apos;abbaye de %n QSO du log a été mis à jour.</source>
        <translation>
            <numerusform><byte value="xd"/>
The abbey name of %n QSO of the log has been updated.</numerusform>
            <numerusform><byte value="xd"/>
The abbey name of %n QSOs of the log has been updated.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AbbeyListWindow</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation>(none)</translation>
    </message>
    <message numerus="yes">
        <source>%n abbayes</source>
        <translation>
            <numerusform>%n abbey</numerusform>
            <numerusform>%n abbeys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n abbaye</source>
        <translation>
            <numerusform>%n abbey</numerusform>
            <numerusform>%n abbeys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contactés</source>
        <translation>
            <numerusform>%n worked</numerusform>
            <numerusform>%n worked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacté</source>
        <translation>
            <numerusform>%n worked</numerusform>
            <numerusform>%n worked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n confirmés</source>
        <translation>
            <numerusform>%n confirmed</numerusform>
            <numerusform>%n confirmed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n confirmé</source>
        <translation>
            <numerusform>%n confirmed</numerusform>
            <numerusform>%n confirmed</numerusform>
        </translation>
    </message>
    <message>
        <source>Revenir à la liste précédente</source>
        <translation>Go back to the previous list</translation>
    </message>
    <message>
        <source>Nouvelle liste des abbayes</source>
        <translation>New abbey list</translation>
    </message>
    <message>
        <source>Détail des changements de la liste des abbayes</source>
        <translation>Details of the changes to the abbey list</translation>
    </message>
    <message>
        <source>Flèche droite ouvre une catégorie, flèche gauche la referme</source>
        <translation>Right arrow opens a category, left arrow closes it</translation>
    </message>
    <message>
        <source>Référence ou ligne</source>
        <translation>Reference or line</translation>
    </message>
    <message>
        <source>Détail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;Détail des changements (Flèche droite ouvre une liste) :</source>
        <translation>&amp;Details of the changes (Right arrow opens a list):</translation>
    </message>
    <message>
        <source>&amp;Mettre à jour les noms d&apos;abbaye des QSO du log</source>
        <translation>Update the abbey &amp;names of the log&apos;s QSOs</translation>
    </message>
    <message>
        <source>&amp;Revenir à cette liste</source>
        <translation>&amp;Go back to this list</translation>
    </message>
    <message>
        <source>&amp;Remplacer la liste</source>
        <translation>&amp;Replace the list</translation>
    </message>
    <message>
        <source>&amp;Enregistrer le rapport</source>
        <translation>&amp;Save the report</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Mettre les noms d&apos;abbaye des QSO du log à ceux de la liste précédente</source>
        <translation>Set the abbey &amp;names of the log&apos;s QSOs to those of the previous list</translation>
    </message>
    <message>
        <source>la liste précédente</source>
        <translation>the previous list</translation>
    </message>
    <message>
        <source>la nouvelle liste (%1)</source>
        <translation>the new list (%1)</translation>
    </message>
    <message>
        <source>Liste en service : %1, %2 ; celle qu&apos;elle remplace (%3) est gardée sous le nom %4</source>
        <translation>List in use: %1, %2; the one it replaces (%3) is kept under the name %4</translation>
    </message>
    <message>
        <source>Liste en service : %1, %2 ; il n&apos;y avait pas de liste avant elle</source>
        <translation>List in use: %1, %2; there was no list before it</translation>
    </message>
    <message>
        <source>Liste précédente : %1 (%2, lue en %3) ; liste en service : %4</source>
        <translation>Previous list: %1 (%2, read as %3); list in use: %4</translation>
    </message>
    <message>
        <source>Nouvelle liste : %1 (%2, lue en %3) ; liste en service : %4</source>
        <translation>New list: %1 (%2, read as %3); list in use: %4</translation>
    </message>
    <message>
        <source>abbayes ajoutées : %1</source>
        <translation>abbeys added: %1</translation>
    </message>
    <message>
        <source>noms ou locators corrigés : %1</source>
        <translation>names or locators corrected: %1</translation>
    </message>
    <message>
        <source>références retirées : %1, dont %2 dans le log</source>
        <translation>references withdrawn: %1, %2 of them in the log</translation>
    </message>
    <message>
        <source>lignes illisibles : %1</source>
        <translation>unreadable lines: %1</translation>
    </message>
    <message>
        <source>références en double : %1</source>
        <translation>duplicate references: %1</translation>
    </message>
    <message>
        <source>Log de %1 : QSO dont la référence n&apos;est plus dans %2 : %3, %4 (ils restent dans le log)</source>
        <translation>Log of %1: QSOs whose reference is no longer in %2: %3, %4 (they stay in the log)</translation>
    </message>
    <message>
        <source>la nouvelle liste</source>
        <translation>the new list</translation>
    </message>
    <message>
        <source>Aucune station choisie : aucun log à comparer.</source>
        <translation>No station chosen: no log to compare.</translation>
    </message>
    <message>
        <source>QSO dont le nom suit la correction : %1</source>
        <translation>QSOs whose name follows the correction: %1</translation>
    </message>
    <message>
        <source>abbayes ajoutées</source>
        <translation>abbeys added</translation>
    </message>
    <message>
        <source>%1  (locator %2)</source>
        <translation>%1  (locator %2)</translation>
    </message>
    <message>
        <source>noms ou locators corrigés</source>
        <translation>names or locators corrected</translation>
    </message>
    <message>
        <source>nom : %1 → %2</source>
        <translation>name: %1 → %2</translation>
    </message>
    <message>
        <source>locator : %1 → %2</source>
        <translation>locator: %1 → %2</translation>
    </message>
    <message>
        <source>références retirées</source>
        <translation>references withdrawn</translation>
    </message>
    <message>
        <source>DANS LE LOG (%1 QSO, %2) : %3</source>
        <translation>IN THE LOG (%1 QSO, %2): %3</translation>
    </message>
    <message>
        <source>lignes illisibles</source>
        <translation>unreadable lines</translation>
    </message>
    <message>
        <source>ligne %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>références en double</source>
        <translation>duplicate references</translation>
    </message>
    <message>
        <source>lignes %1 ; la ligne %2 compte</source>
        <translation>lines %1; line %2 counts</translation>
    </message>
    <message>
        <source>QSO dont le nom d&apos;abbaye suit la correction</source>
        <translation>QSOs whose abbey name follows the correction</translation>
    </message>
    <message>
        <source>%1 du %2 : %3 → %4</source>
        <translation>%1 of %2: %3 → %4</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>La liste précédente est de nouveau en service.</source>
        <translation>The previous list is in use again.</translation>
    </message>
    <message>
        <source>La liste a été remplacée.</source>
        <translation>The list has been replaced.</translation>
    </message>
    <message>
        <source>Cette liste est déjà celle en service : rien à remplacer.</source>
        <translation>This list is already the one in use: nothing to replace.</translation>
    </message>
    <message>
        <source>Rien n&apos;est encore modifié.</source>
        <translation>Nothing has been changed yet.</translation>
    </message>
    <message>
        <source>Le rapport a été enregistré sous le nom : %1</source>
        <translation>The report has been saved under the name: %1</translation>
    </message>
    <message>
        <source>Le rapport %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation>The report %1 could not be saved:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>AdifMapping</name>
    <message>
        <source>référence absente de la liste des abbayes</source>
        <translation>reference not in the abbey list</translation>
    </message>
    <message>
        <source>prénom coupé à 15 caractères</source>
        <translation>name cut to 15 characters</translation>
    </message>
    <message>
        <source>nom de l&apos;abbaye coupé à 60 caractères</source>
        <translation>abbey name cut to 60 characters</translation>
    </message>
    <message>
        <source>caractères remplacés par les lettres les plus proches</source>
        <translation>characters replaced by the closest letters</translation>
    </message>
    <message>
        <source>à importer</source>
        <translation>to import</translation>
    </message>
    <message>
        <source>à importer (%1)</source>
        <translation>to import (%1)</translation>
    </message>
    <message>
        <source>pas de référence d&apos;abbaye</source>
        <translation>no abbey reference</translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation>unreadable: %1</translation>
    </message>
    <message>
        <source>pas d&apos;indicatif</source>
        <translation>no callsign</translation>
    </message>
    <message>
        <source>indicatif de plus de 12 caractères</source>
        <translation>callsign longer than 12 characters</translation>
    </message>
    <message>
        <source>référence d&apos;abbaye invalide</source>
        <translation>invalid abbey reference</translation>
    </message>
    <message>
        <source>référence d&apos;abbaye vide</source>
        <translation>empty abbey reference</translation>
    </message>
    <message>
        <source>date absente ou illisible</source>
        <translation>date missing or unreadable</translation>
    </message>
    <message>
        <source>date hors de 1950 à 2049, que l&apos;année sur deux chiffres du log ne peut pas écrire</source>
        <translation>date outside 1950 to 2049, which the log&apos;s two-digit year cannot write</translation>
    </message>
    <message>
        <source>heure absente ou illisible</source>
        <translation>time missing or unreadable</translation>
    </message>
    <message>
        <source>bande absente</source>
        <translation>band missing</translation>
    </message>
    <message>
        <source>bande non prévue</source>
        <translation>band not provided for</translation>
    </message>
    <message>
        <source>mode absent</source>
        <translation>mode missing</translation>
    </message>
    <message>
        <source>mode non prévu</source>
        <translation>mode not provided for</translation>
    </message>
    <message>
        <source>report de plus de 3 caractères</source>
        <translation>report longer than 3 characters</translation>
    </message>
    <message>
        <source>déjà dans le log</source>
        <translation>already in the log</translation>
    </message>
    <message>
        <source>déjà contactée le %1</source>
        <translation>already worked on %1</translation>
    </message>
    <message>
        <source>abbaye en double dans le fichier, n° %1 importé</source>
        <translation>abbey twice in the file, no. %1 imported</translation>
    </message>
    <message>
        <source>QSL à marquer</source>
        <translation>QSL to mark</translation>
    </message>
    <message>
        <source>QSL déjà marquée</source>
        <translation>QSL already marked</translation>
    </message>
    <message>
        <source>plusieurs QSO possibles</source>
        <translation>several possible QSOs</translation>
    </message>
    <message>
        <source>référence différente</source>
        <translation>different reference</translation>
    </message>
    <message>
        <source>QSL sans QSO correspondant</source>
        <translation>QSL without a matching QSO</translation>
    </message>
    <message>
        <source>QSL d&apos;un indicatif absent du log</source>
        <translation>QSL of a callsign not in the log</translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>enregistrement incomplet : le fichier se termine avant &lt;eor&gt;</source>
        <translation>incomplete record: the file ends before &lt;eor&gt;</translation>
    </message>
    <message>
        <source>longueur du champ %1 illisible (%2), ni en caractères ni en octets</source>
        <translation>length of field %1 unreadable (%2), neither in characters nor in bytes</translation>
    </message>
    <message>
        <source>longueur du champ %1 (%2) au-delà de la fin de l&apos;enregistrement</source>
        <translation>length of field %1 (%2) past the end of the record</translation>
    </message>
    <message>
        <source>enregistrement incomplet : le fichier se termine dans le champ %1</source>
        <translation>incomplete record: the file ends in field %1</translation>
    </message>
</context>
<context>
    <name>FirstNameList</name>
    <message>
        <source>Impossible de lire la liste des prénoms %1 :<byte value="xd"/>
%2</source>
        <translation>Cannot read the name list %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>la liste est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>the list is being changed by another copy of KVR_ZEL.</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la liste des prénoms %1 :<byte value="xd"/>
%2</source>
        <translation>Cannot save the name list %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>ImportCommit</name>
    <message>
        <source>Les QSO n&apos;ont pas été importés :<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Le log et la liste des prénoms n&apos;ont pas été modifiés.</source>
        <translation>The QSOs have not been imported:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The log and the name list have not been changed.</translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où importer.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>No station has been chosen yet: there is no log to import into.<byte value="xd"/>
<byte value="xd"/>
First create the station (Station menu, New Callsign).</translation>
    </message>
    <message>
        <source>Aucun QSO à importer ni QSL à marquer.</source>
        <translation>No QSO to import and no QSL to mark.</translation>
    </message>
    <message>
        <source>la liste des prénoms %1 est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation>the name list %1 is being changed by another copy of KVR_ZEL.</translation>
    </message>
    <message>
        <source>la liste des prénoms %1 n&apos;a pas pu être lue : %2</source>
        <translation>the name list %1 could not be read: %2</translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres, il en faut %2).</source>
        <translation>the disk is full (%1 bytes free, %2 needed).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Aucun QSO n&apos;a été importé ; la liste des prénoms n&apos;a pas été modifiée.</source>
        <translation><byte value="xd"/>
No QSO has been imported; the name list has not been changed.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Aucune QSL n&apos;a été marquée.</source>
        <translation><byte value="xd"/>
No QSL has been marked.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
La liste des prénoms %1 n&apos;a pas pu être mise à jour : %2<byte value="xd"/>
Elle garde les prénoms qu&apos;elle avait.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
The name list %1 could not be updated: %2<byte value="xd"/>
It keeps the names it had.</translation>
    </message>
    <message>
        <source>1 QSO a été ajouté au log %1.</source>
        <translation>1 QSO has been added to the log %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ont été ajoutés au log %1.</source>
        <translation>
            <numerusform>%n QSO has been added to the log %1.</numerusform>
            <numerusform>%n QSOs have been added to the log %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 QSL a été marquée reçue dans le log %1.</source>
        <translation>1 QSL has been marked received in the log %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n QSL ont été marquées reçues dans le log %1.</source>
        <translation>
            <numerusform>%n QSL has been marked received in the log %1.</numerusform>
            <numerusform>%n QSLs have been marked received in the log %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>QSL déjà marquée : %1</source>
        <translation>QSLs already marked: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n QSL n&apos;ont pas été marquées : leur QSO a changé dans le log depuis l&apos;aperçu.</source>
        <translation>
            <numerusform>%n QSL has not been marked: its QSO changed in the log since the preview.</numerusform>
            <numerusform>%n QSLs have not been marked: their QSO changed in the log since the preview.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportController</name>
    <message>
        <source>Importer un fichier ADIF</source>
        <translation>Import an ADIF file</translation>
    </message>
    <message>
        <source>Fichiers ADIF (*.adi *.adif);;Tous les fichiers (*)</source>
        <translation>ADIF files (*.adi *.adif);;All files (*)</translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où importer.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>No station has been chosen yet: there is no log to import into.<byte value="xd"/>
<byte value="xd"/>
First create the station (Station menu, New Callsign).</translation>
    </message>
    <message>
        <source>Lecture du fichier %1...</source>
        <translation>Reading the file %1...</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Importation ADIF</source>
        <translation>ADIF import</translation>
    </message>
    <message>
        <source>Lecture du fichier ADIF</source>
        <translation>Reading the ADIF file</translation>
    </message>
    <message>
        <source>Comparaison avec le log...</source>
        <translation>Comparing with the log...</translation>
    </message>
</context>
<context>
    <name>ImportListModel</name>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
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
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Outcome</translation>
    </message>
</context>
<context>
    <name>ImportLoader</name>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2</source>
        <translation>The file %1 could not be read:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>La liste des abbayes %1 ne peut pas être lue :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été importé.</source>
        <translation>The abbey list %1 cannot be read:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing has been imported.</translation>
    </message>
    <message>
        <source>Le fichier %1 ne contient aucun QSO au format ADIF.</source>
        <translation>The file %1 holds no QSO in ADIF format.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 dans le log</source>
        <translation>%1 in the log</translation>
    </message>
    <message>
        <source>heure : %1 min d&apos;écart</source>
        <translation>time: %1 min apart</translation>
    </message>
    <message>
        <source>autre jour : %1</source>
        <translation>another day: %1</translation>
    </message>
    <message>
        <source>bande : %1, log %2</source>
        <translation>band: %1, log %2</translation>
    </message>
    <message>
        <source>refusés : %1 (%2 non listés)</source>
        <translation>refused: %1 (%2 not listed)</translation>
    </message>
    <message>
        <source>refusés : %1</source>
        <translation>refused: %1</translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Importation ADIF</source>
        <translation>ADIF import</translation>
    </message>
    <message>
        <source>Fichier : %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>&amp;Tout afficher</source>
        <translation>Show &amp;all</translation>
    </message>
    <message>
        <source>Tout afficher, même les QSO sans référence d&apos;abbaye</source>
        <translation>Show everything, even the QSOs without an abbey reference</translation>
    </message>
    <message>
        <source>Enregistrements du fichier et leur sort</source>
        <translation>The file&apos;s records and their outcome</translation>
    </message>
    <message>
        <source>&amp;Liste des enregistrements du fichier :</source>
        <translation>&amp;List of the file&apos;s records:</translation>
    </message>
    <message>
        <source>&amp;Importer</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Enregistrer le rapport</source>
        <translation>&amp;Save the report</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>QSO faits par une autre station que %1 : %2</source>
        <translation>QSOs made by another station than %1: %2</translation>
    </message>
    <message>
        <source>QSO à importer : %1</source>
        <translation>QSOs to import: %1</translation>
    </message>
    <message>
        <source>déjà dans le log : %1</source>
        <translation>already in the log: %1</translation>
    </message>
    <message>
        <source>référence absente de la liste des abbayes : %1</source>
        <translation>reference not in the abbey list: %1</translation>
    </message>
    <message>
        <source>pas de référence d&apos;abbaye : %1</source>
        <translation>no abbey reference: %1</translation>
    </message>
    <message>
        <source>QSL à marquer : %1</source>
        <translation>QSLs to mark: %1</translation>
    </message>
    <message>
        <source>QSL sans QSO correspondant : %1</source>
        <translation>QSLs without a matching QSO: %1</translation>
    </message>
    <message>
        <source>QSL d&apos;un indicatif absent du log : %1</source>
        <translation>QSLs of a callsign not in the log: %1</translation>
    </message>
    <message numerus="yes">
        <source>ajouter %n QSO</source>
        <translation>
            <numerusform>add %n QSO</numerusform>
            <numerusform>add %n QSOs</numerusform>
        </translation>
    </message>
    <message>
        <source>marquer 1 QSL reçue</source>
        <translation>mark 1 QSL received</translation>
    </message>
    <message numerus="yes">
        <source>marquer %n QSL reçues</source>
        <translation>
            <numerusform>mark %n QSL received</numerusform>
            <numerusform>mark %n QSLs received</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Ce fichier est celui de la station %1, pas de %2.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous vraiment %3 dans le log de %2 ?</source>
        <translation>This file is the one of station %1, not of %2.<byte value="xd"/>
<byte value="xd"/>
Do you really want to %3 in the log of %2?</translation>
    </message>
    <message>
        <source>Le rapport a été enregistré sous le nom : %1</source>
        <translation>The report has been saved under the name: %1</translation>
    </message>
    <message>
        <source>Le rapport %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation>The report %1 could not be saved:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>LogLookups</name>
    <message>
        <source>Le journal %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La référence ne peut pas être vérifiée : la saisie est arrêtée.</source>
        <translation>The log %1 could not be read:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The reference cannot be checked: entry is stopped.</translation>
    </message>
</context>
<context>
    <name>ProgramDir</name>
    <message>
        <source>Le dossier des journaux %1 ne peut pas être créé.<byte value="xd"/>
<byte value="xd"/>
Vérifiez que le dossier parent existe et n&apos;est pas protégé en écriture, et que le disque n&apos;est pas plein ; aucun QSO ne pourra être enregistré d&apos;ici là.</source>
        <translation>The logs folder %1 cannot be created.<byte value="xd"/>
<byte value="xd"/>
Check that the parent folder exists and is not write-protected, and that the disk is not full; no QSO can be saved until then.</translation>
    </message>
    <message>
        <source>Les fichiers fournis avec KVR_ZEL n&apos;ont pas pu être copiés dans %1 :<byte value="xd"/>
%2</source>
        <translation>The files shipped with KVR_ZEL could not be copied into %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
</TS>
