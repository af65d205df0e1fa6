<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <name>HostName</name>
    <message>
        <source>Hôte introuvable : « %1 » n&apos;est ni un nom ni une adresse</source>
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
    <name>LogFile</name>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (un tube, un périphérique ou un dossier porte ce nom) : il n&apos;a pas été lu.</source>
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
    <name>WaitNotice</name>
    <message>
        <source>Veuillez patienter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
