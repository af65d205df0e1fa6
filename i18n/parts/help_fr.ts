<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <name>ExportWindows</name>
    <message>
        <source>Exportation du log au format ADIF en cours…</source>
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
</TS>
