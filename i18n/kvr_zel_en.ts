<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
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
    <name>ActivityMapWindow</name>
    <message>
        <source>Carte des Regions contactées</source>
        <translation>Map of the Regions worked</translation>
    </message>
    <message>
        <source>&amp;Bande : </source>
        <translation>&amp;Band: </translation>
    </message>
    <message>
        <source>&amp;Mode : </source>
        <translation>&amp;Mode: </translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>sur 21 Régions</source>
        <translation>of 21 Regions</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Case verte : au moins un QSO sur la bande</source>
        <translation>Green box: at least one QSO on the band</translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation>Select a band</translation>
    </message>
    <message>
        <source>contactée, confirmée (QSL)</source>
        <translation>worked, confirmed (QSL)</translation>
    </message>
    <message>
        <source>contactée sans QSL</source>
        <translation>worked without QSL</translation>
    </message>
    <message>
        <source>non contactée</source>
        <translation>not worked</translation>
    </message>
    <message>
        <source>Régions sur : %1</source>
        <translation>Regions on: %1</translation>
    </message>
    <message>
        <source>Confirmées (QSL) : %1</source>
        <translation>Confirmed (QSL): %1</translation>
    </message>
    <message>
        <source>Contactées sans QSL : %1</source>
        <translation>Worked without QSL: %1</translation>
    </message>
    <message>
        <source>Non contactées : %1</source>
        <translation>Not worked: %1</translation>
    </message>
</context>
<context>
    <name>AdifExport</name>
    <message>
        <source>1 QSO a été exporté sans bande : sa bande n&apos;est pas une bande ADIF reconnue</source>
        <translation>1 QSO was exported without a band: its band is not a recognised ADIF band</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ont été exportés sans bande : leur bande n&apos;est pas une bande ADIF reconnue</source>
        <translation>
            <numerusform>%n QSO was exported without a band: its band is not a recognised ADIF band</numerusform>
            <numerusform>%n QSOs were exported without a band: their band is not a recognised ADIF band</numerusform>
        </translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log à exporter.<byte value="xd"/>
Choisissez d&apos;abord votre indicatif dans Station, Nouvel Indicatif.</source>
        <translation>No station has been chosen yet: there is no log to export.<byte value="xd"/>
First choose your callsign in Station, New callsign.</translation>
    </message>
    <message>
        <source>Le log %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le fichier %3 n&apos;a pas été enregistré.</source>
        <translation>The log %1 could not be read:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file %3 was not saved.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation>The file %1 could not be saved:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Le fichier a été enregistré sous le nom : %1</source>
        <translation>The file was saved as: %1</translation>
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
    <name>AwardChart</name>
    <message>
        <source>%1 - Diplôme ZEL - %2</source>
        <translation>%1 - ZEL Award - %2</translation>
    </message>
    <message>
        <source>le module du graphique (%1) n&apos;a pas pu être chargé : %2</source>
        <translation>the chart module (%1) could not be loaded: %2</translation>
    </message>
    <message>
        <source>le module du graphique n&apos;est pas celui de cette version du programme</source>
        <translation>the chart module does not belong to this version of the program</translation>
    </message>
</context>
<context>
    <name>AwardChartPlugin</name>
    <message>
        <source>Abbayes contactées</source>
        <translation>Abbeys worked</translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation>Abbeys confirmed</translation>
    </message>
</context>
<context>
    <name>AwardProgress</name>
    <message numerus="yes">
        <source>Encore %n QSL pour le diplôme de base</source>
        <translation>
            <numerusform>%n more QSL for the basic award</numerusform>
            <numerusform>%n more QSLs for the basic award</numerusform>
        </translation>
    </message>
    <message>
        <source>Tous les niveaux du diplôme sont atteints</source>
        <translation>Every level of the award is reached</translation>
    </message>
    <message numerus="yes">
        <source>Encore %n QSL pour le niveau Excellence %1</source>
        <translation>
            <numerusform>%n more QSL for Excellence level %1</numerusform>
            <numerusform>%n more QSLs for Excellence level %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AwardScore</name>
    <message>
        <source>Bravo, vous pouvez obtenir</source>
        <translation>Well done, you can claim</translation>
    </message>
    <message>
        <source>Vous ne pouvez pas encore obtenir</source>
        <translation>You cannot yet claim</translation>
    </message>
    <message>
        <source>Pour obtenir les diplomes des Abbayes</source>
        <translation>To obtain the awards of the Italian</translation>
    </message>
    <message>
        <source>Italiennes il vous faut la confirmation de</source>
        <translation>Abbeys you need the confirmation of</translation>
    </message>
    <message>
        <source>10 Abbayes pour le diplome de base</source>
        <translation>10 Abbeys for the basic award</translation>
    </message>
    <message>
        <source>12 niveaux pour le diplome Excellence</source>
        <translation>12 levels for the Excellence award</translation>
    </message>
    <message>
        <source>%1 Abbayes contactées et confirmées</source>
        <translation>%1 Abbeys worked and confirmed</translation>
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
    <name>ClusterConnection</name>
    <message>
        <source>Non connecté</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Connexion à %1:%2…</source>
        <translation>Connecting to %1:%2…</translation>
    </message>
    <message>
        <source>Connecté à %1:%2</source>
        <translation>Connected to %1:%2</translation>
    </message>
    <message>
        <source>le nœud a fermé la connexion</source>
        <translation>the node closed the connection</translation>
    </message>
    <message>
        <source>Connexion perdue : %1. Nouvel essai dans %2 s.</source>
        <translation>Connection lost: %1. Trying again in %2 s.</translation>
    </message>
    <message>
        <source>Connexion impossible : %1. Nouvel essai dans %2 s.</source>
        <translation>Cannot connect: %1. Trying again in %2 s.</translation>
    </message>
</context>
<context>
    <name>ConfirmController</name>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où marquer les confirmations.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation>No station has been chosen yet: there is no log to mark the confirmations in.<byte value="xd"/>
<byte value="xd"/>
Create the station first (Station menu, New Callsign).</translation>
    </message>
</context>
<context>
    <name>ConfirmFetch</name>
    <message>
        <source>Aucune nouvelle confirmation sur %1</source>
        <translation>No new confirmation on %1</translation>
    </message>
    <message>
        <source>%1 : %2 confirmations reçues, enregistrées dans %3.</source>
        <translation>%1: %2 confirmations received, saved in %3.</translation>
    </message>
    <message>
        <source>Téléchargement du rapport de LoTW…</source>
        <translation>Downloading the LoTW report…</translation>
    </message>
    <message>
        <source>Demande de la boîte de réception d&apos;eQSL…</source>
        <translation>Asking for the eQSL inbox…</translation>
    </message>
    <message>
        <source>Téléchargement de eQSL annulé : rien n&apos;est enregistré.</source>
        <translation>eQSL download cancelled: nothing was saved.</translation>
    </message>
    <message>
        <source>Téléchargement du fichier d&apos;eQSL…</source>
        <translation>Downloading the eQSL file…</translation>
    </message>
</context>
<context>
    <name>ConfirmWindow</name>
    <message>
        <source>Confirmations en ligne</source>
        <translation>Online confirmations</translation>
    </message>
    <message>
        <source>Les confirmations reçues sur LoTW et sur eQSL sont téléchargées, enregistrées à côté du log, puis montrées avant d&apos;être marquées.</source>
        <translation>The confirmations received on LoTW and eQSL are downloaded, saved beside the log, then shown before they are marked.</translation>
    </message>
    <message>
        <source>Téléchargement en cours</source>
        <translation>Download in progress</translation>
    </message>
    <message>
        <source>Prêt : rien n&apos;est envoyé avant « Télécharger ».</source>
        <translation>Ready: nothing is sent before “Download”.</translation>
    </message>
    <message>
        <source>&amp;Télécharger</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Les mots de passe ne sont jamais écrits dans un fichier : ils vont dans le trousseau du bureau quand « Mémoriser le mot de passe » est coché.</source>
        <translation>Passwords are never written to a file: they go to the desktop keyring when “Remember the password” is ticked.</translation>
    </message>
    <message>
        <source>Utiliser &amp;LoTW</source>
        <translation>Use &amp;LoTW</translation>
    </message>
    <message>
        <source>Utiliser e&amp;QSL</source>
        <translation>Use e&amp;QSL</translation>
    </message>
    <message>
        <source>&amp;Utilisateur :</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>Utilisateu&amp;r :</source>
        <translation>Use&amp;r:</translation>
    </message>
    <message>
        <source>Utilisateur %1</source>
        <translation>User %1</translation>
    </message>
    <message>
        <source>QT&amp;H (facultatif) :</source>
        <translation>QT&amp;H (optional):</translation>
    </message>
    <message>
        <source>Surnom de QTH %1</source>
        <translation>QTH nickname %1</translation>
    </message>
    <message>
        <source>Le surnom du QTH, pour un compte eQSL qui en a plusieurs</source>
        <translation>The QTH nickname, for an eQSL account that has several</translation>
    </message>
    <message>
        <source>&amp;Mot de passe :</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Mot de &amp;passe :</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>Mot de passe %1</source>
        <translation>Password %1</translation>
    </message>
    <message>
        <source>Mémori&amp;ser le mot de passe</source>
        <translation>Re&amp;member the password</translation>
    </message>
    <message>
        <source>Mém&amp;oriser le mot de passe</source>
        <translation>Remem&amp;ber the password</translation>
    </message>
    <message>
        <source>Mémoriser le mot de passe %1</source>
        <translation>Remember the %1 password</translation>
    </message>
    <message>
        <source>&amp;Depuis le :</source>
        <translation>&amp;Since:</translation>
    </message>
    <message>
        <source>Depu&amp;is le :</source>
        <translation>S&amp;ince:</translation>
    </message>
    <message>
        <source>Depuis le %1</source>
        <translation>Since %1</translation>
    </message>
    <message>
        <source>JJ/MM/AAAA, vide : tout</source>
        <translation>DD/MM/YYYY, empty: all</translation>
    </message>
    <message>
        <source>Les confirmations reçues depuis ce jour ; vide : toutes</source>
        <translation>The confirmations received since this day; empty: all</translation>
    </message>
    <message>
        <source>Par défaut, l&apos;indicatif de base de la station</source>
        <translation>By default, the station&apos;s base callsign</translation>
    </message>
    <message>
        <source>Aucun trousseau ne répond (%1) : le mot de passe est demandé à chaque téléchargement et n&apos;est gardé nulle part.</source>
        <translation>No keyring answers (%1): the password is asked for at each download and kept nowhere.</translation>
    </message>
    <message>
        <source>aucun trousseau de bureau</source>
        <translation>no desktop keyring</translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octets</source>
        <translation>
            <numerusform>Received: %1 byte</numerusform>
            <numerusform>Received: %1 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octet</source>
        <translation>
            <numerusform>Received: %1 byte</numerusform>
            <numerusform>Received: %1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>en cours</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>%1 : la date « Depuis le » se lit JJ/MM/AAAA (vide : tout).</source>
        <translation>%1: the “Since” date reads DD/MM/YYYY (empty: all).</translation>
    </message>
    <message>
        <source>%1 : l&apos;utilisateur et le mot de passe sont nécessaires.</source>
        <translation>%1: the user name and the password are needed.</translation>
    </message>
    <message>
        <source>Cochez « Utiliser » pour LoTW, pour eQSL ou pour les deux.</source>
        <translation>Tick “Use” for LoTW, for eQSL or for both.</translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation>Settings not saved: %1</translation>
    </message>
    <message>
        <source>Le mot de passe de %1 n&apos;a pas pu être mémorisé (%2) : il sera demandé au prochain téléchargement.</source>
        <translation>The %1 password could not be remembered (%2): it will be asked for at the next download.</translation>
    </message>
    <message>
        <source>Téléchargement annulé : rien n&apos;est enregistré ni marqué.</source>
        <translation>Download cancelled: nothing was saved or marked.</translation>
    </message>
    <message>
        <source>La date « Depuis le » n&apos;a pas pu être enregistrée : %1</source>
        <translation>The “Since” date could not be saved: %1</translation>
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
    <name>ExportWindows</name>
    <message>
        <source>Exportation du log au format ADIF en cours…</source>
        <translation>Exporting the log as ADIF…</translation>
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
    <name>HelpPages</name>
    <message>
        <source>KVR_ZEL Revision %1</source>
        <translation>KVR_ZEL Version %1</translation>
    </message>
    <message>
        <source>Carnet de trafic du diplôme des Abbayes italiennes (ZEL). Carte de l&apos;Italie : @svg-maps/italy (Victor Cazanave, d&apos;après MapSVG), licence CC BY 4.0</source>
        <translation>Logbook for the Italian Abbeys award (ZEL). Map of Italy: @svg-maps/italy (Victor Cazanave, after MapSVG), licence CC BY 4.0</translation>
    </message>
    <message>
        <source>Logiciel libre sous licence GPL-3.0-or-later (GNU GPL version 3 ou toute version ultérieure), voir le fichier COPYING.</source>
        <translation>Free software under the GPL-3.0-or-later licence (GNU GPL version 3 or any later version), see the file COPYING.</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Règlement</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Mode d&apos;emploi</source>
        <translation>User guide</translation>
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
    <name>ItalyMapView</name>
    <message>
        <source>Carte de l&apos;Italie</source>
        <translation>Map of Italy</translation>
    </message>
</context>
<context>
    <name>KeyringPlugin</name>
    <message>
        <source>le trousseau du bureau ne répond pas</source>
        <translation>the desktop keyring does not answer</translation>
    </message>
    <message>
        <source>le trousseau du bureau est verrouillé ou son accès a été refusé</source>
        <translation>the desktop keyring is locked or access to it was refused</translation>
    </message>
    <message>
        <source>aucun trousseau de bureau n&apos;est disponible</source>
        <translation>no desktop keyring is available</translation>
    </message>
    <message>
        <source>le trousseau du bureau a refusé la demande</source>
        <translation>the desktop keyring refused the request</translation>
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
    <name>ListingModel</name>
    <message>
        <source>REF</source>
        <translation>REF</translation>
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
        <source>Nom de l&apos;Abbaye</source>
        <translation>Name of the Abbey</translation>
    </message>
    <message>
        <source>QSL</source>
        <translation>QSL</translation>
    </message>
    <message>
        <source>nom de l&apos;Abbaye</source>
        <translation>name of the Abbey</translation>
    </message>
</context>
<context>
    <name>ListingPrinter</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer.</source>
        <translation>Printing could not start.</translation>
    </message>
    <message>
        <source>L&apos;impression s&apos;est arrêtée à la page %1.</source>
        <translation>Printing stopped at page %1.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>Printing could not be completed.</translation>
    </message>
</context>
<context>
    <name>ListingWindow</name>
    <message>
        <source>ZEL Contactés</source>
        <translation>ZEL Worked</translation>
    </message>
    <message>
        <source>&amp;contactées</source>
        <translation>&amp;worked</translation>
    </message>
    <message>
        <source>Con&amp;firmées</source>
        <translation>Con&amp;firmed</translation>
    </message>
    <message>
        <source>Abbayes</source>
        <translation>Abbeys</translation>
    </message>
    <message>
        <source>Liste alphanumerique des Abbayes contactées</source>
        <translation>Alphanumeric list of the Abbeys worked</translation>
    </message>
    <message>
        <source>Liste des Abbayes du diplôme</source>
        <translation>List of the award&apos;s Abbeys</translation>
    </message>
    <message>
        <source>Liste des Abbayes contactées</source>
        <translation>List of the Abbeys worked</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Tri de la liste des Abbayes contactées en cours…</source>
        <translation>Sorting the list of the Abbeys worked…</translation>
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
    <name>MiniMapWindow</name>
    <message>
        <source>Nouvelle Région</source>
        <translation>New Region</translation>
    </message>
    <message>
        <source>Repère : %1</source>
        <translation>Marker: %1</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continue</translation>
    </message>
</context>
<context>
    <name>MultiQslWindow</name>
    <message>
        <source>Enregistrement des QSL multiples</source>
        <translation>Recording several QSLs</translation>
    </message>
    <message>
        <source>Pour rechercher les QSO avec la station </source>
        <translation>To find the QSOs with the station </translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation>Callsign of the station</translation>
    </message>
    <message>
        <source>cliquez sur</source>
        <translation>click</translation>
    </message>
    <message>
        <source>&amp;Rechercher</source>
        <translation>Sea&amp;rch</translation>
    </message>
    <message>
        <source>QSO sans QSL reçue</source>
        <translation>QSOs without a QSL received</translation>
    </message>
    <message>
        <source>Cochez dans la liste ci-dessus les QSL reçues puis cliquez sur</source>
        <translation>Tick the QSLs received in the list above, then click</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrement du log en cours…</source>
        <translation>Saving the log…</translation>
    </message>
</context>
<context>
    <name>PasswordKeyring</name>
    <message>
        <source>le module du trousseau n&apos;a pas pu être chargé (%1)</source>
        <translation>the keyring module could not be loaded (%1)</translation>
    </message>
    <message>
        <source>le module du trousseau n&apos;est pas celui de cette version du programme</source>
        <translation>the keyring module is not the one of this version of the program</translation>
    </message>
</context>
<context>
    <name>PendingQsl</name>
    <message numerus="yes">
        <source>%n QSL à recevoir</source>
        <translation>
            <numerusform>%n QSL to receive</numerusform>
            <numerusform>%n QSLs to receive</numerusform>
        </translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation>The log %1 cannot be read, the list is not saved:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>La liste des QSL à recevoir a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation>The list of QSLs to receive was saved as:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>The list could not be saved as: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Marquer la QSL reçue pour le QSO coché ?</source>
        <translation>Mark the QSL received for the ticked QSO?</translation>
    </message>
    <message numerus="yes">
        <source>Marquer la QSL reçue pour les %n QSO cochés ?</source>
        <translation>
            <numerusform>Mark the QSL received for the %n ticked QSO?</numerusform>
            <numerusform>Mark the QSLs received for the %n ticked QSOs?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ce QSO est caché par le filtre.</source>
        <translation>This QSO is hidden by the filter.</translation>
    </message>
    <message>
        <source>1 de ces QSO est caché par le filtre.</source>
        <translation>1 of these QSOs is hidden by the filter.</translation>
    </message>
    <message numerus="yes">
        <source>%n de ces QSO sont cachés par le filtre.</source>
        <translation>
            <numerusform>%n of these QSOs is hidden by the filter.</numerusform>
            <numerusform>%n of these QSOs are hidden by the filter.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PendingQslWindow</name>
    <message>
        <source>QSL à recevoir</source>
        <translation>QSLs to receive</translation>
    </message>
    <message>
        <source>Fil&amp;tre (indicatif ou référence) :</source>
        <translation>Fil&amp;ter (callsign or reference):</translation>
    </message>
    <message>
        <source>Filtre sur l&apos;indicatif ou la référence</source>
        <translation>Filter on the callsign or the reference</translation>
    </message>
    <message>
        <source>QSO dont la QSL est à recevoir</source>
        <translation>QSOs whose QSL is still to receive</translation>
    </message>
    <message>
        <source>Espace coche la ligne, Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation>Space ticks the line, Enter or a double click shows the QSO in the main window</translation>
    </message>
    <message>
        <source>&amp;Marquer QSL reçue</source>
        <translation>&amp;Mark QSL received</translation>
    </message>
    <message>
        <source>Marque les QSO cochés comme confirmés</source>
        <translation>Marks the ticked QSOs as confirmed</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>PrintListing</name>
    <message>
        <source>Impression en cours...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Impression</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Progression de l&apos;impression</source>
        <translation>Printing progress</translation>
    </message>
    <message>
        <source>Impression en cours : page %1 / %2</source>
        <translation>Printing: page %1 / %2</translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas imprimée :<byte value="xd"/>
%2</source>
        <translation>The log %1 cannot be read, the list is not printed:<byte value="xd"/>
%2</translation>
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
<context>
    <name>QslMarking</name>
    <message>
        <source>Les QSL n&apos;ont pas été enregistrées : le journal a été modifié depuis la recherche.<byte value="xd"/>
Cliquez de nouveau sur Rechercher.</source>
        <translation>The QSLs were not saved: the log has changed since the search.<byte value="xd"/>
Click Search again.</translation>
    </message>
    <message>
        <source>Selectionnez un ou plusieurs QSO</source>
        <translation>Select one or more QSOs</translation>
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
    <name>QsoSearch</name>
    <message>
        <source>Attention 12 caracteres maxi pour l&apos;indicatif</source>
        <translation>Note: 12 characters at most for the callsign</translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <translation>Enter a callsign</translation>
    </message>
    <message>
        <source>Attention le format date doit etre JJ/MM/AA</source>
        <translation>Note: the date must be in DD/MM/YY form</translation>
    </message>
    <message>
        <source>Attention 8 caracteres maxi pour la date (format jj/mm/aa)</source>
        <translation>Note: 8 characters at most for the date (dd/mm/yy form)</translation>
    </message>
    <message>
        <source>Attention 6 caracteres pour la reference</source>
        <translation>Note: the reference has 6 characters</translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <translation>Enter a date</translation>
    </message>
    <message>
        <source>Entrez un departement</source>
        <translation>Enter a reference</translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <translation>No QSO found</translation>
    </message>
</context>
<context>
    <name>RadioLink</name>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation>the radio does not answer (timed out)</translation>
    </message>
    <message>
        <source>fréquence incomprise : « %1 »</source>
        <translation>frequency not understood: “%1”</translation>
    </message>
    <message>
        <source>mode incompris : « %1 »</source>
        <translation>mode not understood: “%1”</translation>
    </message>
</context>
<context>
    <name>RadioModels</name>
    <message>
        <source>rigctl est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils (sudo apt install libhamlib-utils). Seul le poste factice de Hamlib est proposé.</source>
        <translation>rigctl cannot be found: the radio (CAT) needs the libhamlib-utils package (sudo apt install libhamlib-utils). Only the Hamlib dummy radio is offered.</translation>
    </message>
</context>
<context>
    <name>RadioPoller</name>
    <message>
        <source>le poste radio n&apos;est pas utilisé</source>
        <translation>the radio is not in use</translation>
    </message>
    <message>
        <source>connexion au poste radio…</source>
        <translation>connecting to the radio…</translation>
    </message>
</context>
<context>
    <name>RadioReading</name>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise ; mode non repris)</source>
        <translation>%1 (frequency outside the log&apos;s bands, QRG not taken; mode not taken)</translation>
    </message>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise)</source>
        <translation>%1 (frequency outside the log&apos;s bands, QRG not taken)</translation>
    </message>
    <message>
        <source>%1 (mode non repris)</source>
        <translation>%1 (mode not taken)</translation>
    </message>
    <message>
        <source>Poste radio non joignable</source>
        <translation>Radio not reachable</translation>
    </message>
    <message>
        <source>Poste radio non joignable : %1</source>
        <translation>Radio not reachable: %1</translation>
    </message>
</context>
<context>
    <name>RadioWindow</name>
    <message>
        <source>Poste radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Utiliser le poste radio</source>
        <translation>&amp;Use the radio</translation>
    </message>
    <message>
        <source>Utiliser le poste radio</source>
        <translation>Use the radio</translation>
    </message>
    <message>
        <source>Modèle du poste</source>
        <translation>Radio model</translation>
    </message>
    <message>
        <source>marque ou modèle, par exemple FT-991</source>
        <translation>make or model, for example FT-991</translation>
    </message>
    <message>
        <source>Lecture de la liste des modèles de Hamlib…</source>
        <translation>Reading Hamlib&apos;s list of models…</translation>
    </message>
    <message>
        <source>&amp;Filtre</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Filtre des modèles</source>
        <translation>Model filter</translation>
    </message>
    <message>
        <source>Mo&amp;dèle</source>
        <translation>Mo&amp;del</translation>
    </message>
    <message>
        <source>Liaison</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Port &amp;série</source>
        <translation>&amp;Serial port</translation>
    </message>
    <message>
        <source>Port série</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>&amp;Réseau (rigctld)</source>
        <translation>Net&amp;work (rigctld)</translation>
    </message>
    <message>
        <source>Réseau (rigctld)</source>
        <translation>Network (rigctld)</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>Port série du poste</source>
        <translation>The radio&apos;s serial port</translation>
    </message>
    <message>
        <source>Vit&amp;esse</source>
        <translation>Sp&amp;eed</translation>
    </message>
    <message>
        <source>Vitesse en bauds</source>
        <translation>Speed in bauds</translation>
    </message>
    <message>
        <source>&amp;Hôte</source>
        <translation>&amp;Host</translation>
    </message>
    <message>
        <source>Hôte de rigctld</source>
        <translation>rigctld host</translation>
    </message>
    <message>
        <source>&amp;Numéro de port</source>
        <translation>Port &amp;number</translation>
    </message>
    <message>
        <source>Port de rigctld</source>
        <translation>rigctld port</translation>
    </message>
    <message>
        <source>&amp;Tester</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Réponse du poste :</source>
        <translation>Radio answer:</translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>aucun port série choisi</source>
        <translation>no serial port chosen</translation>
    </message>
    <message>
        <source>Lecture du poste radio…</source>
        <translation>Reading the radio…</translation>
    </message>
    <message>
        <source>Choisissez le port série du poste radio.</source>
        <translation>Choose the radio&apos;s serial port.</translation>
    </message>
    <message>
        <source>Indiquez l&apos;hôte de rigctld (localhost sur cet ordinateur).</source>
        <translation>Give the rigctld host (localhost on this computer).</translation>
    </message>
</context>
<context>
    <name>RadioWindows</name>
    <message>
        <source>CAT :</source>
        <translation>CAT:</translation>
    </message>
</context>
<context>
    <name>RegionNames</name>
    <message>
        <source>Abruzzes</source>
        <translation>Abruzzo</translation>
    </message>
    <message>
        <source>Basilicate</source>
        <translation>Basilicata</translation>
    </message>
    <message>
        <source>Calabre</source>
        <translation>Calabria</translation>
    </message>
    <message>
        <source>Campanie</source>
        <translation>Campania</translation>
    </message>
    <message>
        <source>Emilie Romagne</source>
        <translation>Emilia-Romagna</translation>
    </message>
    <message>
        <source>Frioul Venetie</source>
        <translation>Friuli-Venezia Giulia</translation>
    </message>
    <message>
        <source>Frioul-Venetie Julienne</source>
        <translation>Friuli-Venezia Giulia</translation>
    </message>
    <message>
        <source>Frioul Venetie Julienne</source>
        <translation>Friuli-Venezia Giulia</translation>
    </message>
    <message>
        <source>Latium</source>
        <translation>Lazio</translation>
    </message>
    <message>
        <source>Ligurie</source>
        <translation>Liguria</translation>
    </message>
    <message>
        <source>Liguria</source>
        <translation>Liguria</translation>
    </message>
    <message>
        <source>Lombardie</source>
        <translation>Lombardy</translation>
    </message>
    <message>
        <source>Marches</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Molise</source>
        <translation>Molise</translation>
    </message>
    <message>
        <source>Ombrie</source>
        <translation>Umbria</translation>
    </message>
    <message>
        <source>Piemont</source>
        <translation>Piedmont</translation>
    </message>
    <message>
        <source>Pouilles</source>
        <translation>Apulia</translation>
    </message>
    <message>
        <source>Sardaigne</source>
        <translation>Sardinia</translation>
    </message>
    <message>
        <source>Sicile</source>
        <translation>Sicily</translation>
    </message>
    <message>
        <source>Toscane</source>
        <translation>Tuscany</translation>
    </message>
    <message>
        <source>Trentin P.A.</source>
        <translation>Trento A.P.</translation>
    </message>
    <message>
        <source>Venetie</source>
        <translation>Veneto</translation>
    </message>
    <message>
        <source>Vénétie</source>
        <translation>Veneto</translation>
    </message>
    <message>
        <source>Vallee d aoste</source>
        <translation>Aosta Valley</translation>
    </message>
    <message>
        <source>Val d&apos;Aoste</source>
        <translation>Aosta Valley</translation>
    </message>
    <message>
        <source>Bolzano P.A.</source>
        <translation>Bolzano A.P.</translation>
    </message>
    <message>
        <source>Bolzamo P.A.</source>
        <translation>Bolzano A.P.</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>region code and name on the map</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 Region %2</source>
        <comment>region code and name in the regions list</comment>
        <translation>%1 Region %2</translation>
    </message>
</context>
<context>
    <name>RegionQsoWindow</name>
    <message>
        <source>Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation>Enter or a double click shows the QSO in the main window</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>QSO de la région %1</source>
        <translation>QSOs of the region %1</translation>
    </message>
    <message>
        <source>toutes bandes</source>
        <translation>all bands</translation>
    </message>
    <message numerus="yes">
        <source>%n QSO (%1)</source>
        <translation>
            <numerusform>%n QSO (%1)</numerusform>
            <numerusform>%n QSOs (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegionSelectors</name>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation>All</translation>
    </message>
</context>
<context>
    <name>RegionsWindow</name>
    <message>
        <source>Regions contactées</source>
        <translation>Regions worked</translation>
    </message>
    <message>
        <source>&amp;Bande</source>
        <translation>&amp;Band</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation>Select a band</translation>
    </message>
</context>
<context>
    <name>ReportDownload</name>
    <message>
        <source>%1 ne répond pas (connexion refusée).</source>
        <translation>%1 does not answer (connection refused).</translation>
    </message>
    <message>
        <source>Le serveur de %1 est introuvable : vérifiez la connexion à Internet.</source>
        <translation>The %1 server cannot be found: check the Internet connection.</translation>
    </message>
    <message>
        <source>%1 a coupé la connexion avant la fin de sa réponse : rien n&apos;est enregistré.</source>
        <translation>%1 cut the connection before the end of its answer: nothing was saved.</translation>
    </message>
    <message>
        <source>La connexion sécurisée avec %1 a échoué (certificat refusé).</source>
        <translation>The secure connection with %1 failed (certificate refused).</translation>
    </message>
    <message>
        <source>%1 a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>%1 refused the user name or the password</translation>
    </message>
    <message>
        <source>%1 ne connaît pas la page demandée (vérifiez son adresse dans les réglages).</source>
        <translation>%1 does not know the page asked for (check its address in the settings).</translation>
    </message>
    <message>
        <source>Le proxy du système n&apos;a pas permis de joindre %1.</source>
        <translation>The system&apos;s proxy did not allow reaching %1.</translation>
    </message>
    <message>
        <source>Le réseau n&apos;est pas disponible : %1 n&apos;a pas pu être joint.</source>
        <translation>The network is not available: %1 could not be reached.</translation>
    </message>
    <message>
        <source>La connexion avec %1 a échoué (erreur réseau %2).</source>
        <translation>The connection with %1 failed (network error %2).</translation>
    </message>
    <message>
        <source>L&apos;adresse de %1 n&apos;est pas sûre (HTTPS obligatoire hors de cet ordinateur) : rien n&apos;est envoyé.</source>
        <translation>The %1 address is not safe (HTTPS is required outside this computer): nothing is sent.</translation>
    </message>
    <message>
        <source>Téléchargement de %1 annulé : rien n&apos;est enregistré.</source>
        <translation>%1 download cancelled: nothing was saved.</translation>
    </message>
    <message>
        <source>%1 ne répond plus depuis %2 s : téléchargement abandonné, rien n&apos;est enregistré.</source>
        <translation>%1 has not answered for %2 s: download given up, nothing was saved.</translation>
    </message>
    <message>
        <source>%1 renvoie vers un autre serveur ou une adresse non chiffrée : la demande n&apos;y est pas envoyée.</source>
        <translation>%1 redirects to another server or to an unencrypted address: the request is not sent there.</translation>
    </message>
    <message>
        <source>Le serveur de %1 a répondu par une erreur (code HTTP %2) : rien n&apos;est enregistré.</source>
        <translation>The %1 server answered with an error (HTTP code %2): nothing was saved.</translation>
    </message>
    <message>
        <source>La page envoyée par %1 est trop grande pour en être une : abandon.</source>
        <translation>The page sent by %1 is too large to be one: given up.</translation>
    </message>
    <message>
        <source>La réponse de %1 n&apos;a pas pu être enregistrée : %2</source>
        <translation>The %1 answer could not be saved: %2</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation>The log %1 cannot be read, the list is not saved:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>The list could not be saved as: %1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>      REF     Indicatif         Date    Heure               Nom de l&apos;Abbaye                                                           QSL</source>
        <translation>      REF     Callsign          Date    Time                Name of the Abbey                                                         QSL</translation>
    </message>
    <message>
        <source>    REF                  nom de l&apos;Abbaye                                                                  Date      Indicatif         QSL</source>
        <translation>    REF                  name of the Abbey                                                                Date      Callsign          QSL</translation>
    </message>
    <message>
        <source>Le log a été enregistré sous le nom : %1</source>
        <translation>The log was saved as: %1</translation>
    </message>
</context>
<context>
    <name>RigctldClient</name>
    <message>
        <source>rigctld ne répond pas sur %1:%2 (%3)</source>
        <translation>rigctld does not answer on %1:%2 (%3)</translation>
    </message>
    <message>
        <source>valeur refusée par le logbook</source>
        <translation>value refused by the logbook</translation>
    </message>
    <message>
        <source>rigctld n&apos;écoute pas</source>
        <translation>rigctld is not listening</translation>
    </message>
    <message>
        <source>connexion refusée</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>rigctld a fermé la liaison</source>
        <translation>rigctld closed the link</translation>
    </message>
    <message>
        <source>hôte « %1 » inconnu</source>
        <translation>unknown host “%1”</translation>
    </message>
    <message>
        <source>réponse incomprise du poste radio</source>
        <translation>answer from the radio not understood</translation>
    </message>
</context>
<context>
    <name>RigctldProcess</name>
    <message>
        <source>aucun port libre sur cet ordinateur pour rigctld</source>
        <translation>no free port on this computer for rigctld</translation>
    </message>
    <message>
        <source>rigctld est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils</source>
        <translation>rigctld cannot be found: the radio (CAT) needs the libhamlib-utils package</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté</source>
        <translation>rigctld stopped</translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté : %1</source>
        <translation>rigctld stopped: %1</translation>
    </message>
</context>
<context>
    <name>RigctldReader</name>
    <message>
        <source>paramètre refusé</source>
        <translation>parameter refused</translation>
    </message>
    <message>
        <source>réglage de la liaison incorrect (port, hôte ou vitesse)</source>
        <translation>wrong link setting (port, host or speed)</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>ce modèle ne sait pas donner cette valeur</source>
        <translation>this model cannot give this value</translation>
    </message>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation>the radio does not answer (timed out)</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie : port absent ou câble débranché</source>
        <translation>input-output error: port missing or cable unplugged</translation>
    </message>
    <message>
        <source>erreur interne de Hamlib</source>
        <translation>Hamlib internal error</translation>
    </message>
    <message>
        <source>réponse incomprise (modèle ou vitesse incorrects ?)</source>
        <translation>answer not understood (wrong model or speed?)</translation>
    </message>
    <message>
        <source>commande refusée par le poste</source>
        <translation>command refused by the radio</translation>
    </message>
    <message>
        <source>erreur sur la liaison</source>
        <translation>link error</translation>
    </message>
    <message>
        <source>le poste est éteint</source>
        <translation>the radio is switched off</translation>
    </message>
    <message>
        <source>erreur %1 de Hamlib</source>
        <translation>Hamlib error %1</translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Scores pour le diplome</source>
        <translation>Scores for the award</translation>
    </message>
    <message>
        <source>des Abbayes Italiennes</source>
        <translation>of the Italian Abbeys</translation>
    </message>
    <message>
        <source>Abbayes contactée(s)</source>
        <translation>Abbeys worked</translation>
    </message>
    <message>
        <source>Abbayes confirmée(s)</source>
        <translation>Abbeys confirmed</translation>
    </message>
    <message>
        <source>le diplome ZEL de base</source>
        <translation>the basic ZEL award</translation>
    </message>
    <message>
        <source>le diplome ZEL Excellence</source>
        <translation>the ZEL Excellence award</translation>
    </message>
    <message>
        <source>Progression vers le niveau suivant</source>
        <translation>Progress towards the next level</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Le diplôme mois par mois</source>
        <translation>The award month by month</translation>
    </message>
    <message>
        <source>Les mêmes chiffres sont dans l&apos;onglet Tableau</source>
        <translation>The same figures are in the Table tab</translation>
    </message>
    <message>
        <source>Le graphique n&apos;est pas disponible : %1.<byte value="xd"/>
Les chiffres sont dans l&apos;onglet Tableau.</source>
        <translation>The chart is not available: %1.<byte value="xd"/>
The figures are in the Table tab.</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par mois</source>
        <translation>Abbeys worked and confirmed by month</translation>
    </message>
    <message>
        <source>Mois</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Abbayes contactées</source>
        <translation>Abbeys worked</translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation>Abbeys confirmed</translation>
    </message>
    <message>
        <source>&amp;Graphique</source>
        <translation>&amp;Chart</translation>
    </message>
    <message>
        <source>&amp;Tableau</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;&amp;image</source>
        <translation>Save the p&amp;icture</translation>
    </message>
    <message>
        <source>Enregistre le graphique en image PNG</source>
        <translation>Saves the chart as a PNG picture</translation>
    </message>
    <message>
        <source>Le diplôme année par année</source>
        <translation>The award year by year</translation>
    </message>
    <message>
        <source>Le diplôme jour par jour</source>
        <translation>The award day by day</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par année</source>
        <translation>Abbeys worked and confirmed by year</translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par jour</source>
        <translation>Abbeys worked and confirmed by day</translation>
    </message>
    <message>
        <source>Année</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Jour</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par année</source>
        <translation>Chart of the abbeys worked and confirmed by year</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par jour</source>
        <translation>Chart of the abbeys worked and confirmed by day</translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par mois</source>
        <translation>Chart of the abbeys worked and confirmed by month</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être préparée.</source>
        <translation>The picture could not be prepared.</translation>
    </message>
    <message>
        <source>L&apos;image a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation>The picture was saved as:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation>The picture could not be saved as: %1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
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
        <source>N° ZEL</source>
        <translation>ZEL ref</translation>
    </message>
    <message>
        <source>Nom de l&apos;activité</source>
        <translation>Abbey name</translation>
    </message>
    <message>
        <source>Recherche QSO</source>
        <translation>QSO search</translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <translation>Find a QSO by ...</translation>
    </message>
    <message>
        <source>&amp;Indicatif</source>
        <translation>&amp;Callsign</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Reference</translation>
    </message>
    <message>
        <source>Indicatif recherché</source>
        <translation>Callsign searched for</translation>
    </message>
    <message>
        <source>Date recherchée (JJ/MM/AA)</source>
        <translation>Date searched for (DD/MM/YY)</translation>
    </message>
    <message>
        <source>Référence recherchée</source>
        <translation>Reference searched for</translation>
    </message>
    <message>
        <source>JJ/MM/AA</source>
        <translation>DD/MM/YY</translation>
    </message>
    <message>
        <source>QSO trouvés</source>
        <translation>QSOs found</translation>
    </message>
    <message>
        <source>Cliquez sur le QSO pour le selectionner</source>
        <translation>Click the QSO to select it</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>LoTW a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>LoTW refused the user name or the password</translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : rien n&apos;est enregistré.</source>
        <translation>LoTW sent no report: nothing was saved.</translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : %1</source>
        <translation>LoTW sent no report: %1</translation>
    </message>
    <message>
        <source>Le rapport de LoTW est arrivé incomplet (%1 confirmations reçues avant la coupure) : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation>The LoTW report arrived incomplete (%1 confirmations received before the cut): nothing was saved. Try again later.</translation>
    </message>
    <message>
        <source>eQSL a refusé l&apos;identifiant ou le mot de passe</source>
        <translation>eQSL refused the user name or the password</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations.</source>
        <translation>eQSL named no file of confirmations.</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations : %1</source>
        <translation>eQSL named no file of confirmations: %1</translation>
    </message>
    <message>
        <source>eQSL a indiqué un fichier sur un autre serveur : il n&apos;est pas téléchargé.</source>
        <translation>eQSL named a file on another server: it is not downloaded.</translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas envoyé de fichier ADIF : rien n&apos;est enregistré.</source>
        <translation>eQSL sent no ADIF file: nothing was saved.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;eQSL est arrivé incomplet : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation>The eQSL file arrived incomplete: nothing was saved. Try again later.</translation>
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
    <name>SpotDesk</name>
    <message>
        <source>Le poste radio n&apos;a pas pu être réglé sur %1 : %2</source>
        <translation>The radio could not be tuned to %1: %2</translation>
    </message>
    <message>
        <source>Poste radio réglé sur %1</source>
        <translation>Radio tuned to %1</translation>
    </message>
</context>
<context>
    <name>SpotModel</name>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Référence</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Abbaye</source>
        <translation>Abbey</translation>
    </message>
    <message>
        <source>Région</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Annoncé par</source>
        <translation>Spotted by</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Statut</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 (hors liste)</source>
        <translation>%1 (off the list)</translation>
    </message>
    <message>
        <source>hors liste</source>
        <translation>off the list</translation>
    </message>
    <message>
        <source>hors bandes</source>
        <translation>off the bands</translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9</source>
        <translation>%1: %2 on %3 kHz (%4), %5, %6 %7, spotted by %8 at %9</translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9 : « %10 »</source>
        <translation>%1: %2 on %3 kHz (%4), %5, %6 %7, spotted by %8 at %9: “%10”</translation>
    </message>
</context>
<context>
    <name>SpotStanding</name>
    <message>
        <source>Nouvelle abbaye, Nouvelle région</source>
        <translation>New abbey, New region</translation>
    </message>
    <message>
        <source>Nouvelle abbaye</source>
        <translation>New abbey</translation>
    </message>
    <message>
        <source>Contactée</source>
        <translation>Worked</translation>
    </message>
    <message>
        <source>Confirmée</source>
        <translation>Confirmed</translation>
    </message>
    <message>
        <source>Inconnu (log illisible)</source>
        <translation>Unknown (log unreadable)</translation>
    </message>
</context>
<context>
    <name>SpotWindow</name>
    <message>
        <source>Abbayes sur l&apos;air</source>
        <translation>Abbeys on the air</translation>
    </message>
    <message>
        <source>Nœud du cluster (nom ou adresse)</source>
        <translation>Cluster node (name or address)</translation>
    </message>
    <message>
        <source>nom ou adresse du nœud</source>
        <translation>node&apos;s name or address</translation>
    </message>
    <message>
        <source>Port du nœud</source>
        <translation>Node port</translation>
    </message>
    <message>
        <source>Indicatif de connexion au cluster</source>
        <translation>Callsign to log in to the cluster</translation>
    </message>
    <message>
        <source>Se &amp;connecter</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>Se connecter au nœud ; pendant l&apos;attente d&apos;un nouvel essai, essayer maintenant</source>
        <translation>Connect to the node; while waiting to try again, try now</translation>
    </message>
    <message>
        <source>Se déc&amp;onnecter</source>
        <translation>Disc&amp;onnect</translation>
    </message>
    <message>
        <source>Réglages du cluster</source>
        <translation>Cluster settings</translation>
    </message>
    <message>
        <source>&amp;Nœud :</source>
        <translation>&amp;Node:</translation>
    </message>
    <message>
        <source>&amp;Port :</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Indicatif :</source>
        <translation>Ca&amp;llsign:</translation>
    </message>
    <message>
        <source>État :</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>Seulement les abbayes à con&amp;tacter</source>
        <translation>Only abbeys &amp;to work</translation>
    </message>
    <message>
        <source>&amp;Son à l&apos;annonce d&apos;une abbaye à contacter</source>
        <translation>&amp;Sound when an abbey to work is spotted</translation>
    </message>
    <message>
        <source>Les abbayes à contacter d&apos;abord ; Entrée ou un double clic règle le poste et prépare le QSO</source>
        <translation>Abbeys to work first; Enter or a double click tunes the radio and prepares the QSO</translation>
    </message>
    <message>
        <source>&amp;Annoncer…</source>
        <translation>&amp;Announce…</translation>
    </message>
    <message>
        <source>Envoie une annonce au cluster (commande DX)</source>
        <translation>Sends a spot to the cluster (DX command)</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Clos&amp;e</translation>
    </message>
    <message>
        <source>&amp;Voir les nouveaux spots</source>
        <translation>Show ne&amp;w spots</translation>
    </message>
    <message>
        <source>Fait entrer dans la liste les spots arrivés pendant que vous la regardiez</source>
        <translation>Brings into the list the spots that came while you were looking at it</translation>
    </message>
    <message numerus="yes">
        <source>%n nouveau spot en attente</source>
        <translation>
            <numerusform>%n new spot waiting</numerusform>
            <numerusform>%n new spots waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nouveaux spots en attente</source>
        <translation>
            <numerusform>%n new spot waiting</numerusform>
            <numerusform>%n new spots waiting</numerusform>
        </translation>
    </message>
    <message>
        <source>Indiquez le nœud du cluster (nom ou adresse) avant de vous connecter.</source>
        <translation>Give the cluster node (name or address) before connecting.</translation>
    </message>
    <message>
        <source>Indiquez l&apos;indicatif avec lequel se connecter au cluster.</source>
        <translation>Give the callsign to log in to the cluster with.</translation>
    </message>
    <message numerus="yes">
        <source>%n spot(s) affiché(s) sur %1</source>
        <translation>
            <numerusform>%n spot shown of %1</numerusform>
            <numerusform>%n spots shown of %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Le cluster n&apos;est pas connecté : l&apos;annonce ne peut pas être envoyée.</source>
        <translation>The cluster is not connected: the spot cannot be sent.</translation>
    </message>
    <message>
        <source>Annoncer au cluster</source>
        <translation>Spot to the cluster</translation>
    </message>
    <message>
        <source>&amp;Fréquence (kHz) :</source>
        <translation>&amp;Frequency (kHz):</translation>
    </message>
    <message>
        <source>&amp;Commentaire :</source>
        <translation>Co&amp;mment:</translation>
    </message>
    <message>
        <source>&amp;Envoyer</source>
        <translation>&amp;Send</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>C&amp;ancel</translation>
    </message>
    <message>
        <source>L&apos;annonce demande une fréquence en kHz et un indicatif.</source>
        <translation>A spot needs a frequency in kHz and a callsign.</translation>
    </message>
    <message>
        <source>Envoyer cette annonce au cluster ?<byte value="xd"/>
%1</source>
        <translation>Send this spot to the cluster?<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Le cluster n&apos;est plus connecté : l&apos;annonce n&apos;a pas été envoyée.</source>
        <translation>The cluster is no longer connected: the spot was not sent.</translation>
    </message>
</context>
<context>
    <name>SpotWindows</name>
    <message>
        <source>Cluster :</source>
        <translation>Cluster:</translation>
    </message>
    <message>
        <source>abbaye à contacter %1 sur %2 kHz (%3), %4</source>
        <translation>abbey to work %1 on %2 kHz (%3), %4</translation>
    </message>
</context>
<context>
    <name>StationService</name>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <translation>You must enter a callsign</translation>
    </message>
    <message>
        <source>12 caracteres maximum pour l&apos;indicatif</source>
        <translation>12 characters at most for the callsign</translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <translation>The callsign may only hold letters, digits or the &apos;_&apos; sign</translation>
    </message>
    <message>
        <source>Impossible de créer le journal %1 :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La station courante reste inchangée.</source>
        <translation>The log %1 could not be created:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The current station stays as it was.</translation>
    </message>
    <message>
        <source>L&apos;indicatif %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La station courante reste inchangée.</source>
        <translation>The callsign %1 could not be saved:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The current station stays as it was.</translation>
    </message>
    <message>
        <source>Le caractère %1 ne peut pas figurer dans un indicatif : le journal et les réglages sont en Windows-1252, qui ne connaît pas ce caractère.</source>
        <translation>The character %1 cannot be part of a callsign: the log and the settings are in Windows-1252, which does not know this character.</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Selection Indicaif</source>
        <translation>Callsign selection</translation>
    </message>
    <message>
        <source>Indicatif de la Station</source>
        <translation>Station callsign</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <translation>!!! When typing, &apos;/&apos; is replaced by &apos;_&apos;</translation>
    </message>
    <message>
        <source>&amp;Validez</source>
        <translation>&amp;Confirm</translation>
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
