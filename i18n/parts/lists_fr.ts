<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AbbeyList</name>
    <message>
        <source>ATTENTION la liste des abbayes %1 ne peut pas être lue :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La référence n&apos;a pas pu être vérifiée ; entrez vous-même le locator et le nom de l&apos;abbaye.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATTENTION la liste des abbayes %1 est introuvable dans le dossier %2 : la référence n&apos;a pas pu être vérifiée.<byte value="xd"/>
<byte value="xd"/>
La liste sera recréée au prochain démarrage de KVR_ZEL. En attendant, entrez vous-même le locator et le nom de l&apos;abbaye.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATTENTION cette Abbaye n&apos;est pas referencée</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbbeyListController</name>
    <message>
        <source>Nouvelle liste des abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listes des abbayes (*.txt);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de liste précédente (%1) : la liste des abbayes n&apos;a jamais été remplacée depuis ce dossier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il n&apos;existe pas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas une liste des abbayes : %2<byte value="xd"/>
<byte value="xd"/>
La liste en service n&apos;a pas été modifiée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des abbayes en service %1 ne peut pas être lue :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbbeyListFile</name>
    <message>
        <source>caractère hors Windows-1252 (octet 0x%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caractère de contrôle (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caractère hors Windows-1252 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pas de référence de 6 lettres ou chiffres en colonnes 1 à 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>référence de plus de 6 caractères (colonne 7 non vide)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ses lignes sont des QSO d&apos;un log, pas des abbayes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier est vide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune de ses %1 lignes n&apos;est une ligne d&apos;abbaye (référence en colonnes 1 à 6, nom en colonnes 8 à 67, locator en colonnes 69 à 72).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 de ses %2 lignes sont illisibles ; seules %3 sont des lignes d&apos;abbaye.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbbeyListSwap</name>
    <message>
        <source>La liste des abbayes n&apos;a pas été remplacée :<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Aucun fichier n&apos;a été modifié.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 est protégé en écriture (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres, %2 nécessaires).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le disque est plein (un fichier ne peut pas dépasser ici %1 octets, il en faut %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1, laissé par une mise à jour de la liste des abbayes, est illisible : rien n&apos;en a été repris.<byte value="xd"/>
Supprimez-le pour pouvoir de nouveau mettre la liste à jour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes avait été interrompue avant de remplacer un fichier : la liste %1, la liste précédente et le log sont restés tels qu&apos;ils étaient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes interrompue n&apos;a pas encore pu être terminée : %1<byte value="xd"/>
Elle le sera au prochain démarrage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le journal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une mise à jour de la liste des abbayes avait été interrompue : elle a été terminée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
La liste %1, modifiée entre-temps par un autre programme, n&apos;a pas été remplacée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
La nouvelle liste %1 est en service ; l&apos;ancienne est gardée sous le nom %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
La nouvelle liste %1 est en service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Les noms d&apos;abbaye du log %1 ont été mis à jour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la liste %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ses noms d&apos;abbaye ne pourraient pas être mis à jour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la liste a été modifiée sur le disque depuis la comparaison (par un autre programme ou une autre copie de KVR_ZEL).<byte value="xd"/>
La comparaison est refaite : vérifiez-la, puis remplacez de nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La nouvelle liste est identique à la liste en service %1 : rien n&apos;a été remplacé (%2 est gardée telle quelle).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le journal %1 ne peut pas être lu : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il n&apos;existe plus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un QSO dont le nom d&apos;abbaye devait suivre la correction a été modifié entre-temps dans le journal %1.<byte value="xd"/>
La comparaison est refaite : vérifiez-la, puis remplacez de nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dossier de la liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossible d&apos;enregistrer %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le remplacement de la liste des abbayes %1 n&apos;a pas pu être achevé : %2<byte value="xd"/>
Il sera terminé au prochain démarrage de KVR_ZEL (ou à la prochaine mise à jour).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste précédente est de nouveau en service sous le nom %1 ; celle qu&apos;elle remplace est gardée sous le nom %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des abbayes %1 a été remplacée ; l&apos;ancienne est gardée sous le nom %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des abbayes %1 a été enregistrée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source><byte value="xd"/>
Le nom d&apos;abbaye de %n QSO du log a été mis à jour.</source>
        <translation>
            <numerusform><byte value="xd"/>
Le nom d&apos;abbaye de %n QSO du log a été mis à jour.</numerusform>
            <numerusform><byte value="xd"/>
Le nom d&apos;abbaye de %n QSO du log a été mis à jour.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AbbeyListWindow</name>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n abbayes</source>
        <translation>
            <numerusform>%n abbaye</numerusform>
            <numerusform>%n abbayes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n abbaye</source>
        <translation>
            <numerusform>%n abbaye</numerusform>
            <numerusform>%n abbayes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contactés</source>
        <translation>
            <numerusform>%n contacté</numerusform>
            <numerusform>%n contactés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacté</source>
        <translation>
            <numerusform>%n contacté</numerusform>
            <numerusform>%n contactés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n confirmés</source>
        <translation>
            <numerusform>%n confirmé</numerusform>
            <numerusform>%n confirmés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n confirmé</source>
        <translation>
            <numerusform>%n confirmé</numerusform>
            <numerusform>%n confirmés</numerusform>
        </translation>
    </message>
    <message>
        <source>Revenir à la liste précédente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouvelle liste des abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Détail des changements de la liste des abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flèche droite ouvre une catégorie, flèche gauche la referme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Référence ou ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Détail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Détail des changements (Flèche droite ouvre une liste) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mettre à jour les noms d&apos;abbaye des QSO du log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Revenir à cette liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remplacer la liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer le rapport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mettre les noms d&apos;abbaye des QSO du log à ceux de la liste précédente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la liste précédente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la nouvelle liste (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste en service : %1, %2 ; celle qu&apos;elle remplace (%3) est gardée sous le nom %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste en service : %1, %2 ; il n&apos;y avait pas de liste avant elle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste précédente : %1 (%2, lue en %3) ; liste en service : %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouvelle liste : %1 (%2, lue en %3) ; liste en service : %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abbayes ajoutées : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>noms ou locators corrigés : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>références retirées : %1, dont %2 dans le log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lignes illisibles : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>références en double : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log de %1 : QSO dont la référence n&apos;est plus dans %2 : %3, %4 (ils restent dans le log)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la nouvelle liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune station choisie : aucun log à comparer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO dont le nom suit la correction : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abbayes ajoutées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (locator %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>noms ou locators corrigés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom : %1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locator : %1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>références retirées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DANS LE LOG (%1 QSO, %2) : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lignes illisibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ligne %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>références en double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lignes %1 ; la ligne %2 compte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO dont le nom d&apos;abbaye suit la correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 du %2 : %3 → %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste précédente est de nouveau en service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste a été remplacée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cette liste est déjà celle en service : rien à remplacer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rien n&apos;est encore modifié.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le rapport a été enregistré sous le nom : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le rapport %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdifMapping</name>
    <message>
        <source>référence absente de la liste des abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prénom coupé à 15 caractères</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom de l&apos;abbaye coupé à 60 caractères</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caractères remplacés par les lettres les plus proches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>à importer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>à importer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pas de référence d&apos;abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illisible : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pas d&apos;indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>indicatif de plus de 12 caractères</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>référence d&apos;abbaye invalide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>référence d&apos;abbaye vide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date absente ou illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date hors de 1950 à 2049, que l&apos;année sur deux chiffres du log ne peut pas écrire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heure absente ou illisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bande absente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bande non prévue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode non prévu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>report de plus de 3 caractères</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>déjà dans le log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>déjà contactée le %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abbaye en double dans le fichier, n° %1 importé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL à marquer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL déjà marquée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plusieurs QSO possibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>référence différente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL sans QSO correspondant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL d&apos;un indicatif absent du log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdifReader</name>
    <message>
        <source>enregistrement incomplet : le fichier se termine avant &lt;eor&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longueur du champ %1 illisible (%2), ni en caractères ni en octets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longueur du champ %1 (%2) au-delà de la fin de l&apos;enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enregistrement incomplet : le fichier se termine dans le champ %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstNameList</name>
    <message>
        <source>Impossible de lire la liste des prénoms %1 :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la liste est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la liste des prénoms %1 :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportCommit</name>
    <message>
        <source>Les QSO n&apos;ont pas été importés :<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Le log et la liste des prénoms n&apos;ont pas été modifiés.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où importer.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun QSO à importer ni QSL à marquer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la liste des prénoms %1 est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la liste des prénoms %1 n&apos;a pas pu être lue : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres, il en faut %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Aucun QSO n&apos;a été importé ; la liste des prénoms n&apos;a pas été modifiée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Aucune QSL n&apos;a été marquée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
La liste des prénoms %1 n&apos;a pas pu être mise à jour : %2<byte value="xd"/>
Elle garde les prénoms qu&apos;elle avait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 QSO a été ajouté au log %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ont été ajoutés au log %1.</source>
        <translation>
            <numerusform>%n QSO ont été ajoutés au log %1.</numerusform>
            <numerusform>%n QSO ont été ajoutés au log %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 QSL a été marquée reçue dans le log %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n QSL ont été marquées reçues dans le log %1.</source>
        <translation>
            <numerusform>%n QSL ont été marquées reçues dans le log %1.</numerusform>
            <numerusform>%n QSL ont été marquées reçues dans le log %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>QSL déjà marquée : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n QSL n&apos;ont pas été marquées : leur QSO a changé dans le log depuis l&apos;aperçu.</source>
        <translation>
            <numerusform>%n QSL n&apos;ont pas été marquées : leur QSO a changé dans le log depuis l&apos;aperçu.</numerusform>
            <numerusform>%n QSL n&apos;ont pas été marquées : leur QSO a changé dans le log depuis l&apos;aperçu.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportController</name>
    <message>
        <source>Importer un fichier ADIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers ADIF (*.adi *.adif);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où importer.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture du fichier %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importation ADIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture du fichier ADIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparaison avec le log...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportListModel</name>
    <message>
        <source>N°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Référence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportLoader</name>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des abbayes %1 ne peut pas être lue :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été importé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 ne contient aucun QSO au format ADIF.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 dans le log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heure : %1 min d&apos;écart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autre jour : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bande : %1, log %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refusés : %1 (%2 non listés)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refusés : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Importation ADIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tout afficher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tout afficher, même les QSO sans référence d&apos;abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrements du fichier et leur sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Liste des enregistrements du fichier :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer le rapport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO faits par une autre station que %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO à importer : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>déjà dans le log : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>référence absente de la liste des abbayes : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pas de référence d&apos;abbaye : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL à marquer : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL sans QSO correspondant : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL d&apos;un indicatif absent du log : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>ajouter %n QSO</source>
        <translation>
            <numerusform>ajouter %n QSO</numerusform>
            <numerusform>ajouter %n QSO</numerusform>
        </translation>
    </message>
    <message>
        <source>marquer 1 QSL reçue</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>marquer %n QSL reçues</source>
        <translation>
            <numerusform>marquer %n QSL reçues</numerusform>
            <numerusform>marquer %n QSL reçues</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ce fichier est celui de la station %1, pas de %2.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous vraiment %3 dans le log de %2 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le rapport a été enregistré sous le nom : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le rapport %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogLookups</name>
    <message>
        <source>Le journal %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La référence ne peut pas être vérifiée : la saisie est arrêtée.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramDir</name>
    <message>
        <source>Le dossier des journaux %1 ne peut pas être créé.<byte value="xd"/>
<byte value="xd"/>
Vérifiez que le dossier parent existe et n&apos;est pas protégé en écriture, et que le disque n&apos;est pas plein ; aucun QSO ne pourra être enregistré d&apos;ici là.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les fichiers fournis avec KVR_ZEL n&apos;ont pas pu être copiés dans %1 :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
