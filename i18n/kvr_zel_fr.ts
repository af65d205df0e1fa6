<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
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
    <name>ActivityMapWindow</name>
    <message>
        <source>Carte des Regions contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bande : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sur 21 Régions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Légende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case verte : au moins un QSO sur la bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contactée, confirmée (QSL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contactée sans QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non contactée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Régions sur : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmées (QSL) : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contactées sans QSL : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non contactées : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdifExport</name>
    <message>
        <source>1 QSO a été exporté sans bande : sa bande n&apos;est pas une bande ADIF reconnue</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n QSO ont été exportés sans bande : leur bande n&apos;est pas une bande ADIF reconnue</source>
        <translation>
            <numerusform>%n QSO a été exporté sans bande : sa bande n&apos;est pas une bande ADIF reconnue</numerusform>
            <numerusform>%n QSO ont été exportés sans bande : leur bande n&apos;est pas une bande ADIF reconnue</numerusform>
        </translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log à exporter.<byte value="xd"/>
Choisissez d&apos;abord votre indicatif dans Station, Nouvel Indicatif.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le log %1 n&apos;a pas pu être lu :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le fichier %3 n&apos;a pas été enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier a été enregistré sous le nom : %1</source>
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
    <name>AtomicFile</name>
    <message>
        <source>le disque est plein (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dossier ou le fichier est protégé en écriture (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur d&apos;écriture inconnue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le disque est plein (%1 octets libres).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AwardChart</name>
    <message>
        <source>%1 - Diplôme ZEL - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le module du graphique (%1) n&apos;a pas pu être chargé : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le module du graphique n&apos;est pas celui de cette version du programme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AwardChartPlugin</name>
    <message>
        <source>Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AwardProgress</name>
    <message numerus="yes">
        <source>Encore %n QSL pour le diplôme de base</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Tous les niveaux du diplôme sont atteints</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Encore %n QSL pour le niveau Excellence %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AwardScore</name>
    <message>
        <source>Bravo, vous pouvez obtenir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vous ne pouvez pas encore obtenir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pour obtenir les diplomes des Abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italiennes il vous faut la confirmation de</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Abbayes pour le diplome de base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 niveaux pour le diplome Excellence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Abbayes contactées et confirmées</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source> Utc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Loc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClusterConnection</name>
    <message>
        <source>Non connecté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connexion à %1:%2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecté à %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le nœud a fermé la connexion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connexion perdue : %1. Nouvel essai dans %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connexion impossible : %1. Nouvel essai dans %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmController</name>
    <message>
        <source>Aucune station n&apos;est encore choisie : il n&apos;y a pas de log où marquer les confirmations.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmFetch</name>
    <message>
        <source>Aucune nouvelle confirmation sur %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 confirmations reçues, enregistrées dans %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement du rapport de LoTW…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demande de la boîte de réception d&apos;eQSL…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement de eQSL annulé : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement du fichier d&apos;eQSL…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmWindow</name>
    <message>
        <source>Confirmations en ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les confirmations reçues sur LoTW et sur eQSL sont téléchargées, enregistrées à côté du log, puis montrées avant d&apos;être marquées.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement en cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prêt : rien n&apos;est envoyé avant « Télécharger ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Télécharger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les mots de passe ne sont jamais écrits dans un fichier : ils vont dans le trousseau du bureau quand « Mémoriser le mot de passe » est coché.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utiliser &amp;LoTW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utiliser e&amp;QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Utilisateur :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisateu&amp;r :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisateur %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT&amp;H (facultatif) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surnom de QTH %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le surnom du QTH, pour un compte eQSL qui en a plusieurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mot de passe :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mot de &amp;passe :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mot de passe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mémori&amp;ser le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mém&amp;oriser le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mémoriser le mot de passe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Depuis le :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depu&amp;is le :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depuis le %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JJ/MM/AAAA, vide : tout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les confirmations reçues depuis ce jour ; vide : toutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Par défaut, l&apos;indicatif de base de la station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun trousseau ne répond (%1) : le mot de passe est demandé à chaque téléchargement et n&apos;est gardé nulle part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun trousseau de bureau</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octets</source>
        <translation>
            <numerusform>Reçu : %1 octet</numerusform>
            <numerusform>Reçu : %1 octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reçu : %1 octet</source>
        <translation>
            <numerusform>Reçu : %1 octet</numerusform>
            <numerusform>Reçu : %1 octets</numerusform>
        </translation>
    </message>
    <message>
        <source>en cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arrêté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : la date « Depuis le » se lit JJ/MM/AAAA (vide : tout).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : l&apos;utilisateur et le mot de passe sont nécessaires.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cochez « Utiliser » pour LoTW, pour eQSL ou pour les deux.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réglages non enregistrés : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le mot de passe de %1 n&apos;a pas pu être mémorisé (%2) : il sera demandé au prochain téléchargement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement annulé : rien n&apos;est enregistré ni marqué.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La date « Depuis le » n&apos;a pas pu être enregistrée : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cp1252</name>
    <message>
        <source>« %1 » (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le caractère %1 ne peut pas être enregistré dans le log : le journal et les listes sont en Windows-1252, qui ne connaît pas ce caractère.<byte value="xd"/>
Remplacez-le par un caractère sans signe particulier ou supprimez-le.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le caractère de contrôle %1 ne peut pas être enregistré dans le log.<byte value="xd"/>
Supprimez-le.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <source>Entrez un indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 caracteres maxi pour l&apos;indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 caracteres maxi pour le Prenom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez une Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 caracteres pour la reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 caracteres pour le Locator ou rien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le format de la date doit etre JJ/MM/AA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez une Heure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le format de l&apos;heure doit etre HH:MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez un Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 caracteres maxi pour le Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le log ne garde que 3 caractères pour le Mode : choisissez SSB, CW ou FM, ou un mode de 3 caractères au plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez une QRG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 caracteres maxi pour la QRG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez un Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 caracteres maxi pour le Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R (de RST)doit etre compris entre 0 et 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 caracteres maxi pour le nom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
         Premiere installation, vous devez entrer votre Indicatif<byte value="xd"/>
<byte value="xd"/>
Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportWindows</name>
    <message>
        <source>Exportation du log au format ADIF en cours…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé : le dossier %2 est protégé en écriture (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé : le disque est plein (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de verrou %1 est un lien symbolique ou n&apos;est pas un fichier ordinaire ; KVR_ZEL n&apos;écrit pas à travers un lien. Supprimez %1 du dossier %2, puis recommencez.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de verrou %1 ne peut pas être créé ni verrouillé (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur inconnue</source>
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
    <name>HelpPages</name>
    <message>
        <source>KVR_ZEL Revision %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carnet de trafic du diplôme des Abbayes italiennes (ZEL). Carte de l&apos;Italie : @svg-maps/italy (Victor Cazanave, d&apos;après MapSVG), licence CC BY 4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logiciel libre sous licence GPL-3.0-or-later (GNU GPL version 3 ou toute version ultérieure), voir le fichier COPYING.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Règlement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode d&apos;emploi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HostName</name>
    <message>
        <source>Hôte introuvable : « %1 » n&apos;est ni un nom ni une adresse</source>
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
    <name>ItalyMapView</name>
    <message>
        <source>Carte de l&apos;Italie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyringPlugin</name>
    <message>
        <source>le trousseau du bureau ne répond pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le trousseau du bureau est verrouillé ou son accès a été refusé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun trousseau de bureau n&apos;est disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le trousseau du bureau a refusé la demande</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>La langue choisie sera utilisée au prochain démarrage du programme.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListingModel</name>
    <message>
        <source>REF</source>
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
        <source>Nom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListingPrinter</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;impression s&apos;est arrêtée à la page %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListingWindow</name>
    <message>
        <source>ZEL Contactés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;firmées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste alphanumerique des Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des Abbayes du diplôme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tri de la liste des Abbayes contactées en cours…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (un tube, un périphérique ou un dossier porte ce nom) : il n&apos;a pas été lu.</source>
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
    <name>LogProblems</name>
    <message>
        <source>Le journal %1 ne peut pas être lu :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Le journal %1 contient %n ligne(s) qui ne sont pas des QSO tels que KVR_ZEL les écrit (138 caractères, sans caractère de contrôle) : ligne(s) %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Ce fichier semble être en UTF-8 (converti par un autre programme) et non en Windows-1252 : ses lettres accentuées y occupent deux caractères, ce qui décale les colonnes. Enregistré à nouveau en Windows-1252, il redeviendrait lisible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Elles sont affichées dans la liste et conservées telles quelles.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogRewriter</name>
    <message>
        <source>Impossible d&apos;enregistrer le journal %1 :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le journal n&apos;a pas été modifié et la saisie est conservée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le journal est en cours de modification par une autre copie de KVR_ZEL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce QSO a été modifié entre-temps dans le journal (par une autre copie de KVR_ZEL ou un autre programme) et n&apos;y est plus tel qu&apos;il était affiché.<byte value="xd"/>
La liste montre maintenant le journal tel qu&apos;il est ; sélectionnez de nouveau le QSO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demande de réécriture incohérente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le journal a été modifié entre-temps (par une autre copie de KVR_ZEL ou un autre programme) ; recommencez.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;abbaye %1 est déjà dans le journal (il a été modifié entre-temps ?) ; relancez l&apos;importation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le journal a été modifié entre-temps ; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>relancez la recherche.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>le journal sur le disque compte %n QSO de moins que celui affiché : une autre copie de KVR_ZEL ou un autre programme l&apos;a modifié, tronqué ou remplacé entre-temps.<byte value="xd"/>
La liste montre maintenant le journal tel qu&apos;il est ; vérifiez-le, puis validez de nouveau.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogSession</name>
    <message>
        <source>Aucune station n&apos;est encore choisie : le QSO n&apos;a pas été enregistré.<byte value="xd"/>
<byte value="xd"/>
Créez d&apos;abord la station (menu Station, Nouvel Indicatif).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>INDICATIF DE LA STATION  : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode de saisie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisie ou modification d&apos;un QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prenom (optionel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ref Abbaye </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QRG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL reçue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Valider le QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validation de la saisie en cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Effacer saisie en cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulation de la saisie en cours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;upprimer un QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permet de supprimer un QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inserer un QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permet d&apos;insérer un QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rechercher un QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permet la recherche d&apos;un QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gestion des QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un click sur un QSO pour l&apos;afficher ou le supprimer, un double click pour l&apos;éditer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ouvrir le dossier des fichiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>des &amp;Regions contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diplome ZEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eglement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Liste des Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scores ZEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;QSL à recevoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes sur l&apos;&amp;air (cluster)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Télécharger les confirmations…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mettre à jour la liste des abbayes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;venir à la liste précédente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Poste radio (CAT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     N°   Indicatif    Locator Prenom                  Ref       Date       QTR  Mode   QRG  RSTR RSTE                   Mom de l&apos;Abbaye                                                    QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter KVR_ZEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importer un fichier ADIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exporter le log au format ADIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nouvel Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affic&amp;her</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>les &amp;Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;propos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode d&apos;emploi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Historique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Carte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>des &amp;regions contactées</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enregistrement du log en cours…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le dossier des fichiers n&apos;a pas pu être ouvert :<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  KVR_ZEL    Revision %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MiniMapWindow</name>
    <message>
        <source>Nouvelle Région</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repère : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiQslWindow</name>
    <message>
        <source>Enregistrement des QSL multiples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pour rechercher les QSO avec la station </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cliquez sur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rechercher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO sans QSL reçue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cochez dans la liste ci-dessus les QSL reçues puis cliquez sur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement du log en cours…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordKeyring</name>
    <message>
        <source>le module du trousseau n&apos;a pas pu être chargé (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le module du trousseau n&apos;est pas celui de cette version du programme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PendingQsl</name>
    <message numerus="yes">
        <source>%n QSL à recevoir</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des QSL à recevoir a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marquer la QSL reçue pour le QSO coché ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Marquer la QSL reçue pour les %n QSO cochés ?</source>
        <translation>
            <numerusform>Marquer la QSL reçue pour le QSO coché ?</numerusform>
            <numerusform>Marquer la QSL reçue pour les %n QSO cochés ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ce QSO est caché par le filtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 de ces QSO est caché par le filtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n de ces QSO sont cachés par le filtre.</source>
        <translation>
            <numerusform>%n de ces QSO est caché par le filtre.</numerusform>
            <numerusform>%n de ces QSO sont cachés par le filtre.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PendingQslWindow</name>
    <message>
        <source>QSL à recevoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil&amp;tre (indicatif ou référence) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtre sur l&apos;indicatif ou la référence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO dont la QSL est à recevoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espace coche la ligne, Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Marquer QSL reçue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marque les QSO cochés comme confirmés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintListing</name>
    <message>
        <source>Impression en cours...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progression de l&apos;impression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impression en cours : page %1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas imprimée :<byte value="xd"/>
%2</source>
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
<context>
    <name>QslMarking</name>
    <message>
        <source>Les QSL n&apos;ont pas été enregistrées : le journal a été modifié depuis la recherche.<byte value="xd"/>
Cliquez de nouveau sur Rechercher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selectionnez un ou plusieurs QSO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QsoEntry</name>
    <message>
        <source>Modification QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertion QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisie QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Abbaye deja contacté le %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;editer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voulez vous enregistrer ces données ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des prénoms n&apos;a pas pu être mise à jour :<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une saisie est en cours : elle sera perdue.<byte value="xd"/>
Quitter KVR_ZEL quand même ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une saisie est en cours : elle sera perdue.<byte value="xd"/>
Commencer un nouveau QSO avec %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquez sur une ligne pour l&apos;effacerer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voulez vous Supprimer ce QSO ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QsoListModel</name>
    <message>
        <source>N°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prenom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ref</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QTR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QRG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSTR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ligne %1 du journal mal formée : elle est conservée telle quelle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QsoRecord</name>
    <message>
        <source>la ligne du QSO compte %1 caractères au lieu de %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la ligne du QSO contient un caractère que le journal (Windows-1252) ne peut pas contenir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la ligne du QSO contient un caractère de contrôle (code %1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QsoRowsModel</name>
    <message>
        <source>N°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prénom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Référence</source>
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
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST reçu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST envoyé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom de l&apos;Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QsoSearch</name>
    <message>
        <source>Attention 12 caracteres maxi pour l&apos;indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez un indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention le format date doit etre JJ/MM/AA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention 8 caracteres maxi pour la date (format jj/mm/aa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention 6 caracteres pour la reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez une date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrez un departement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas de QSO trouvé</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioLink</name>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fréquence incomprise : « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode incompris : « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioModels</name>
    <message>
        <source>rigctl est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils (sudo apt install libhamlib-utils). Seul le poste factice de Hamlib est proposé.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioPoller</name>
    <message>
        <source>le poste radio n&apos;est pas utilisé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connexion au poste radio…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioReading</name>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise ; mode non repris)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (fréquence hors des bandes du log, QRG non reprise)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (mode non repris)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poste radio non joignable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poste radio non joignable : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioWindow</name>
    <message>
        <source>Poste radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Utiliser le poste radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utiliser le poste radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modèle du poste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marque ou modèle, par exemple FT-991</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture de la liste des modèles de Hamlib…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filtre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtre des modèles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo&amp;dèle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port &amp;série</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port série</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Réseau (rigctld)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réseau (rigctld)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port série du poste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vit&amp;esse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse en bauds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hôte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hôte de rigctld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Numéro de port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port de rigctld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réponse du poste :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun port série choisi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture du poste radio…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisissez le port série du poste radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indiquez l&apos;hôte de rigctld (localhost sur cet ordinateur).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioWindows</name>
    <message>
        <source>CAT :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegionNames</name>
    <message>
        <source>Abruzzes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basilicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calabre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emilie Romagne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frioul Venetie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frioul-Venetie Julienne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frioul Venetie Julienne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ligurie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liguria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lombardie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ombrie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piemont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pouilles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sardaigne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toscane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trentin P.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venetie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vénétie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vallee d aoste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Val d&apos;Aoste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolzano P.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolzamo P.A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>region code and name on the map</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Region %2</source>
        <comment>region code and name in the regions list</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegionQsoWindow</name>
    <message>
        <source>Entrée ou un double clic montre le QSO dans la fenêtre principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO de la région %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toutes bandes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n QSO (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegionSelectors</name>
    <message>
        <source>Bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegionsWindow</name>
    <message>
        <source>Regions contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Afficher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selectionnez une bande</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDownload</name>
    <message>
        <source>%1 ne répond pas (connexion refusée).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le serveur de %1 est introuvable : vérifiez la connexion à Internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a coupé la connexion avant la fin de sa réponse : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La connexion sécurisée avec %1 a échoué (certificat refusé).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a refusé l&apos;identifiant ou le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ne connaît pas la page demandée (vérifiez son adresse dans les réglages).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le proxy du système n&apos;a pas permis de joindre %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le réseau n&apos;est pas disponible : %1 n&apos;a pas pu être joint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La connexion avec %1 a échoué (erreur réseau %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;adresse de %1 n&apos;est pas sûre (HTTPS obligatoire hors de cet ordinateur) : rien n&apos;est envoyé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Téléchargement de %1 annulé : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ne répond plus depuis %2 s : téléchargement abandonné, rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 renvoie vers un autre serveur ou une adresse non chiffrée : la demande n&apos;y est pas envoyée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le serveur de %1 a répondu par une erreur (code HTTP %2) : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La page envoyée par %1 est trop grande pour en être une : abandon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La réponse de %1 n&apos;a pas pu être enregistrée : %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Le journal %1 ne peut pas être lu, la liste n&apos;est pas enregistrée :<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>      REF     Indicatif         Date    Heure               Nom de l&apos;Abbaye                                                           QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    REF                  nom de l&apos;Abbaye                                                                  Date      Indicatif         QSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le log a été enregistré sous le nom : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RigctldClient</name>
    <message>
        <source>rigctld ne répond pas sur %1:%2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valeur refusée par le logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld n&apos;écoute pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connexion refusée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld a fermé la liaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hôte « %1 » inconnu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réponse incomprise du poste radio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RigctldProcess</name>
    <message>
        <source>aucun port libre sur cet ordinateur pour rigctld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rigctld s&apos;est arrêté : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RigctldReader</name>
    <message>
        <source>paramètre refusé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réglage de la liaison incorrect (port, hôte ou vitesse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce modèle ne sait pas donner cette valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le poste ne répond pas (délai dépassé)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie : port absent ou câble débranché</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur interne de Hamlib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réponse incomprise (modèle ou vitesse incorrects ?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commande refusée par le poste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur sur la liaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le poste est éteint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur %1 de Hamlib</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreWindow</name>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores pour le diplome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>des Abbayes Italiennes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactée(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes confirmée(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diplome ZEL de base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le diplome ZEL Excellence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progression vers le niveau suivant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le diplôme mois par mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les mêmes chiffres sont dans l&apos;onglet Tableau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le graphique n&apos;est pas disponible : %1.<byte value="xd"/>
Les chiffres sont dans l&apos;onglet Tableau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes confirmées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tableau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer l&apos;&amp;image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistre le graphique en image PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le diplôme année par année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le diplôme jour par jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbayes contactées et confirmées par jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par année</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique des abbayes contactées et confirmées par mois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être préparée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image a été enregistrée sous le nom :<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée sous le nom : %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
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
        <source>N° ZEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom de l&apos;activité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recherche QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechercher un QSO par ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif recherché</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date recherchée (JJ/MM/AA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Référence recherchée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JJ/MM/AA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QSO trouvés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliquez sur le QSO pour le selectionner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>LoTW a refusé l&apos;identifiant ou le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LoTW n&apos;a pas envoyé de rapport : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le rapport de LoTW est arrivé incomplet (%1 confirmations reçues avant la coupure) : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL a refusé l&apos;identifiant ou le mot de passe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas indiqué de fichier de confirmations : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL a indiqué un fichier sur un autre serveur : il n&apos;est pas téléchargé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eQSL n&apos;a pas envoyé de fichier ADIF : rien n&apos;est enregistré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier d&apos;eQSL est arrivé incomplet : rien n&apos;est enregistré. Recommencez plus tard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Le fichier de réglages %1 est endommagé (%2 octets, bien plus que des réglages n&apos;en occupent) : il n&apos;a pas été lu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Il est gardé sous le nom %1 et KVR_ZEL démarre comme à sa première installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Il n&apos;a pas pu être mis de côté : KVR_ZEL démarre comme à sa première installation et ne garde ses réglages que jusqu&apos;à sa fermeture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le fichier endommagé n&apos;a pas pu être mis de côté.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le disque est plein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les réglages n&apos;ont pas pu être enregistrés dans %1 : le fichier ou son dossier est protégé en écriture.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotDesk</name>
    <message>
        <source>Le poste radio n&apos;a pas pu être réglé sur %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poste radio réglé sur %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotModel</name>
    <message>
        <source>UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Référence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Région</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annoncé par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (hors liste)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hors liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hors bandes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9 : « %10 »</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotStanding</name>
    <message>
        <source>Nouvelle abbaye, Nouvelle région</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouvelle abbaye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contactée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inconnu (log illisible)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotWindow</name>
    <message>
        <source>Abbayes sur l&apos;air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nœud du cluster (nom ou adresse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom ou adresse du nœud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port du nœud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif de connexion au cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se &amp;connecter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se connecter au nœud ; pendant l&apos;attente d&apos;un nouvel essai, essayer maintenant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se déc&amp;onnecter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réglages du cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nœud :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indicatif :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>État :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seulement les abbayes à con&amp;tacter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Son à l&apos;annonce d&apos;une abbaye à contacter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les abbayes à contacter d&apos;abord ; Entrée ou un double clic règle le poste et prépare le QSO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annoncer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoie une annonce au cluster (commande DX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voir les nouveaux spots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fait entrer dans la liste les spots arrivés pendant que vous la regardiez</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n nouveau spot en attente</source>
        <translation>
            <numerusform>%n nouveau spot en attente</numerusform>
            <numerusform>%n nouveaux spots en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nouveaux spots en attente</source>
        <translation>
            <numerusform>%n nouveau spot en attente</numerusform>
            <numerusform>%n nouveaux spots en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>Indiquez le nœud du cluster (nom ou adresse) avant de vous connecter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indiquez l&apos;indicatif avec lequel se connecter au cluster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n spot(s) affiché(s) sur %1</source>
        <translation>
            <numerusform>%n spot(s) affiché(s) sur %1</numerusform>
            <numerusform>%n spot(s) affiché(s) sur %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Le cluster n&apos;est pas connecté : l&apos;annonce ne peut pas être envoyée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annoncer au cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fréquence (kHz) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Commentaire :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Envoyer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;annonce demande une fréquence en kHz et un indicatif.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoyer cette annonce au cluster ?<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cluster n&apos;est plus connecté : l&apos;annonce n&apos;a pas été envoyée.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpotWindows</name>
    <message>
        <source>Cluster :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abbaye à contacter %1 sur %2 kHz (%3), %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationService</name>
    <message>
        <source>Vous devez entrer un indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 caracteres maximum pour l&apos;indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;indicatif ne doit comporter que des lettres des chiffres ou le signe &apos;_&apos; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de créer le journal %1 :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La station courante reste inchangée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;indicatif %1 n&apos;a pas pu être enregistré :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La station courante reste inchangée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le caractère %1 ne peut pas figurer dans un indicatif : le journal et les réglages sont en Windows-1252, qui ne connaît pas ce caractère.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Selection Indicaif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif de la Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>!!! Pour la saisie la &apos;/&apos; est remplacée par le &apos;_&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Validez</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitNotice</name>
    <message>
        <source>Veuillez patienter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
